#include "ui/after_lookup/flange_texts.h"

#include "lookup/pressure_texts.h"

namespace vantelo::ui {

QString pageTitle(const lookup::StandardRecord &record)
{
    const lookup::ControlRow *title = lookup::controlWith(record, lookup::ControlRole::Title);
    return title != nullptr ? QString::fromUtf8(title->text) : QString();
}

QString pressureText(const lookup::StandardRecord &record, const QString &pressure, const QString &storedPressure)
{
    if (record.system() == lookup::FlangeSystem::European)
        return QStringLiteral("公称压力 %1%2 MPa").arg(lookup::pressureKind(record), pressure);
    return QStringLiteral("公称压力 %1 %2 (%3 MPa)").arg(lookup::pressureKind(record), pressure, storedPressure);
}

QString headline(const lookup::FoundFlange &flange)
{
    return QStringLiteral("%1 %2  %3  公称通径 DN%4")
        .arg(QString::fromUtf8(flange.standard->caption), pageTitle(*flange.standard),
             pressureText(*flange.standard, flange.pressure, flange.storedPressure), flange.diameter);
}

} // namespace vantelo::ui
