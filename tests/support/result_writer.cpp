#include "support/result_writer.h"

#include "base/data_table.h"
#include "base/number_pattern.h"
#include "base/number_text.h"
#include "levels/level_tables.h"

#include <array>
#include <cmath>

namespace vintrel::test {

namespace {

std::string number(double value) {
    return floatToStrDot(value);
}

std::string coefficientText(const std::vector<std::string>& values) {
    return dupLines(values);
}

std::string inputEText(const ResultRecipe& r) {
    return dupLines({std::to_string(r.element), std::to_string(r.ionisation), r.configuration,
                     std::to_string(r.baza), std::to_string(r.cialo), number(r.field),
                     number(r.angle), number(r.azimuth), number(r.lambda),
                     std::to_string(r.symmetry), std::to_string(r.meanField), number(r.exchange)});
}

std::string defaultA() {
    std::vector<std::string> values;
    for (int i = 1; i <= 27; ++i)
        values.push_back(number(i / 10.0));
    return coefficientText(values);
}

} // namespace

std::string dupLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

std::string levelBlock(int n, const std::vector<FixtureLevel>& levels, bool complex,
                       const std::vector<std::string>& vectors, double xShift,
                       std::optional<double> T) {
    auto text = [](double v) { return formatFloatDot("0.0#########", v); };
    auto section = [&](char letter, double shift, double factor) {
        std::string out = std::string(1, letter) + std::to_string(n) + letter;
        if (T && letter == 'x')
            out += " " + number(*T);
        out += "  E [K]      Eshown    extra   <S>     <L>     <M>\r\n";
        for (const auto& level : levels)
            out += "  " + text(level.E + shift) + " " + text(level.E + shift) + " 0 " +
                   text(level.S * factor) + " " + text(level.L * factor) + " " +
                   text(level.M * factor) + "  state\r\n";
        return out;
    };
    std::string out = section('x', xShift, 0.5);
    if (complex)
        out += section('y', 0, 0.25);
    out += section('z', 0, 1.0);
    out += "*" + std::to_string(n) + "* eigenvectors\r\n";
    return out + dupLines(vectors);
}

std::vector<FixtureLevel> ceriumCubicLevels() {
    return {{0, 0.119, -0.952, -0.714},   {0, -0.119, 0.952, 0.714},   {116, 0.262, -2.096, -1.572},
            {116, 0.071, -0.571, -0.429}, {116, -0.071, 0.571, 0.429}, {116, -0.262, 2.096, 1.572}};
}

std::string strengthsBlock(int n, const std::vector<double>& energies,
                           const StrengthElements& elements) {
    auto text = [](double v) { return formatFloatDot("0.0###########E+0", v); };
    std::string out = "*" + std::to_string(n) + "*\r\n";
    const int d = static_cast<int>(energies.size());
    for (int i = 1; i <= d; ++i) {
        out += text(energies[std::size_t(i - 1)]) + "  initial\r\n   E   Lz  L+  L-\r\n";
        for (int j = 1; j <= d; ++j) {
            out += text(energies[std::size_t(j - 1)]);
            for (double e : elements(i, j))
                out += " " + text(e);
            out += " rest\r\n";
        }
        out += "\r\n";
    }
    return out;
}

std::string chiFileText(const std::vector<double>& T, const std::vector<double>& chi) {
    auto text = [](double v) { return roundTripText(v); };
    std::vector<std::string> lines = {"          T [K]    chi [mu_B/T]  1/chi [T/mu_B]  chi*T"};
    for (std::size_t r = 0; r < T.size() && r < chi.size(); ++r)
        lines.push_back(text(T[r]) + " " + text(chi[r]) + " " +
                        text(chi[r] != 0 ? 1 / chi[r] : 1e9) + " " + text(chi[r] * T[r]));
    return dupLines(lines);
}

std::string spcFileText(const std::vector<SpcRow>& rows) {
    auto text = [](double v) { return roundTripText(v); };
    std::vector<std::string> lines = {"          T [K]    c [J/(K mol)]    S [J/(K mol)]  c2"};
    for (const SpcRow& row : rows)
        lines.push_back(text(row.T) + " " + text(row.c) + " " + text(row.S) + " " +
                        text(row.fourth));
    return dupLines(lines);
}

ResultRecipe& ResultRecipe::withFile(const std::string& name, std::string bytes) {
    files[name] = std::move(bytes);
    return *this;
}

std::vector<double> ceriumCubicElements(int i, int j) {
    std::vector<double> e(3, 0.0);
    if (i == j && i <= 2)
        e[0] = i == 1 ? -5.0 / 6 : 5.0 / 6;
    if (i == 1 && j == 2)
        e[1] = 5.0 / 3;
    if (i <= 2 && j >= 3) {
        if (i == 1 && j == 3)
            e[0] = 1.49;
        if (i == 1 && j == 4)
            e[1] = 2.58;
        if (i == 2 && j == 5)
            e[2] = 2.58;
        if (i == 2 && j == 6)
            e[1] = 1.49;
    }
    if (i == 4 && j == 5)
        e[1] = 3;
    return e;
}

std::vector<std::string> spectroSettings(double emin, double emax, double lmin, double lmax) {
    return {"200",    "200", "280",        "200",        "10",         "1",          "1", "100",
            "0.0001", "0.1", "0.01",       "2000",       "1e-14",      "0",          "2", "0.1",
            "5",      "0",   number(emin), number(emax), number(lmin), number(lmax), "0", "0"};
}

ResultRecipe& ResultRecipe::without(const std::string& name) {
    files[name] = std::nullopt;
    return *this;
}

ResultRecipe ResultRecipe::withoutInputFiles() {
    ResultRecipe recipe;
    recipe.inputFiles = false;
    return recipe;
}

std::map<std::string, std::string> resultFiles(const ResultRecipe& recipe) {
    std::map<std::string, std::string> out;
    if (recipe.inputFiles) {
        out[kInputEFile] = inputEText(recipe);
        out[kInputAnFile] = recipe.a.empty() ? defaultA() : coefficientText(recipe.a);
        if (!recipe.b.empty())
            out[kInputBnFile] = coefficientText(recipe.b);
        out[kInputSFile] = dupLines(recipe.settings);
    }
    if (!recipe.description.empty())
        out[kDescriptionFile] = recipe.description;
    if (!recipe.levels.empty()) {
        std::string text;
        for (std::size_t n = 0; n < recipe.levels.size(); ++n) {
            const LevelBlock& block = recipe.levels[n];
            text += levelBlock(static_cast<int>(n), block.levels, block.complex, block.vectors,
                               block.xShift, block.T);
        }
        out[kLevelsFile] = text;
    }
    if (!recipe.strengths.empty())
        out[kStrengthsFile] = recipe.strengths;
    for (const auto& [name, bytes] : recipe.files) {
        if (bytes)
            out[name] = *bytes;
        else
            out.erase(name);
    }
    return out;
}

void writeResult(const std::filesystem::path& folder, const ResultRecipe& recipe) {
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : recipe.files)
        if (!bytes)
            std::filesystem::remove(folder / name);
    for (const auto& [name, bytes] : resultFiles(recipe))
        writeFile(folder / name, bytes);
}

std::string columnsFileText(const std::string& header,
                            const std::vector<std::vector<double>>& rows) {
    std::vector<std::string> lines = {header};
    for (const auto& row : rows) {
        std::string line;
        for (double v : row)
            line += (line.empty() ? "    " : "  ") + roundTripText(v);
        lines.push_back(line);
    }
    return dupLines(lines);
}

std::string momentFileText(const std::vector<std::vector<double>>& rows) {
    return columnsFileText(
        "          T [K]       m_x [mu_B]       m_y [mu_B]       m_z [mu_B]       m_t [mu_B]",
        rows);
}

std::string anisoFileText(const std::vector<std::vector<double>>& rows) {
    return columnsFileText("          T [K]           K1 [K]           K2 [K]          K2' [K]"
                           "           K3 [K]          K3' [K]",
                           rows);
}

std::string transitionFileText(double Tc) {
    return dupLines({"Transition temperature T_c [K]", roundTripText(Tc)});
}

ResultRecipe meanFieldResult(double Tc, int rows, int cialo) {
    ResultRecipe recipe = ionResult(84, 1, "4f^3", 2, cialo, 0, 0, 0, 0, 8);
    recipe.meanField = 1;
    recipe.exchange = 0.5;
    recipe.settings = {"40", std::to_string(rows), "40", std::to_string(rows)};
    std::vector<double> T;
    std::vector<std::vector<double>> moment;
    std::vector<std::vector<double>> aniso;
    std::array<std::vector<double>, 3> chi;
    std::vector<SpcRow> spc;
    double S = 0;
    for (int r = 1; r <= rows; ++r) {
        const double t = 0.5 * r;
        T.push_back(t);
        const double mz = t < Tc ? 3.2 * std::sqrt(1 - t / Tc) : 0;
        const double mx = t < Tc ? -0.1 : 0;
        moment.push_back({t, mx, 0, mz, std::hypot(mx, mz)});
        const double k = t < Tc ? 1 - t / Tc : 0;
        aniso.push_back({t, 10 * k, -14 * k, 0.0067 * k, 15 * k, 0});
        const double cusp = 0.5 / (Tc + 2);
        const double along = t < Tc ? cusp * (0.3 + 0.7 * t / Tc) : 0.5 / (t + 2);
        chi[0].push_back(along * 0.6);
        chi[1].push_back(along * 0.8);
        chi[2].push_back(along);
        const double c = t < Tc ? 12.0 * t / Tc : 1.0 * Tc / t;
        S += c * 0.5 / t;
        spc.push_back({t, c, S, 0});
        recipe.levels.push_back({meanFieldLevels(mz),
                                 cialo == 2,
                                 {"block " + std::to_string(r - 1) + " at " + number(t) + " K"},
                                 0,
                                 t});
    }
    recipe.withFile("d_temp.dup", transitionFileText(Tc));
    recipe.withFile("d_moment.dup", momentFileText(moment));
    recipe.withFile("d_aniso.dup", anisoFileText(aniso));
    recipe.withFile("o_chi_x.dup", chiFileText(T, chi[0]));
    recipe.withFile("o_chi_y.dup", chiFileText(T, chi[1]));
    recipe.withFile("o_chi_z.dup", chiFileText(T, chi[2]));
    recipe.withFile("o_spc.dup", spcFileText(spc));
    return recipe;
}

std::vector<FixtureLevel> meanFieldLevels(double mz, int doublets) {
    std::vector<FixtureLevel> levels;
    for (int d = 0; d < doublets; ++d) {
        const double half = 13.5 * mz / 3.2 / (d + 1) + 0.2;
        const double base = 30.0 * d - 50;
        levels.push_back({base - half, 0.5, -1.0 - d, -0.8});
        levels.push_back({base + half, -0.5, 1.0 + d, 0.8});
    }
    return levels;
}

ResultRecipe largeMeanFieldResult(int rows) {
    constexpr double Tc = 12.5;
    ResultRecipe recipe = meanFieldResult(Tc, rows, 1);
    recipe.configuration = "4f^5";
    recipe.baza = 1;
    const std::string top = number(0.5 * rows);
    recipe.settings = {top, std::to_string(rows), top, std::to_string(rows)};
    for (LevelBlock& block : recipe.levels) {
        const double t = *block.T;
        block.levels = meanFieldLevels(t < Tc ? 3.2 * std::sqrt(1 - t / Tc) : 0, kMaxLevels / 2);
    }
    return recipe;
}

ResultRecipe ionResult(int element, int ionisation, std::string configuration, int baza, int cialo,
                       double field, double angle, double azimuth, double lambda, int symmetry) {
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

ResultRecipe ceriumCubic() {
    ResultRecipe recipe = ionResult(82, 1, "4f^1", 2, 1, 0, 0, 0, 0, 0);
    recipe.a.assign(27, "0");
    recipe.b.assign(27, "0");
    recipe.a[9] = "-59.59889001009082"; // slot 10: n = 4, m = 0
    recipe.b[9] = "-1.5";
    recipe.a[13] = "-297.9944500504541"; // slot 14: n = 4, m = 4
    recipe.b[13] = "-7.5";
    recipe.description = "{\\rtf1 Ce3+ in a cubic field}";
    recipe.levels = {
        {ceriumCubicLevels(), false, {"|1> = 0.408|-5/2> + 0.913|3/2>", "|2> = ..."}, 0}};
    return recipe;
}

ResultRecipe ceriumCubicWithTransitions() {
    ResultRecipe recipe = ceriumCubic();
    std::vector<double> energies;
    for (const FixtureLevel& level : ceriumCubicLevels())
        energies.push_back(level.E);
    recipe.strengths = strengthsBlock(0, energies, ceriumCubicElements);
    return recipe;
}

ResultRecipe titaniumComplex() {
    ResultRecipe recipe = ionResult(22, 2, "3d^1", 1, 2, 0, 0, 0, 0, 10);
    std::vector<FixtureLevel> levels;
    for (int i = 0; i < 10; ++i)
        levels.push_back({100.0 * (i / 2), 0.5 - (i % 2), 0.2 * i, 0.1 * i});
    recipe.levels = {{levels, true, {"vectors"}, 0}};
    return recipe;
}

WorkingRoot::WorkingRoot(const std::vector<std::string>& shippedSettings) {
    std::filesystem::create_directories(root());
    std::filesystem::create_directories(data());
    writeFile(data() / kShippedSettingsFile, dupLines(shippedSettings));
}

ResultLocation WorkingRoot::write(const std::string& name, const ResultRecipe& recipe) const {
    writeResult(folder(name), recipe);
    return location(name);
}

ResultLocation WorkingRoot::location(const std::string& name) const {
    return {root(), name, data()};
}

} // namespace vintrel::test
