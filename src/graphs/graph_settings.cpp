#include "graphs/graph_settings.h"

#include "base/atomic_file.h"
#include "base/data_table.h"
#include "base/number_pattern.h"
#include "base/number_text.h"
#include "resultdata/dup_reader.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace vintrel {

namespace {

/// How the range line of a kind is written.
enum class RangeLine {
    MantissaExponent, ///< R as real 10:4, a blank, n as integer 6
    Fixed,            ///< R as real 10:4
    Pattern,          ///< R by "0.0000"
    PatternPair,      ///< bottom by "0.0000", a blank, top by "0.0000"
};

struct SettingsFormat {
    GraphSettingsKind kind;
    const char* fileName;
    std::array<const char*, 2> titles; ///< lines before the range line (null: none)
    RangeLine rangeLine;
    const char* markerTitle; ///< the line before the markers; null: the file has no markers
};

// clang-format off
constexpr std::array<SettingsFormat, 7> kFormats = {{
    {GraphSettingsKind::Chi, "g_chi.dup",
     {"Susceptibility graph:", "  range      exponent"},
     RangeLine::MantissaExponent, "Markers: temp  chi"},
    {GraphSettingsKind::InvChi, "g_invchi.dup",
     {"Inv. susceptibility graph", "  range      exponent"},
     RangeLine::MantissaExponent, "Markers: temp  1/chi"},
    {GraphSettingsKind::SpecificHeat, "g_spech.dup",
     {"Specific heat graph range:", nullptr},
     RangeLine::Fixed, "Markers: temp  spec.heat"},
    {GraphSettingsKind::Entropy, "g_entr.dup",
     {"Entropy graph range:", nullptr},
     RangeLine::Fixed, "Markers: temp  entropy"},
    {GraphSettingsKind::Moment, "g_moment.dup",
     {"Magnetic moment graph range:", nullptr},
     RangeLine::Pattern, "Markers: temp  value"},
    {GraphSettingsKind::Anisotropy, "g_aniso.dup",
     {"Anisotropy graph range:", nullptr},
     RangeLine::PatternPair, "Markers: temp  value"},
    {GraphSettingsKind::EnergyView, "g_E.dup",
     {"Energy view range (relative to ground energy level)", "    min        max"},
     RangeLine::PatternPair, nullptr},
}};
// clang-format on

const SettingsFormat& formatOf(GraphSettingsKind kind) {
    for (const SettingsFormat& format : kFormats)
        if (format.kind == kind)
            return format;
    throw std::invalid_argument("unknown kind of graph settings");
}

std::string rightAligned(std::string text, int width) {
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string integerField(int value, int width) {
    return rightAligned(std::to_string(value), width);
}

void requireFinite(double value, const char* what) {
    if (!std::isfinite(value))
        throw std::invalid_argument(std::string("a graph setting's ") + what +
                                    " is not a finite number");
}

std::string rangeLine(const SettingsFormat& format, const GraphSettings& settings) {
    requireFinite(settings.axis.range, "range");
    switch (format.rangeLine) {
    case RangeLine::MantissaExponent:
        return settingsNumber(settings.axis.range, 10, 4) + " " +
               integerField(settings.axis.exponent, 6);
    case RangeLine::Fixed:
        return settingsNumber(settings.axis.range, 10, 4);
    case RangeLine::Pattern:
        return settingsNumber(settings.axis.range, 0, 4);
    case RangeLine::PatternPair:
        requireFinite(settings.axis.bottom, "lower end");
        return settingsNumber(settings.axis.bottom, 0, 4) + " " +
               settingsNumber(settings.axis.range, 0, 4);
    }
    return {};
}

/// The numbers of the range line into the settings.
void readRangeLine(const SettingsFormat& format, DupReader& in, GraphSettings& settings) {
    switch (format.rangeLine) {
    case RangeLine::MantissaExponent: {
        const std::vector<double> row = in.readRow(2);
        settings.axis.range = row[0];
        if (row[1] != std::floor(row[1]) || std::abs(row[1]) > 400)
            in.fail("the exponent is not a whole number between -400 and 400");
        settings.axis.exponent = static_cast<int>(row[1]);
        break;
    }
    case RangeLine::Fixed:
    case RangeLine::Pattern:
        settings.axis.range = in.readReal();
        break;
    case RangeLine::PatternPair: {
        const std::vector<double> row = in.readRow(2);
        settings.axis.bottom = row[0];
        settings.axis.range = row[1];
        break;
    }
    }
    if (!std::isfinite(settings.axis.range) || !std::isfinite(settings.axis.bottom))
        in.fail("the range is not a finite number");
}

} // namespace

double AxisRange::top() const {
    return range * std::pow(10.0, exponent);
}

const char* settingsFileName(GraphSettingsKind kind) {
    return formatOf(kind).fileName;
}

bool settingsHaveMarkers(GraphSettingsKind kind) {
    return formatOf(kind).markerTitle != nullptr;
}

bool settingsHaveExponent(GraphSettingsKind kind) {
    return formatOf(kind).rangeLine == RangeLine::MantissaExponent;
}

std::string settingsNumber(double value, int width, int decimals) {
    std::string pattern = "0.";
    pattern.append(static_cast<std::size_t>(decimals), '0');
    std::string text = formatFloatDot(pattern, value);
    const auto back = parseRealDot(text);
    const bool exactEnough =
        back && (value == 0 ? *back == 0 : std::abs(*back - value) < 1e-6 * std::abs(value));
    if (!exactEnough)
        text = roundTripText(value);
    return rightAligned(std::move(text), width);
}

std::string formatGraphSettings(GraphSettingsKind kind, const GraphSettings& settings) {
    const SettingsFormat& format = formatOf(kind);
    std::string text;
    const auto line = [&text](const std::string& content) { text += content + "\r\n"; };
    for (const char* title : format.titles)
        if (title)
            line(title);
    line(rangeLine(format, settings));
    if (!format.markerTitle)
        return text;
    line(format.markerTitle);
    for (const xy_pts& marker : settings.markers)
        if (std::isfinite(marker.x) && std::isfinite(marker.y))
            line(settingsNumber(marker.x, 8, 4) + " " + settingsNumber(marker.y, 10, 6));
    return text;
}

GraphSettings parseGraphSettings(GraphSettingsKind kind, const std::string& name,
                                 std::string_view content) {
    const SettingsFormat& format = formatOf(kind);
    DupReader in(name, content);
    for (const char* title : format.titles)
        if (title)
            in.skipLine();
    GraphSettings settings;
    readRangeLine(format, in, settings);
    if (!format.markerTitle)
        return settings;
    if (!in.atEnd())
        in.skipLine();
    while (!in.atEnd()) {
        if (in.nextLineIsBlank()) {
            in.skipLine();
            continue;
        }
        const std::vector<double> pair = in.readRow(2);
        if (!std::isfinite(pair[0]) || !std::isfinite(pair[1]))
            in.fail("a marker is not a pair of finite numbers");
        settings.markers.push_back({pair[0], pair[1]});
    }
    return settings;
}

std::optional<GraphSettings> readGraphSettings(const std::filesystem::path& folder,
                                               GraphSettingsKind kind) {
    const std::filesystem::path file = folder / settingsFileName(kind);
    const std::optional<std::string> content = readResultFile(file);
    if (!content)
        return std::nullopt;
    return parseGraphSettings(kind, file.string(), *content);
}

void writeGraphSettings(const std::filesystem::path& folder, GraphSettingsKind kind,
                        const GraphSettings& settings) {
    writeFileAtomically(folder / settingsFileName(kind), formatGraphSettings(kind, settings));
}

void writeEnergyView(const std::filesystem::path& folder, double maximum, double minimum) {
    GraphSettings window;
    window.axis.bottom = minimum;
    window.axis.range = maximum;
    writeGraphSettings(folder, GraphSettingsKind::EnergyView, window);
}

} // namespace vintrel
