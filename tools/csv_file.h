#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantelo::tools {

struct CsvLine
{
    int number = 0; // 1-based line number in the file
    std::vector<std::string> fields;
};

// A comma-separated source as lines of fields; the first line is the header.
// Fields are taken verbatim: no quoting, no trimming, so a value reaches the
// data file exactly as written or is refused.
struct CsvFile
{
    std::string displayName;
    std::vector<CsvLine> lines;
};

// Reads a UTF-8 file. A leading byte-order mark is skipped (spreadsheet
// programs add one) and CRLF line ends are accepted. On failure returns
// nullopt and appends "<file>:<line>: <reason>" to errors.
std::optional<CsvFile> readCsvFile(const std::filesystem::path &path, std::vector<std::string> &errors);

// The same for text already in memory, named displayName in messages.
std::optional<CsvFile> parseCsvText(std::string text, const std::string &displayName,
                                    std::vector<std::string> &errors);

// The fields of a line as spreadsheets write it, for the sources that quote:
// a field in double quotes may hold commas, and "" stands for a quote.
// Takes the line as the reader split it at every comma; nothing where a
// quoted field is not closed.
std::optional<std::vector<std::string>> quotedFields(const std::vector<std::string> &commaSplit);

} // namespace vantelo::tools
