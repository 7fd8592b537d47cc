#pragma once

#include "resultdata/input_files.h"
#include "resultdata/number_text.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

namespace vintrel::test {

/// What a small result folder holds: the lines of "input_e.dup" and the coefficients.
struct ResultSpec {
    int element = 1;
    int ionisation = 0;
    std::string configuration;
    int baza = 1;
    int cialo = 1;
    double field = 0;
    double angle = 0;
    double azimuth = 0;
    double lambda = 0;
    int symmetry = 12;
    std::vector<std::string> a; ///< 27 values as text; empty: slot number / 10
    std::vector<std::string> b; ///< 27 values as text; empty: no "input_bn.dup"
};

/// A result of an ion with its field, spin-orbit constant and symmetry.
inline ResultSpec result(int element, int ionisation, std::string configuration, int baza,
                         int cialo, double field, double angle, double azimuth, double lambda,
                         int symmetry) {
    ResultSpec spec;
    spec.element = element;
    spec.ionisation = ionisation;
    spec.configuration = std::move(configuration);
    spec.baza = baza;
    spec.cialo = cialo;
    spec.field = field;
    spec.angle = angle;
    spec.azimuth = azimuth;
    spec.lambda = lambda;
    spec.symmetry = symmetry;
    return spec;
}

/// A working root with one result folder ("Result00") and a data folder with "input_s.df".
class ResultFolders {
public:
    ResultFolders() {
        std::filesystem::create_directories(dir_.path() / "data");
        writeFile(dir_.path() / "data" / kShippedSettingsFile, "200\r\n200\r\n");
    }

    /// Writes the result's files into a fresh folder `name` and gives its location.
    ResultLocation write(const std::string& name, const ResultSpec& spec) const {
        const auto folder = dir_.path() / "root" / name;
        std::filesystem::create_directories(folder);
        auto line = [](const auto& value) { return value + std::string("\r\n"); };
        auto number = [&](double value) { return line(floatText(value)); };
        std::string e = line(std::to_string(spec.element)) + line(std::to_string(spec.ionisation)) +
                        line(spec.configuration) + line(std::to_string(spec.baza)) +
                        line(std::to_string(spec.cialo)) + number(spec.field) + number(spec.angle) +
                        number(spec.azimuth) + number(spec.lambda) +
                        line(std::to_string(spec.symmetry)) + line("0") + line("0");
        writeFile(folder / kInputEFile, e);
        std::string a;
        for (int i = 0; i < 27; ++i)
            a += line(spec.a.empty() ? floatText((i + 1) / 10.0) : spec.a[std::size_t(i)]);
        writeFile(folder / kInputAnFile, a);
        if (!spec.b.empty()) {
            std::string b;
            for (const std::string& value : spec.b)
                b += line(value);
            writeFile(folder / kInputBnFile, b);
        }
        writeFile(folder / kInputSFile, "150\r\n100\r\n");
        return {dir_.path() / "root", name, dir_.path() / "data"};
    }

private:
    static std::string floatText(double value) { return floatToStrDot(value); }

    TempDir dir_;
};

} // namespace vintrel::test
