#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vintrel {

/// A request for a table that the result cannot answer (an axis it has no data for, a kind of
/// result the page does not show). Not a damaged file: the caller asked for the wrong thing.
class DataRequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The numbers of a page as a table: comment lines (`key: value`) that say what the numbers
/// are of, column names (with their unit in brackets, "E-E0 [K]") and rows of cells. A cell is
/// a real, a whole number, or a text (an empty text for a value the result does not have).
struct DataTable {
    using Cell = std::variant<double, std::int64_t, std::string>;

    std::vector<std::pair<std::string, std::string>> comments;
    std::vector<std::string> columns;
    std::vector<std::vector<Cell>> rows;

    void comment(std::string key, std::string value) {
        comments.emplace_back(std::move(key), std::move(value));
    }

    /// CSV: one line "# key: value" per comment, the header row, then the rows; lines end
    /// with "\n". Reals are written in their shortest text that reads back to the same value,
    /// always with "."; fields holding a comma, a quote or a line break are quoted. Line breaks
    /// inside comments become blanks.
    std::string toCsv() const;
};

/// The shortest text of a real that reads back to the same value ("0.1", "1e-09", "-180.1"),
/// independent of the locale; "inf", "-inf" and "nan" for the values without digits.
std::string roundTripText(double value);

} // namespace vintrel
