#include "levels/plot_units.h"

#include "levels/diagram_geometry.h"

#include <array>

namespace vintrel {

namespace {

// The inverses of energyUnitFactor's conversions.
constexpr double kMeV = 11.60451911;
constexpr double kInverseCm = 0.695;

constexpr std::array<PlotTypeLook, kPlotTypes> kLooks = {{
    {" intensity vs wave length (nm)", "nm", "l", "300", 50},
    {" intensity vs energy (K)", "K", "E", "1", 0.1},
    {" intensity vs energy (meV)", "meV", "E", "0.1", 0.01},
    {" intensity vs wave number (1/cm)", "1/cm", "k", "1", 0.1},
}};

} // namespace

double toPlotUnit(PlotType type, double kelvin) {
    switch (type) {
    case PlotType::waveLength:
        return kelvin == 0 ? kZeroWaveLength : kWaveLengthKelvin / kelvin;
    case PlotType::meV:
        return energyUnitFactor(EnergyUnit::meV, kelvin);
    case PlotType::waveNumber:
        return energyUnitFactor(EnergyUnit::inverseCm, kelvin);
    case PlotType::kelvin:
        break;
    }
    return kelvin;
}

double fromPlotUnit(PlotType type, double value) {
    switch (type) {
    case PlotType::waveLength:
        return value == 0 ? kZeroWaveLength : kWaveLengthKelvin / value;
    case PlotType::meV:
        return value * kMeV;
    case PlotType::waveNumber:
        return value / kInverseCm;
    case PlotType::kelvin:
        break;
    }
    return value;
}

const PlotTypeLook& plotTypeLook(PlotType type) {
    const int index = static_cast<int>(type);
    return kLooks[static_cast<std::size_t>(index >= 0 && index < kPlotTypes ? index : 1)];
}

std::optional<PlotType> plotTypeOfUnit(std::string_view unit) {
    for (int t = 0; t < kPlotTypes; ++t)
        if (unit == kLooks[static_cast<std::size_t>(t)].unit)
            return static_cast<PlotType>(t);
    return std::nullopt;
}

std::vector<double> convertPlotUnit(const std::vector<double>& values, PlotType from, PlotType to) {
    std::vector<double> converted;
    converted.reserve(values.size());
    for (double v : values)
        converted.push_back(from == to ? v : toPlotUnit(to, fromPlotUnit(from, v)));
    return converted;
}

} // namespace vintrel
