#include "hamiltonian/ham_matrices.h"

#include "base/number_text.h"
#include "resultdata/dup_reader.h"

namespace vintrel {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A field of the file for an error text: at most 40 characters, control characters as "?".
std::string shownField(std::string_view field) {
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    for (char c : field.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    return out + (field.size() > kShown ? "...\"" : "\"");
}

int matrixSize(int N, bool complex) {
    return complex ? 2 * N : N;
}

} // namespace

void HamMatrix::resize(int size) {
    size_ = size > 0 ? size : 0;
    values_.assign(std::size_t(size_) * std::size_t(size_), 0.0);
}

void HamiltonianMatrices::reset(int N, bool complex) {
    N_ = N;
    complex_ = complex;
    fits_ = N > 0 && N <= (complex ? kMaxMatrixSize / 2 : kMaxMatrixSize);
    const int n = fits_ ? matrixSize(N, complex) : 0;
    for (HamMatrix& matrix : terms_)
        matrix.resize(n);
    total_.resize(n);
    selected_.resize(n);
}

void HamiltonianMatrices::sum(TermSet ticked) {
    const int n = size();
    const HamMatrix& cef = term(HamTerm::cef);
    const HamMatrix& ls = term(HamTerm::ls);
    const HamMatrix& zeeman = term(HamTerm::zeeman);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            total_.set(i, j, cef.at(i, j) + ls.at(i, j) + zeeman.at(i, j));
            double selected = 0;
            for (HamTerm which : kTermOrder)
                if (ticked.has(which))
                    selected += term(which).at(i, j);
            selected_.set(i, j, selected);
        }
}

HamElement HamiltonianMatrices::element(const HamMatrix& matrix, int row, int column) const {
    if (!fits_ || row < 1 || column < 1 || row > N_ || column > N_)
        return {};
    if (!complex_)
        return {matrix.at(row, column), 0};
    return {matrix.at(2 * row - 1, 2 * column - 1), matrix.at(2 * row - 1, 2 * column)};
}

std::vector<std::string_view> doubleBlankFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t cut = line.find("  ", start);
        if (cut == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, cut - start));
        start = cut + 2;
    }
}

void readHamiltonianText(const std::string& name, std::string_view content,
                         HamiltonianMatrices& matrices) {
    if (matrices.states() <= 0)
        return;
    if (!matrices.fits())
        throw InputError(name + ": a Hamiltonian of " + std::to_string(matrices.states()) +
                         " states is larger than the viewer can show (at most " +
                         std::to_string(kMaxMatrixSize) + " states of a real and " +
                         std::to_string(kMaxMatrixSize / 2) + " of a complex Hamiltonian)");
    const int n = matrices.size();
    DupReader reader(name, content);
    for (HamTerm block : {HamTerm::cef, HamTerm::ls, HamTerm::zeeman}) {
        HamMatrix& matrix = matrices.term(block);
        reader.skipLine();
        for (int row = 1; row <= n; ++row) {
            const std::vector<std::string_view> fields = doubleBlankFields(reader.takeLine());
            for (int column = 1; column <= n; ++column) {
                if (std::size_t(column) > fields.size())
                    reader.fail("row " + std::to_string(row) + " has " +
                                std::to_string(fields.size()) + " values, " + std::to_string(n) +
                                " expected");
                const std::string_view field = fields[std::size_t(column - 1)];
                const auto value = parseRealDot(trimmed(field));
                if (!value)
                    reader.fail(shownField(field) + " is not a valid number");
                matrix.set(row, column, *value);
            }
        }
    }
}

bool readHamiltonian(const std::filesystem::path& resultFolder, HamiltonianMatrices& matrices) {
    const std::filesystem::path path = resultFolder / kHamiltonianFile;
    const std::optional<std::string> content = readResultFile(path);
    if (!content)
        return false;
    readHamiltonianText(path.string(), *content, matrices);
    return true;
}

} // namespace vintrel
