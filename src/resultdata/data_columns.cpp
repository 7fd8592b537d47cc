#include "resultdata/data_columns.h"

namespace vintrel {

DataColumns readDataColumns(DupReader& in, std::size_t count, RowsEnd end) {
    DataColumns data;
    data.header = in.readLine();
    data.columns.resize(count);
    while (!in.atEnd()) {
        if (in.nextLineIsBlank()) {
            if (end == RowsEnd::BlankLine)
                break;
            in.skipLine();
            continue;
        }
        const std::vector<double> row = in.readRow(count);
        for (std::size_t c = 0; c < count; ++c)
            data.columns[c].push_back(row[c]);
    }
    return data;
}

DataColumns parseMomentColumns(const std::string& name, std::string_view text) {
    DupReader in(name, text);
    return readDataColumns(in, 5, RowsEnd::EndOfFile);
}

} // namespace vintrel
