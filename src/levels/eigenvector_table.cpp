#include "levels/eigenvector_table.h"

#include "base/number_text.h"
#include "levels/detail_texts.h"
#include "levels/diagram_geometry.h"
#include "levels/level_tables.h"
#include "levels/level_value_names.h"
#include "resultdata/dup_reader.h"
#include "resultdata/result_summary.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>

namespace vintrel {

namespace {

// A cursor over one line of the eigenvector text.
struct LineCursor {
    std::string_view text;
    std::size_t at = 0;

    void skipBlanks() {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
    }
    bool take(std::string_view word) {
        skipBlanks();
        if (text.substr(at).starts_with(word)) {
            at += word.size();
            return true;
        }
        return false;
    }
    std::optional<double> number() {
        skipBlanks();
        double value = 0;
        const char* first = text.data() + at;
        const char* last = text.data() + text.size();
        if (first != last && *first == '+')
            ++first;
        const auto [end, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || !std::isfinite(value))
            return std::nullopt;
        at = static_cast<std::size_t>(end - text.data());
        return value;
    }
    bool atEnd() {
        skipBlanks();
        return at >= text.size();
    }
};

[[noreturn]] void damaged(const std::string& fileName, std::size_t line, const std::string& what) {
    throw InputError(fileName + ", line " + std::to_string(line) +
                     " of the eigenvector section: " + what);
}

// "(re±imi)" or a real.
std::optional<std::complex<double>> amplitude(LineCursor& c) {
    if (c.take("(")) {
        const auto re = c.number();
        const auto im = c.number();
        if (!re || !im || !c.take("i") || !c.take(")"))
            return std::nullopt;
        return std::complex<double>(*re, *im);
    }
    const auto re = c.number();
    if (!re)
        return std::nullopt;
    return std::complex<double>(*re, 0);
}

// "|Jz=-5/2>" or "|Lz=0,Sz=-1/2>".
std::optional<std::vector<std::pair<std::string, std::string>>> ket(LineCursor& c) {
    if (!c.take("|"))
        return std::nullopt;
    const std::size_t close = c.text.find('>', c.at);
    if (close == std::string_view::npos)
        return std::nullopt;
    std::vector<std::pair<std::string, std::string>> projections;
    std::string_view inside = c.text.substr(c.at, close - c.at);
    c.at = close + 1;
    while (!inside.empty()) {
        const std::size_t comma = inside.find(',');
        const std::string_view part = inside.substr(0, comma);
        const std::size_t equals = part.find('=');
        if (equals == std::string_view::npos || equals == 0 || equals + 1 == part.size())
            return std::nullopt;
        projections.emplace_back(std::string(part.substr(0, equals)),
                                 std::string(part.substr(equals + 1)));
        inside = comma == std::string_view::npos ? std::string_view() : inside.substr(comma + 1);
    }
    if (projections.empty())
        return std::nullopt;
    return projections;
}

std::string fixed(double value, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", digits, value);
    std::string text(buffer);
    if (text.find_first_not_of("-0.") == std::string::npos && text.starts_with('-'))
        text.erase(0, 1); // no "-0.0000"
    return text;
}

// "0.9129", "-0.4081" or "(0.7710+0.4451i)".
std::string amplitudeText(std::complex<double> a) {
    if (a.imag() == 0)
        return fixed(a.real(), 4);
    const std::string im = fixed(a.imag(), 4);
    return "(" + fixed(a.real(), 4) + (im.starts_with('-') ? "" : "+") + im + "i)";
}

// The components as a sum: "-0.9129 |5/2,-5/2> - 0.4081 |5/2,3/2>"; `minus` and `ket` render
// the pieces for the format.
template <typename Ket>
std::string componentSum(const EigenvectorTable& t, const EigenState& state,
                         const std::string& minus, const std::string& plus, Ket ketOf) {
    std::string text;
    for (std::size_t k = 0; k < state.components.size(); ++k) {
        const EigenComponent& c = state.components[k];
        std::string a = amplitudeText(c.amplitude);
        bool negative = false;
        if (c.amplitude.imag() == 0 && a.starts_with('-')) {
            negative = true;
            a.erase(0, 1);
        }
        if (k == 0)
            text += (negative ? minus : "") + a;
        else
            text += (negative ? " " + minus + " " : " " + plus + " ") + a;
        text += ketOf(ketText(c, t.vars.baza, t.L, t.S, t.J));
    }
    return text;
}

std::string caption(const EigenvectorTable& t) {
    return "Eigenstates of " + ionText(t.vars) + " (" + t.vars.siconf + "), result \"" +
           t.resultName + "\", field " + roundTripText(t.vars.magfield) +
           " T, quantization axis z" +
           (t.minWeight > 0 ? ", components of weight " + roundTripText(t.minWeight) + " or more"
                            : "");
}

// Escapes the text for LaTeX; "^" raises the digits after it ("4f^1").
std::string latexEscaped(const std::string& text) {
    std::string out;
    bool superscript = false;
    bool quoted = false;
    for (char ch : text) {
        if (ch == '"') {
            out += quoted ? "''" : "``";
            quoted = !quoted;
            continue;
        }
        if (superscript && !(ch >= '0' && ch <= '9')) {
            out += '}';
            superscript = false;
        }
        switch (ch) {
        case '\\':
            out += "\\textbackslash{}";
            break;
        case '&':
        case '%':
        case '$':
        case '#':
        case '_':
        case '{':
        case '}':
            out += '\\';
            out += ch;
            break;
        case '~':
            out += "\\textasciitilde{}";
            break;
        case '^':
            out += "\\textsuperscript{";
            superscript = true;
            continue;
        case '|':
            out += "\\textbar{}";
            break;
        case '<':
            out += "\\textless{}";
            break;
        case '>':
            out += "\\textgreater{}";
            break;
        default:
            out += ch;
        }
    }
    if (superscript)
        out += '}';
    return out;
}

// "-5/2" → "-\frac{5}{2}" for math mode.
std::string latexFraction(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        return text;
    const bool negative = text.starts_with('-');
    const std::string numerator = text.substr(negative ? 1 : 0, slash - (negative ? 1 : 0));
    return std::string(negative ? "-" : "") + "\\frac{" + numerator + "}{" +
           text.substr(slash + 1) + "}";
}

std::string latexKet(const std::string& ket) {
    // ket is "|a,b,…>"
    std::string inside = ket.substr(1, ket.size() - 2);
    std::string out = "\\vert ";
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = inside.find(',', start);
        out += latexFraction(inside.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        out += ",";
        start = comma + 1;
    }
    return out + "\\rangle";
}

std::string markdownEscaped(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '|' || ch == '<' || ch == '>' || ch == '*' || ch == '_' || ch == '\\')
            out += '\\';
        out += ch;
    }
    return out;
}

} // namespace

std::vector<EigenState> parseEigenvectorText(const std::vector<std::string>& lines,
                                             const std::string& fileName) {
    std::vector<EigenState> states;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        LineCursor c{lines[n]};
        if (c.atEnd())
            continue;
        if (!c.take("level")) {
            // The heading after the marker is free text; other lines must be states.
            if (n == 0 && states.empty())
                continue;
            damaged(fileName, n + 1, "\"level\" expected");
        }
        EigenState state;
        const auto level = c.number();
        if (!level || *level < 1 || *level > kMaxLevels || *level != std::floor(*level))
            damaged(fileName, n + 1,
                    "a level number from 1 to " + std::to_string(kMaxLevels) + " expected");
        state.level = static_cast<int>(*level);
        const auto E = c.take("E=") ? c.number() : std::nullopt;
        if (!E || !c.take("K:"))
            damaged(fileName, n + 1, "\"E= <energy> K:\" expected");
        state.E = *E;
        while (!c.atEnd()) {
            double sign = 1;
            if (!state.components.empty()) {
                if (c.take("-"))
                    sign = -1;
                else if (!c.take("+"))
                    damaged(fileName, n + 1, "\"+\" or \"-\" between components expected");
            }
            const auto a = amplitude(c);
            if (!a)
                damaged(fileName, n + 1, "an amplitude expected");
            const auto projections = ket(c);
            if (!projections)
                damaged(fileName, n + 1, "a basis state such as |Jz=-5/2> expected");
            // + 0.0 turns a written "-0.0000i" into 0.
            const std::complex<double> value = sign * *a;
            state.components.push_back({{value.real() + 0.0, value.imag() + 0.0}, *projections});
        }
        if (state.components.empty())
            damaged(fileName, n + 1, "level " + std::to_string(state.level) + " has no components");
        states.push_back(std::move(state));
    }
    return states;
}

std::string halfIntegerText(double value) {
    const long twice = std::lround(2 * value);
    if (twice % 2 == 0)
        return std::to_string(twice / 2);
    return std::to_string(twice) + "/2";
}

std::string ketText(const EigenComponent& component, int baza, double L, double S, double J) {
    std::string text = "|";
    auto projection = [&](const char* name) {
        for (const auto& [key, value] : component.projections)
            if (key == name)
                return value;
        return std::string("?");
    };
    if (baza == 2) {
        text += halfIntegerText(J) + "," + projection("Jz");
    } else {
        text += halfIntegerText(L) + "," + projection("Lz") + "," + halfIntegerText(S) + "," +
                projection("Sz");
    }
    return text + ">";
}

std::optional<EigenTableFormat> eigenTableFormatOfName(const std::string& name) {
    if (name == "csv")
        return EigenTableFormat::csv;
    if (name == "latex")
        return EigenTableFormat::latex;
    if (name == "markdown")
        return EigenTableFormat::markdown;
    return std::nullopt;
}

EigenvectorTable readEigenvectorTable(const ResultLocation& location, const std::string& resultName,
                                      double minWeight) {
    if (!std::isfinite(minWeight) || minWeight < 0 || minWeight > 1)
        throw DataRequestError("the weight must be a number from 0 to 1");
    const ResultInputs inputs = readResultInputs(location, TVariables{});
    EigenvectorTable t;
    t.vars = inputs.variables;
    t.resultName = resultName;
    t.minWeight = minWeight;
    if (t.vars.dynamic_calc)
        throw DataRequestError("the result is a mean-field result; its eigenvectors are shown "
                               "per temperature on the mean-field level page");
    const std::filesystem::path file = location.workingRoot / location.resultFolder / kLevelsFile;
    const std::string fileName = file.string();
    const auto term = groundTermOf(t.vars.siconf, t.vars.baza, t.vars.cialo);
    if (!term || term->N < 1 || term->N > kMaxLevels)
        throw InputError(fileName + ": the configuration \"" + t.vars.siconf +
                         "\" has no energy levels");
    t.L = term->L;
    t.S = term->S;
    t.J = term->J;
    const int N = term->N;
    const std::string content = readRequiredResultFile(file);
    auto tables = std::make_unique<LevelTables>();
    const LevelReadOutcome outcome =
        readLevelTablesText(fileName, content, 0, N, t.vars.cialo == 2, *tables);
    const int read = outcome.levelsRead[static_cast<int>(Axis::z)];
    if (read != N)
        throw InputError(fileName + ": the z section holds " + std::to_string(read) + " of " +
                         std::to_string(N) + " levels");
    const AxisLevels& z = tables->axis(Axis::z);
    const double E0 = *std::min_element(z.E.begin() + 1, z.E.begin() + N + 1);
    const std::vector<EigenState> states =
        parseEigenvectorText(eigenvectorLines(content, 0), fileName);
    if (states.empty())
        throw InputError(fileName + ": no eigenvectors (the section \"*0*\" is missing or empty)");
    for (const EigenState& state : states) {
        if (state.level > N)
            throw InputError(fileName + ": eigenvector of level " + std::to_string(state.level) +
                             ", but the z section has " + std::to_string(N) + " levels");
        EigenvectorTable::Row row;
        row.state = state;
        std::erase_if(row.state.components,
                      [&](const EigenComponent& c) { return c.weight() < minWeight; });
        const int i = state.level;
        row.E = z.E[i];
        row.relative = readDifference(z.E[i], E0);
        row.orbital = z.L[i];
        row.spin = z.S[i];
        row.moment = z.L[i] + kElectronG * z.S[i];
        t.rows.push_back(std::move(row));
    }
    return t;
}

DataTable eigenvectorDataTable(const EigenvectorTable& t) {
    DataTable table;
    addResultComments(table, t.resultName, t.vars);
    table.comment("axis", "z");
    table.comment("min weight", roundTripText(t.minWeight));
    table.comment("states", baseName(t.vars.baza) + " with " +
                                (t.vars.baza == 2 ? "J = " + halfIntegerText(t.J)
                                                  : "L = " + halfIntegerText(t.L) +
                                                        ", S = " + halfIntegerText(t.S)));
    const ExpectedValueNames names = expectedValueNames(Axis::z, t.vars.baza);
    table.columns = {"level",       "E [K]",        "E-E0 [K]",     "E-E0 [meV]",
                     "E-E0 [1/cm]", names.orbital,  names.spin,     names.combined,
                     "state",       "amplitude re", "amplitude im", "weight"};
    for (const auto& row : t.rows)
        for (const EigenComponent& c : row.state.components)
            table.rows.push_back({std::int64_t{row.state.level}, row.E, row.relative,
                                  energyUnitFactor(EnergyUnit::meV, row.relative),
                                  energyUnitFactor(EnergyUnit::inverseCm, row.relative),
                                  row.orbital, row.spin, row.moment,
                                  ketText(c, t.vars.baza, t.L, t.S, t.J), c.amplitude.real(),
                                  c.amplitude.imag(), c.weight()});
    return table;
}

std::string eigenvectorLatex(const EigenvectorTable& t) {
    std::string out;
    out += "% " + caption(t) + "\n";
    out += "% needs \\usepackage{booktabs}\n";
    out += "\\begin{table}\n\\centering\n\\small\n\\setlength{\\tabcolsep}{4pt}\n";
    out += "\\caption{" + latexEscaped(caption(t)) + "}\n";
    // Energies, the moment and the components, which wrap (ragged right, so the rows end with
    // \tabularnewline) in a column of their own: the table fits an article's text width.
    out += "\\begin{tabular}{rrrrrp{4.4cm}}\n\\toprule\n";
    // Two header rows keep the numeric columns as narrow as their numbers.
    out += std::string("Level & $E-E_0$ & $E-E_0$ & $E-E_0$ & $\\langle L_z\\rangle$ & ") +
           (t.vars.baza == 2 ? "Components in $\\vert J,J_z\\rangle$"
                             : "Components in $\\vert L,L_z,S,S_z\\rangle$") +
           " \\\\\n & (K) & (meV) & (cm$^{-1}$) & $+g_e\\langle S_z\\rangle$ & \\\\\n\\midrule\n";
    for (const auto& row : t.rows) {
        const std::string sum = componentSum(
            t, row.state, "-", "+", [](const std::string& k) { return "\\," + latexKet(k); });
        out += std::to_string(row.state.level) + " & " + fixed(row.relative, 3) + " & " +
               fixed(energyUnitFactor(EnergyUnit::meV, row.relative), 3) + " & " +
               fixed(energyUnitFactor(EnergyUnit::inverseCm, row.relative), 2) + " & " +
               fixed(row.moment, 4) + " & \\raggedright $" + sum + "$ \\tabularnewline\n";
    }
    out += "\\bottomrule\n\\end{tabular}\n\\end{table}\n";
    return out;
}

std::string eigenvectorMarkdown(const EigenvectorTable& t) {
    const ExpectedValueNames names = expectedValueNames(Axis::z, t.vars.baza);
    std::string out = "**" + markdownEscaped(caption(t)) + "**\n\n";
    out += "| Level | E-E0 [K] | E-E0 [meV] | E-E0 [1/cm] | " + markdownEscaped(names.orbital) +
           " | " + markdownEscaped(names.spin) + " | " + markdownEscaped(names.combined) +
           " | Components in " + markdownEscaped(baseName(t.vars.baza)) + " |\n";
    out += "|---:|---:|---:|---:|---:|---:|---:|:---|\n";
    for (const auto& row : t.rows) {
        const std::string sum = componentSum(
            t, row.state, "−", "+", [](const std::string& k) { return " " + markdownEscaped(k); });
        out += "| " + std::to_string(row.state.level) + " | " + fixed(row.relative, 3) + " | " +
               fixed(energyUnitFactor(EnergyUnit::meV, row.relative), 3) + " | " +
               fixed(energyUnitFactor(EnergyUnit::inverseCm, row.relative), 2) + " | " +
               fixed(row.orbital, 4) + " | " + fixed(row.spin, 4) + " | " + fixed(row.moment, 4) +
               " | " + sum + " |\n";
    }
    return out;
}

} // namespace vintrel
