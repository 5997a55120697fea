#include "ui/page_handles.h"

#include <QComboBox>

namespace vantelo::ui {

bool selectEntry(QComboBox &list, int index)
{
    if (index < 0 || index >= list.count())
        return false;
    list.setCurrentIndex(index);
    emit list.activated(index);
    return true;
}

} // namespace vantelo::ui
