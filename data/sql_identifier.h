#pragma once

// Plain C++, so that the data-file builder quotes names the same way.

#include <string>
#include <string_view>

namespace vantelo::data {

// A name as an SQL identifier: in double quotes, inner quotes doubled.
inline std::string quotedIdentifier(std::string_view name)
{
    std::string quoted(1, '"');
    for (const char c : name) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace vantelo::data
