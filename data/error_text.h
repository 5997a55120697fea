#pragma once

#include <QString>

namespace vantelo::data {

// Hands a failure's reason to a caller that asked for it: error may be null.
inline void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace vantelo::data
