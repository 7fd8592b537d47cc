#pragma once

#include "base/number_text.h"
#include "resultdata/input_files.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

namespace vintrel::test {

/// What a small result folder holds: the lines of "input_e.dup" and the coefficients.
struct ResultRecipe {
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
inline ResultRecipe result(int element, int ionisation, std::string configuration, int baza,
                           int cialo, double field, double angle, double azimuth, double lambda,
                           int symmetry) {
    ResultRecipe recipe;
    recipe.element = element;
    recipe.ionisation = ionisation;
    recipe.configuration = std::move(configuration);
    recipe.baza = baza;
    recipe.cialo = cialo;
    recipe.field = field;
    recipe.angle = angle;
    recipe.azimuth = azimuth;
    recipe.lambda = lambda;
    recipe.symmetry = symmetry;
    return recipe;
}

/// A working root with one result folder ("Result00") and a data folder with "input_s.df".
class ResultFolders {
public:
    ResultFolders() {
        std::filesystem::create_directories(dir_.path() / "data");
        writeFile(dir_.path() / "data" / kShippedSettingsFile, "200\r\n200\r\n");
    }

    /// Writes the result's files into a fresh folder `name` and gives its location.
    ResultLocation write(const std::string& name, const ResultRecipe& recipe) const {
        const auto folder = dir_.path() / "root" / name;
        std::filesystem::create_directories(folder);
        auto line = [](const auto& value) { return value + std::string("\r\n"); };
        auto number = [&](double value) { return line(floatText(value)); };
        std::string e = line(std::to_string(recipe.element)) +
                        line(std::to_string(recipe.ionisation)) + line(recipe.configuration) +
                        line(std::to_string(recipe.baza)) + line(std::to_string(recipe.cialo)) +
                        number(recipe.field) + number(recipe.angle) + number(recipe.azimuth) +
                        number(recipe.lambda) + line(std::to_string(recipe.symmetry)) + line("0") +
                        line("0");
        writeFile(folder / kInputEFile, e);
        std::string a;
        for (int i = 0; i < 27; ++i)
            a += line(recipe.a.empty() ? floatText((i + 1) / 10.0) : recipe.a[std::size_t(i)]);
        writeFile(folder / kInputAnFile, a);
        if (!recipe.b.empty()) {
            std::string b;
            for (const std::string& value : recipe.b)
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
