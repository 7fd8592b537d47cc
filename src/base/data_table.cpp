#include "base/data_table.h"

#include <charconv>
#include <cmath>

namespace vintrel {

namespace {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string cellText(const DataTable::Cell& cell) {
    if (const double* real = std::get_if<double>(&cell))
        return roundTripText(*real);
    if (const std::int64_t* whole = std::get_if<std::int64_t>(&cell))
        return std::to_string(*whole);
    return csvField(std::get<std::string>(cell));
}

std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

void appendRow(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i)
            out += ',';
        out += fields[i];
    }
    out += '\n';
}

} // namespace

std::string roundTripText(double value) {
    if (std::isnan(value))
        return "nan";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string DataTable::toCsv() const {
    std::string out;
    for (const auto& [key, value] : comments)
        out += "# " + oneLine(key) + ": " + oneLine(value) + "\n";
    std::vector<std::string> fields;
    for (const std::string& column : columns)
        fields.push_back(csvField(column));
    appendRow(out, fields);
    for (const auto& row : rows) {
        fields.clear();
        for (const Cell& cell : row)
            fields.push_back(cellText(cell));
        appendRow(out, fields);
    }
    return out;
}

} // namespace vintrel
