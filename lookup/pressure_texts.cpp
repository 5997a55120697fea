#include "lookup/pressure_texts.h"

#include <QByteArray>

namespace vantelo::lookup {

namespace {

QString textOf(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Applies a translation of lookup/pressures.h to a QString.
template <typename Translation>
auto translated(const QString &text, Translation translation)
{
    const QByteArray utf8 = text.toUtf8();
    return translation(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

} // namespace

std::vector<PressureTexts> pressureTexts(const StandardRecord &record)
{
    std::vector<PressureTexts> entries;
    for (std::size_t i = 0; i < pressureCount(record); ++i)
        entries.push_back({textOf(pressureEntry(record, i).listed), textOf(pressureEntry(record, i).stored)});
    return entries;
}

QStringList listedPressures(const StandardRecord &record)
{
    QStringList entries;
    for (std::size_t i = 0; i < pressureCount(record); ++i)
        entries << textOf(pressureEntry(record, i).listed);
    return entries;
}

std::optional<QString> classPressure(const StandardRecord &record, const QString &classText)
{
    const std::optional<std::string_view> mpa =
        translated(classText, [&](std::string_view text) { return classPressure(record, text); });
    return mpa ? std::optional(textOf(*mpa)) : std::nullopt;
}

QString storedPressure(const StandardRecord &record, const QString &text)
{
    return classPressure(record, text).value_or(text);
}

QString listedPressure(const StandardRecord &record, const QString &stored)
{
    return translated(stored, [&](std::string_view text) { return textOf(listedPressure(record, text)); });
}

QString pressureKind(const StandardRecord &record)
{
    return record.system() == FlangeSystem::American ? QStringLiteral("Class") : QStringLiteral("PN");
}

} // namespace vantelo::lookup
