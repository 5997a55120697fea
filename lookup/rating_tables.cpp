#include "rating_tables.h"

#include "data/side_tables.h"
#include "data/value_text.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>

namespace vantelo::lookup {

namespace {

std::optional<double> numberIn(const data::ResultSet &rows, const QString &column)
{
    const std::optional<data::FieldValue> value = rows.field(column);
    if (!value)
        return std::nullopt;
    if (const auto *whole = std::get_if<std::int64_t>(&*value))
        return double(*whole);
    if (const auto *real = std::get_if<double>(&*value); real != nullptr && std::isfinite(*real))
        return *real;
    return std::nullopt;
}

QString textIn(const data::ResultSet &rows, const QString &column)
{
    const std::optional<data::FieldValue> value = rows.field(column);
    return value ? data::fieldText(*value).value_or(QString()) : QString();
}

// A curve is used only whole and sound: it starts at 38 °C, lists each
// temperature once and never rises. Anything else is left out.
bool sound(const RatingCurve &curve)
{
    if (curve.points.empty() || curve.points.front().temperature != 38)
        return false;
    for (std::size_t i = 1; i < curve.points.size(); ++i) {
        if (curve.points[i].temperature == curve.points[i - 1].temperature
            || curve.points[i].bar > curve.points[i - 1].bar)
            return false;
    }
    return true;
}

std::vector<RatingGroup> readGroups(const data::Connection &connection)
{
    const std::optional<data::ResultSet> found = connection.execute(
        QStringLiteral("select material_group, pt_table, class, temp_c, max_pressure_bar, confidence, note from %1 "
                       "order by material_group, class, temp_c")
            .arg(QLatin1String(data::RatingTable)));
    if (!found)
        return {};
    std::map<QString, std::map<int, RatingCurve>> curves;
    std::map<QString, QString> tables;
    for (data::ResultSet rows = *found; !rows.atEnd(); rows.moveNext()) {
        const QString group = textIn(rows, QStringLiteral("material_group"));
        const std::optional<double> ratingClass = numberIn(rows, QStringLiteral("class"));
        const std::optional<double> temperature = numberIn(rows, QStringLiteral("temp_c"));
        const std::optional<double> bar = numberIn(rows, QStringLiteral("max_pressure_bar"));
        if (group.isEmpty() || !ratingClass || !temperature || !bar || *bar <= 0
            || std::find(std::begin(RatingClasses), std::end(RatingClasses), *ratingClass) == std::end(RatingClasses)
            || *temperature != std::trunc(*temperature) || std::abs(*temperature) > 10000)
            continue;
        RatingCurve &curve = curves[group][int(*ratingClass)];
        curve.ratingClass = int(*ratingClass);
        curve.points.push_back({int(*temperature), *bar, textIn(rows, QStringLiteral("confidence")),
                                textIn(rows, QStringLiteral("note"))});
        tables.try_emplace(group, textIn(rows, QStringLiteral("pt_table")));
    }
    std::vector<RatingGroup> groups;
    for (auto &[id, byClass] : curves) {
        RatingGroup group{id, tables[id], {}};
        for (auto &[ratingClass, curve] : byClass) {
            std::stable_sort(curve.points.begin(), curve.points.end(),
                             [](const RatingPoint &a, const RatingPoint &b) { return a.temperature < b.temperature; });
            if (sound(curve))
                group.curves.push_back(std::move(curve));
        }
        if (!group.curves.empty())
            groups.push_back(std::move(group));
    }
    return groups;
}

std::vector<RatedMaterial> readMaterials(const data::Connection &connection)
{
    std::vector<RatedMaterial> materials;
    const std::optional<data::ResultSet> found =
        connection.execute(QStringLiteral("select astm_material, material_group, product_form, confidence from %1")
                               .arg(QLatin1String(data::RatedMaterialTable)));
    if (!found)
        return materials;
    for (data::ResultSet rows = *found; !rows.atEnd(); rows.moveNext()) {
        RatedMaterial material{textIn(rows, QStringLiteral("astm_material")),
                               textIn(rows, QStringLiteral("material_group")),
                               textIn(rows, QStringLiteral("product_form")), textIn(rows, QStringLiteral("confidence"))};
        if (!searchKey(material.grade).isEmpty())
            materials.push_back(std::move(material));
    }
    return materials;
}

} // namespace

const RatingCurve *RatingGroup::curve(int ratingClass) const
{
    const auto found = std::find_if(curves.begin(), curves.end(),
                                    [ratingClass](const RatingCurve &c) { return c.ratingClass == ratingClass; });
    return found != curves.end() ? &*found : nullptr;
}

QString searchKey(const QString &grade)
{
    QString key;
    for (const QChar c : grade) {
        if (!c.isSpace())
            key += c.toCaseFolded();
    }
    return key;
}

RatingTables RatingTables::read(const data::Connection &connection)
{
    RatingTables tables;
    tables.m_groups = readGroups(connection);
    // A material counts only where its group is rated.
    for (RatedMaterial &material : readMaterials(connection)) {
        if (tables.group(material.group) != nullptr)
            tables.m_materials.push_back(std::move(material));
    }
    return tables;
}

const RatingGroup *RatingTables::group(const QString &id) const
{
    const auto found = std::find_if(m_groups.begin(), m_groups.end(),
                                    [&id](const RatingGroup &g) { return g.id == id; });
    return found != m_groups.end() ? &*found : nullptr;
}

std::vector<const RatedMaterial *> RatingTables::search(const QString &text) const
{
    const QString key = searchKey(text);
    std::vector<const RatedMaterial *> found;
    for (const RatedMaterial &material : m_materials) {
        if (searchKey(material.grade).contains(key))
            found.push_back(&material);
    }
    return found;
}

std::optional<RatingSubject> RatingTables::resolve(const QString &text) const
{
    const QString key = searchKey(text);
    if (key.isEmpty())
        return std::nullopt;
    for (const RatedMaterial &material : m_materials) {
        if (searchKey(material.grade) == key)
            return RatingSubject{group(material.group), &material};
    }
    if (const RatingGroup *named = group(text.trimmed()))
        return RatingSubject{named, nullptr};
    return std::nullopt;
}

} // namespace vantelo::lookup
