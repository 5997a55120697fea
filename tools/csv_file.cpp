#include "csv_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vantelo::tools {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence starting at text[at], or 0 if it is invalid
// (truncated, overlong, a surrogate or beyond U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

std::vector<std::string> splitFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.emplace_back(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

} // namespace

std::optional<CsvFile> parseCsvText(std::string text, const std::string &displayName,
                                    std::vector<std::string> &errors)
{
    std::string_view rest(text);
    if (rest.starts_with(kByteOrderMark))
        rest.remove_prefix(kByteOrderMark.size());

    CsvFile file{displayName, {}};
    int lineNumber = 0;
    while (!rest.empty()) {
        ++lineNumber;
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);

        for (std::size_t at = 0; at < line.size();) {
            const std::size_t length = utf8SequenceLength(line, at);
            if (length == 0) {
                std::ostringstream message;
                message << displayName << ':' << lineNumber << ": column "
                        << std::count(line.begin(), line.begin() + at, ',') + 1
                        << ": not valid UTF-8 (the file must be saved as UTF-8)";
                errors.push_back(message.str());
                return std::nullopt;
            }
            at += length;
        }
        file.lines.push_back({lineNumber, splitFields(line)});
    }
    if (file.lines.empty()) {
        errors.push_back(displayName + ":1: the file is empty; it needs at least the header line");
        return std::nullopt;
    }
    return file;
}

std::optional<CsvFile> readCsvFile(const std::filesystem::path &path, std::vector<std::string> &errors)
{
    const std::string displayName = path.string();
    std::error_code ignored;
    std::ifstream stream;
    if (std::filesystem::is_regular_file(path, ignored))
        stream.open(path, std::ios::binary);
    if (!stream.is_open()) {
        errors.push_back(displayName + ": cannot be read");
        return std::nullopt;
    }
    std::string text{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad()) {
        errors.push_back(displayName + ": reading failed");
        return std::nullopt;
    }
    return parseCsvText(std::move(text), displayName, errors);
}

std::optional<std::vector<std::string>> quotedFields(const std::vector<std::string> &commaSplit)
{
    std::string line;
    for (std::size_t i = 0; i < commaSplit.size(); ++i)
        line += (i ? "," : "") + commaSplit[i];
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"' && (quoted || fields.back().empty())) {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return quoted ? std::nullopt : std::optional(std::move(fields));
}

} // namespace vantelo::tools
