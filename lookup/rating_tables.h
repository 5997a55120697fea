#pragma once

#include "data/connection.h"

#include <QString>

#include <optional>
#include <vector>

namespace vantelo::lookup {

// The classes of the American pages, lowest first.
inline constexpr int RatingClasses[] = {150, 300, 600, 900, 1500, 2500};

// One listed rating: the maximum allowable working pressure (gauge, bar) at a
// temperature, with the confidence of the value and a note where it is suspect.
struct RatingPoint
{
    int temperature = 0; // °C
    double bar = 0;
    QString confidence; // "high", "medium" or "low"
    QString note;
};

// One class of a material group, by rising temperature; the first point is
// at 38 °C and no rating rises with temperature.
struct RatingCurve
{
    int ratingClass = 0;
    std::vector<RatingPoint> points;
};

struct RatingGroup
{
    QString id;    // "1.1"
    QString table; // "ASME B16.5 Table 2-1.1"
    std::vector<RatingCurve> curves; // lowest class first; a class the file rates badly is left out

    const RatingCurve *curve(int ratingClass) const;
};

struct RatedMaterial
{
    QString grade; // "A216 Gr. WCB"
    QString group;
    QString form;  // "forging", "casting", "plate" or empty
    QString confidence;
};

// What a material text names: a grade, or a group given by its number.
struct RatingSubject
{
    const RatingGroup *group = nullptr;
    const RatedMaterial *material = nullptr; // nullptr when a group was given
};

// The ratings and rated materials of a data file, read once. A file without
// the tables, or with rows they cannot hold, gives what it can read, possibly
// nothing: never a rating the file does not hold as a whole curve.
class RatingTables final
{
public:
    static RatingTables read(const data::Connection &connection);

    bool isEmpty() const { return m_groups.empty(); }
    const std::vector<RatingGroup> &groups() const { return m_groups; }
    const std::vector<RatedMaterial> &materials() const { return m_materials; }
    const RatingGroup *group(const QString &id) const;

    // Materials whose grade contains text, without regard to case and spaces.
    std::vector<const RatedMaterial *> search(const QString &text) const;
    // The grade written exactly (case and spaces aside), or a group number.
    std::optional<RatingSubject> resolve(const QString &text) const;

private:
    std::vector<RatingGroup> m_groups;
    std::vector<RatedMaterial> m_materials;
};

// A grade as the search compares it: lower case, without white space.
QString searchKey(const QString &grade);

} // namespace vantelo::lookup
