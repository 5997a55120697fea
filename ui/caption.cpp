#include "ui/caption.h"

#include <QWidget>

namespace vantelo::ui {

Caption *findCaption(const QWidget *root, const QString &objectName)
{
    if (root == nullptr)
        return nullptr;
    return dynamic_cast<Caption *>(root->findChild<QWidget *>(objectName));
}

} // namespace vantelo::ui
