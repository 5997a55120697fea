#include "number_text.h"

#include <charconv>
#include <cmath>

namespace vantelo::tools {

namespace {

bool isDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

std::optional<double> parsePlainDecimal(std::string_view text)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (!isDigits(whole) || (whole.size() > 1 && whole.front() == '0'))
        return std::nullopt;
    if (point != std::string_view::npos && !isDigits(text.substr(point + 1)))
        return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    // A trailing zero ("22.50") or too many digits would not come back as written.
    if (shortestText(value) != text)
        return std::nullopt;
    return value;
}

std::optional<long long> parseWholeNumber(std::string_view text)
{
    if (!isDigits(text) || (text.size() > 1 && text.front() == '0') || text.size() > 9)
        return std::nullopt;
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string shortestText(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

} // namespace vantelo::tools
