#include "base/measured_data.h"

#include "base/binary_file.h"
#include "base/number_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace vintrel {

namespace {

enum class Separator { Semicolon, Comma, Tab, Blanks };

std::string_view trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

Separator separatorOf(std::string_view line) {
    if (line.find(';') != std::string_view::npos)
        return Separator::Semicolon;
    if (line.find(',') != std::string_view::npos)
        return Separator::Comma;
    if (line.find('\t') != std::string_view::npos)
        return Separator::Tab;
    return Separator::Blanks;
}

std::vector<std::string> splitFields(std::string_view line, Separator separator) {
    std::vector<std::string> fields;
    if (separator == Separator::Blanks) {
        std::size_t at = 0;
        while (at < line.size()) {
            while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at])))
                ++at;
            const std::size_t start = at;
            while (at < line.size() && !std::isspace(static_cast<unsigned char>(line[at])))
                ++at;
            if (at > start) {
                const std::string_view field = line.substr(start, at - start);
                if (field.front() == '[' && !fields.empty())
                    fields.back() += " " + std::string(field);
                else
                    fields.emplace_back(field);
            }
        }
        return fields;
    }
    const char mark = separator == Separator::Semicolon ? ';'
                      : separator == Separator::Comma   ? ','
                                                        : '\t';
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(mark, start);
        fields.emplace_back(trimmed(line.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    for (std::string& field : fields)
        if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
            field = field.substr(1, field.size() - 2);
    return fields;
}

std::optional<double> fieldNumber(const std::string& field) {
    const auto number = parseRealDot(field);
    if (number && std::isfinite(*number))
        return number;
    return std::nullopt;
}

// "T [K]" → ("T", "K"); "chi" → ("chi", "").
std::pair<std::string, std::string> nameAndUnit(const std::string& field) {
    const std::string_view text = trimmed(field);
    if (!text.empty() && text.back() == ']') {
        const std::size_t open = text.rfind('[');
        if (open != std::string_view::npos)
            return {std::string(trimmed(text.substr(0, open))),
                    std::string(trimmed(text.substr(open + 1, text.size() - open - 2)))};
    }
    return {std::string(text), std::string()};
}

std::string where(const std::string& name, int line) {
    return name + ", line " + std::to_string(line) + ": ";
}

std::string numberProblem(const std::string& field) {
    if (field.empty())
        return "a value is missing";
    std::string text = "\"" + field + "\" is not a number";
    if (field.find(',') != std::string::npos)
        text += " (decimals are written with \".\")";
    return text;
}

std::string shortNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

} // namespace

std::string MeasuredTable::title(std::size_t column) const {
    if (column >= names.size() || names[column].empty())
        return "column " + std::to_string(column + 1);
    return units[column].empty() ? names[column] : names[column] + " [" + units[column] + "]";
}

MeasuredTable parseMeasuredData(const std::string& name, std::string_view text) {
    MeasuredTable table;
    std::optional<Separator> separator;
    bool first = true;
    int lineNumber = 0;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
            line = line.substr(0, hash);
        line = trimmed(line);
        if (line.empty()) {
            if (end == text.size())
                break;
            continue;
        }
        if (!separator)
            separator = separatorOf(line);
        const std::vector<std::string> fields = splitFields(line, *separator);
        std::vector<double> numbers;
        std::optional<std::size_t> bad;
        for (std::size_t f = 0; f < fields.size() && !bad; ++f) {
            if (const auto number = fieldNumber(fields[f]))
                numbers.push_back(*number);
            else
                bad = f;
        }
        if (first) {
            first = false;
            table.columns.resize(fields.size());
            if (bad) {
                for (const std::string& field : fields) {
                    auto [columnName, unit] = nameAndUnit(field);
                    table.names.push_back(std::move(columnName));
                    table.units.push_back(std::move(unit));
                }
                continue;
            }
            table.names.assign(fields.size(), std::string());
            table.units.assign(fields.size(), std::string());
        }
        if (fields.size() != table.columns.size())
            throw MeasuredDataError(where(name, lineNumber) + std::to_string(fields.size()) +
                                    (fields.size() == 1 ? " value" : " values") + " where " +
                                    std::to_string(table.columns.size()) + " columns are expected");
        if (bad)
            throw MeasuredDataError(where(name, lineNumber) + numberProblem(fields[*bad]) + " (" +
                                    table.title(*bad) + ")");
        for (std::size_t c = 0; c < numbers.size(); ++c)
            table.columns[c].push_back(numbers[c]);
        table.lines.push_back(lineNumber);
        if (end == text.size())
            break;
    }
    if (table.lines.empty())
        throw MeasuredDataError(name + ": no rows of numbers");
    return table;
}

MeasuredTable readMeasuredData(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw MeasuredDataError("Cannot open file " + file.string());
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw MeasuredDataError("Cannot read file " + file.string());
    return parseMeasuredData(file.string(), content.str());
}

std::optional<std::size_t> measuredColumn(const MeasuredTable& table, std::string_view choice) {
    const std::string_view wanted = trimmed(choice);
    if (const auto index = parseIntegerDot(wanted)) {
        if (*index >= 1 && static_cast<std::size_t>(*index) <= table.columnCount())
            return static_cast<std::size_t>(*index - 1);
        return std::nullopt;
    }
    const std::string key = lowered(wanted);
    for (std::size_t c = 0; c < table.names.size(); ++c)
        if (!table.names[c].empty() &&
            (lowered(table.names[c]) == key || lowered(table.title(c)) == key))
            return c;
    return std::nullopt;
}

MeasuredPoints measuredPoints(const MeasuredTable& table, std::size_t xColumn, std::size_t yColumn,
                              std::optional<std::size_t> errColumn) {
    MeasuredPoints points;
    points.x = table.columns.at(xColumn);
    points.y = table.columns.at(yColumn);
    if (errColumn)
        points.err = table.columns.at(*errColumn);
    points.xUnit = table.units[xColumn];
    points.yUnit = table.units[yColumn];
    return points;
}

double interpolateCurve(const std::vector<double>& xs, const std::vector<double>& ys, double x) {
    const std::size_t n = std::min(xs.size(), ys.size());
    if (n == 0 || !std::isfinite(x))
        return NAN;
    const bool ascending = xs[n - 1] >= xs[0];
    const auto before = [ascending](double a, double b) { return ascending ? a < b : a > b; };
    if (before(x, xs[0]) || before(xs[n - 1], x))
        return NAN;
    const auto upper =
        std::lower_bound(xs.begin(), xs.begin() + static_cast<std::ptrdiff_t>(n), x, before);
    const std::size_t j = static_cast<std::size_t>(upper - xs.begin());
    if (j < n && xs[j] == x)
        return ys[j];
    if (j == 0 || j >= n)
        return NAN;
    const double x0 = xs[j - 1], x1 = xs[j];
    const double t = (x - x0) / (x1 - x0);
    return ys[j - 1] + t * (ys[j] - ys[j - 1]);
}

double leastSquaresScale(const std::vector<double>& measured, const std::vector<double>& computed) {
    double both = 0, square = 0;
    for (std::size_t i = 0; i < std::min(measured.size(), computed.size()); ++i) {
        if (!std::isfinite(measured[i]) || !std::isfinite(computed[i]))
            continue;
        both += measured[i] * computed[i];
        square += measured[i] * measured[i];
    }
    return square > 0 ? both / square : NAN;
}

Agreement compareWithCurve(const MeasuredPoints& points, const std::vector<double>& xs,
                           const std::vector<double>& ys, bool scaleToCurve) {
    Agreement agreement;
    std::vector<double> computed(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        computed[i] = interpolateCurve(xs, ys, points.x[i]);
    double factor = 1;
    if (scaleToCurve) {
        factor = leastSquaresScale(points.y, computed);
        agreement.scale = factor;
    }
    double squares = 0, chi2 = 0;
    bool errorsUsable = points.hasErrors();
    for (std::size_t i = 0; i < points.size(); ++i) {
        ComparedPoint p;
        p.x = points.x[i];
        p.measured = points.y[i] * factor;
        p.err = points.hasErrors() ? points.err[i] * std::abs(factor) : NAN;
        p.computed = computed[i];
        p.deviation = p.measured - p.computed;
        if (std::isfinite(p.deviation)) {
            ++agreement.compared;
            squares += p.deviation * p.deviation;
            if (errorsUsable && p.err > 0)
                chi2 += (p.deviation / p.err) * (p.deviation / p.err);
            else
                errorsUsable = false;
        }
        agreement.points.push_back(p);
    }
    const double n = static_cast<double>(agreement.compared);
    agreement.rms = agreement.compared > 0 ? std::sqrt(squares / n) : NAN;
    if (errorsUsable && agreement.compared > 0)
        agreement.chi2PerPoint = chi2 / n;
    return agreement;
}

std::string agreementText(const Agreement& agreement) {
    if (agreement.compared == 0)
        return "no measured point lies within the computed curve";
    std::string text;
    if (agreement.scale)
        text += "scale factor " + shortNumber(*agreement.scale) + " · ";
    text += "rms deviation " + shortNumber(agreement.rms) + " (" +
            std::to_string(agreement.compared) + (agreement.compared == 1 ? " point)" : " points)");
    if (agreement.chi2PerPoint)
        text += " · χ²/N " + shortNumber(*agreement.chi2PerPoint);
    return text;
}

std::vector<double> tableColumn(const DataTable& table, std::size_t column) {
    std::vector<double> values;
    values.reserve(table.rows.size());
    for (const auto& row : table.rows) {
        double value = NAN;
        if (column < row.size()) {
            if (const double* real = std::get_if<double>(&row[column]))
                value = *real;
            else if (const std::int64_t* whole = std::get_if<std::int64_t>(&row[column]))
                value = static_cast<double>(*whole);
        }
        values.push_back(value);
    }
    return values;
}

std::string columnUnit(const std::string& name) {
    return nameAndUnit(name).second;
}

std::optional<std::size_t> tableColumnNamed(const DataTable& table, std::string_view name) {
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        if (table.columns[c] == name || nameAndUnit(table.columns[c]).first == name)
            return c;
    return std::nullopt;
}

DataTable compareDataTable(const DataTable& computed, std::size_t curve,
                           const MeasuredPoints& points, bool scaleToCurve,
                           const std::string& measuredName) {
    const Agreement agreement = compareWithCurve(points, tableColumn(computed, 0),
                                                 tableColumn(computed, curve), scaleToCurve);
    DataTable table;
    table.comments = computed.comments;
    table.comment("measured", measuredName);
    table.comment("curve", computed.columns.at(curve));
    table.comment("points compared",
                  std::to_string(agreement.compared) + " of " + std::to_string(points.size()));
    if (agreement.scale)
        table.comment("scale factor", roundTripText(*agreement.scale));
    table.comment("rms", roundTripText(agreement.rms));
    table.comment("chi2/N", agreement.chi2PerPoint ? roundTripText(*agreement.chi2PerPoint)
                            : points.hasErrors()
                                ? std::string("not formed: an error is 0 or missing")
                                : std::string("not formed: no error column"));
    const std::string xUnit = columnUnit(computed.columns.at(0));
    const std::string yUnit = columnUnit(computed.columns.at(curve));
    const auto unit = [](const std::string& u) { return u.empty() ? "" : " [" + u + "]"; };
    table.columns = {"x" + unit(xUnit), "y measured" + unit(yUnit), "err" + unit(yUnit),
                     "y computed" + unit(yUnit), "deviation" + unit(yUnit)};
    const auto cell = [](double v) {
        return std::isfinite(v) ? DataTable::Cell(v) : DataTable::Cell(std::string());
    };
    for (const ComparedPoint& p : agreement.points)
        table.rows.push_back(
            {cell(p.x), cell(p.measured), cell(p.err), cell(p.computed), cell(p.deviation)});
    return table;
}

} // namespace vintrel
