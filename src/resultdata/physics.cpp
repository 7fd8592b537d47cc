#include "resultdata/physics.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vintrel {

namespace {

constexpr double kGasConstant = 8.3143;
constexpr double kIntegrationStart = 0.001;
constexpr int kStepsPerRange = 100;

double debyeIntegral(double xD) {
    const double step = xD / kStepsPerRange;
    double sum = 0;
    double x0 = kIntegrationStart;
    // The step count is bounded: the last step may end past xD.
    for (int i = 0; i <= kStepsPerRange; ++i) {
        const double x1 = x0 + step;
        sum += (debyeIntegrand(x0) + debyeIntegrand(x1)) / 2 * step;
        if (x1 >= xD)
            break;
        x0 = x1;
    }
    return sum;
}

double debyeHeatAt(double temperature, int atoms, double theta) {
    if (std::isnan(temperature) || std::isnan(theta))
        return std::nan("");
    if (temperature <= 0)
        return 0;
    const double xD = theta / temperature;
    if (xD <= 0 || !std::isfinite(xD))
        return xD == 0 ? 3 * atoms * gasConstantLn(1) : 0;
    return 9 * atoms * gasConstantLn(1) * std::pow(1 / xD, 3) * debyeIntegral(xD);
}

} // namespace

double gasConstantLn(int a) {
    return a == 1 ? kGasConstant : kGasConstant * std::log(a);
}

double boltzmannWeight(double energy, double temperature) {
    if (temperature != 0)
        return std::exp(-energy / temperature);
    return energy == 0 ? 1 : 0;
}

double levelPopulations(std::span<const double> energies, double temperature,
                        std::span<double> populations) {
    if (populations.size() < energies.size())
        throw std::invalid_argument("Population table shorter than the level list");
    std::fill(populations.begin(), populations.end(), 0.0);
    if (energies.empty())
        return 0;
    const double lowest = *std::min_element(energies.begin(), energies.end());
    double sum = 0;
    for (std::size_t i = 0; i < energies.size(); ++i) {
        populations[i] = boltzmannWeight(energies[i] - lowest, temperature);
        sum += populations[i];
    }
    for (std::size_t i = 0; i < energies.size(); ++i)
        populations[i] /= sum;
    return sum;
}

double debyeIntegrand(double x) {
    x = std::min(x, 100.0);
    if (x == 0)
        return 0;
    const double em1 = std::expm1(x);
    return std::pow(x, 4) * std::exp(x) / (em1 * em1);
}

std::vector<double> debyeHeat(std::span<const double> temperatures, int atoms,
                              double debyeTemperature) {
    std::vector<double> heat;
    heat.reserve(temperatures.size());
    for (double t : temperatures)
        heat.push_back(debyeHeatAt(t, atoms, debyeTemperature));
    return heat;
}

} // namespace vintrel
