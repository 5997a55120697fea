#pragma once

#include "lookup/rating.h"

#include <QString>

#include <optional>

namespace vantelo::ui {

// A number typed into the dialog: nullopt for empty text, NaN for text that
// is not a finite number.
std::optional<double> typedNumber(const QString &text);

// "1.96 MPa（19.6 bar）"
QString pressureText(double mpa);

// "300#"
QString classText(int ratingClass);

// The rating cell of a class row, and the word for whether it holds.
QString ratingCellText(const lookup::ClassRating &entry);
QString holdsText(const lookup::ClassRating &entry, bool lowest, bool pressureGiven);

// The product form of a material as the dialog names it.
QString formText(const QString &form);

} // namespace vantelo::ui
