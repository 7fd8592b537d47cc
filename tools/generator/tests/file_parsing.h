#pragma once

#include <charconv>
#include <string>
#include <vector>

namespace vintrel::generator::test {

/// The lines of a text, line ends ("\r\n" or "\n") removed.
inline std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

/// The leading blank-separated numbers of a line (stops at the first word that is not one).
inline std::vector<double> numbersOf(const std::string& line) {
    std::vector<double> values;
    std::size_t pos = 0;
    while (true) {
        pos = line.find_first_not_of(' ', pos);
        if (pos == std::string::npos) {
            break;
        }
        std::size_t end = line.find(' ', pos);
        if (end == std::string::npos) {
            end = line.size();
        }
        double v = 0;
        const auto r = std::from_chars(line.data() + pos, line.data() + end, v);
        if (r.ec != std::errc() || r.ptr != line.data() + end) {
            break;
        }
        values.push_back(v);
        pos = end;
    }
    return values;
}

/// Index of the first line at or after `from` whose first characters are `marker`.
inline std::size_t findMarker(const std::vector<std::string>& lines, const std::string& marker,
                              std::size_t from = 0) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i].compare(0, marker.size(), marker) == 0) {
            return i;
        }
    }
    return lines.size();
}

/// The first number of each of the `count` lines after a marker line.
inline std::vector<std::vector<double>> sectionRows(const std::vector<std::string>& lines,
                                                    std::size_t markerLine, int count) {
    std::vector<std::vector<double>> rows;
    for (int i = 1; i <= count && markerLine + i < lines.size(); ++i) {
        rows.push_back(numbersOf(lines[markerLine + i]));
    }
    return rows;
}

} // namespace vintrel::generator::test
