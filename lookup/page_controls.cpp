#include "page_controls.h"

#include <QAbstractButton>
#include <QComboBox>

namespace vantelo::lookup {

PageControls PageControls::find(const FlangeStandard &standard, const QWidget &root)
{
    PageControls controls;
    controls.pressureList = root.findChild<QComboBox *>(QString::fromLatin1(standard.pressureList));
    controls.diameterList = root.findChild<QComboBox *>(QString::fromLatin1(standard.diameterList));
    controls.queryButton = root.findChild<QAbstractButton *>(QString::fromLatin1(standard.queryButton));
    if (standard.pressureValueLabel != nullptr)
        controls.pressureValueLabel = findCaption(&root, QString::fromLatin1(standard.pressureValueLabel));
    controls.resultLabels.reserve(standard.bindings.size());
    for (const ResultBinding &binding : standard.bindings)
        controls.resultLabels.push_back(findCaption(&root, QString::fromLatin1(binding.label)));
    return controls;
}

bool selectEntry(QComboBox &list, int index)
{
    if (index < 0 || index >= list.count())
        return false;
    list.setCurrentIndex(index);
    emit list.activated(index);
    return true;
}

} // namespace vantelo::lookup
