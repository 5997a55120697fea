#include "diameter_list.h"

#include "pressure_class_table.h"
#include "statements.h"

#include "data/value_text.h"

#include <QComboBox>

#include <cmath>

namespace vantelo::lookup {

namespace {

const QString DiameterColumn = QStringLiteral("公称通径DN");

void translateClass(const FlangeStandard &standard, const PageControls &controls)
{
    if (standard.classesTranslated == 0 || !controls.pressureList || controls.pressureValueLabel == nullptr)
        return;
    const std::optional<QString> mpa =
        PressureClassTable(controls.pressureList->currentText(), standard.classesTranslated);
    if (mpa)
        controls.pressureValueLabel->setCaption(*mpa);
}

// A number no statement can ask for again (NaN, an infinity) is no entry.
bool canBeAskedFor(const data::FieldValue &value)
{
    const double *number = std::get_if<double>(&value);
    return !number || std::isfinite(*number);
}

} // namespace

QString pressureText(const FlangeStandard &standard, const PageControls &controls)
{
    if (standard.pressureValueLabel != nullptr)
        return controls.pressureValueLabel != nullptr ? controls.pressureValueLabel->caption() : QString();
    return controls.pressureList ? controls.pressureList->currentText() : QString();
}

void RefillDiameterList(const FlangeStandard &standard, const PageControls &controls,
                        const data::Connection &connection)
{
    translateClass(standard, controls);

    const std::optional<QString> statement = diameterStatement(standard, pressureText(standard, controls));
    std::optional<data::ResultSet> rows;
    if (statement)
        rows = connection.execute(*statement);

    if (!controls.diameterList)
        return;
    QComboBox &list = *controls.diameterList;
    list.clear();
    // A result that failed to open has no rows: the loop ends at once.
    for (; rows && !rows->atEnd(); rows->moveNext()) {
        const std::optional<data::FieldValue> value = rows->field(DiameterColumn);
        const std::optional<QString> text =
            value && canBeAskedFor(*value) ? data::fieldText(*value) : std::nullopt;
        if (text)
            list.addItem(*text);
    }
    if (list.count() > 0)
        list.setCurrentIndex(0);
    else if (list.isEditable())
        list.clearEditText(); // an editable box keeps its text through clear()
}

} // namespace vantelo::lookup
