#pragma once

#include "resultdata/dup_reader.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// The moments of a mean-field result per temperature step.
inline constexpr const char* kMomentFile = "d_moment.dup";

/// Where the rows of a data file end.
enum class RowsEnd {
    BlankLine, ///< at the first blank line or the end of the file
    EndOfFile, ///< at the end of the file; blank lines are passed over
};

/// A data file of a result: a header line, kept and not interpreted, and rows of numbers, held
/// by column: `columns[c][r]` is the number in column c of row r.
struct DataColumns {
    std::string header;
    std::vector<std::vector<double>> columns;

    std::size_t rowCount() const { return columns.empty() ? 0 : columns.front().size(); }
};

/// Reads the header line and then rows of at least `count` numbers (the first `count` are
/// kept, the rest of a line is ignored) until `end`. Every row is kept. Throws InputError for
/// a row with fewer numbers.
DataColumns readDataColumns(DupReader& in, std::size_t count, RowsEnd end);

/// The text of "d_moment.dup": a header line, then rows of T (K), m_x, m_y, m_z and m_tot (μB,
/// with their signs) to the end of the file, blank lines passed over. Throws InputError naming
/// the file and line for a row without five numbers.
DataColumns parseMomentColumns(const std::string& name, std::string_view text);

} // namespace vintrel
