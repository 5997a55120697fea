#include "dimension_query.h"

#include "diameter_list.h"
#include "statements.h"

#include <QComboBox>

namespace vantelo::lookup {

void DimensionQuery(const FlangeStandard &standard, const PageControls &controls,
                    const data::Connection &connection)
{
    const QString diameter = controls.diameterList ? controls.diameterList->currentText() : QString();
    const std::optional<QString> statement =
        dimensionStatement(standard, pressureText(standard, controls), diameter);
    if (!statement)
        return;
    // Only the first row is ever read.
    const std::optional<data::ResultSet> row = connection.execute(*statement, nullptr, 1);
    if (!row || row->atEnd())
        return;

    for (std::size_t i = 0; i < standard.bindings.size() && i < controls.resultLabels.size(); ++i) {
        Caption *label = controls.resultLabels[i];
        if (label == nullptr)
            continue;
        const std::optional<QString> caption = captionFor(standard.bindings[i], *row);
        if (caption)
            label->setCaption(*caption);
    }
}

} // namespace vantelo::lookup
