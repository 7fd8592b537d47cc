#pragma once

#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

inline constexpr const char* kHamiltonianFile = "o_ham.dup";

/// The largest matrix "o_ham.dup" may give, in rows and columns: N states of a real
/// Hamiltonian, 2N for a complex one. So N is at most 152 (real) or 76 (complex); every ground
/// term of a d or f ion fits (at most 66 states).
inline constexpr int kMaxMatrixSize = 152;

/// The three terms of the Hamiltonian, in the order of their blocks in "o_ham.dup".
enum class HamTerm { cef = 0, ls = 1, zeeman = 2 };

/// The order in which the page lists and draws the terms: LS, CEF, Zeeman.
inline constexpr std::array<HamTerm, 3> kTermOrder = {HamTerm::ls, HamTerm::cef, HamTerm::zeeman};

/// A set of terms (those that are ticked, those that are summed).
class TermSet {
public:
    constexpr TermSet() = default;
    constexpr TermSet(std::initializer_list<HamTerm> terms) {
        for (HamTerm term : terms)
            add(term);
    }
    static constexpr TermSet all() { return {HamTerm::cef, HamTerm::ls, HamTerm::zeeman}; }

    constexpr bool has(HamTerm term) const { return (bits_ & bit(term)) != 0; }
    constexpr void add(HamTerm term) { bits_ |= bit(term); }
    constexpr void set(HamTerm term, bool on) {
        bits_ = on ? (bits_ | bit(term)) : (bits_ & ~bit(term));
    }
    constexpr bool empty() const { return bits_ == 0; }
    /// How many terms the set holds.
    constexpr int count() const {
        return int(has(HamTerm::cef)) + int(has(HamTerm::ls)) + int(has(HamTerm::zeeman));
    }
    constexpr bool operator==(const TermSet&) const = default;

private:
    static constexpr unsigned bit(HamTerm term) { return 1U << static_cast<unsigned>(term); }
    unsigned bits_ = 0;
};

/// A square matrix of reals addressed from 1, as "o_ham.dup" numbers its rows and columns.
/// Positions outside it read as 0.
class HamMatrix {
public:
    HamMatrix() = default;
    explicit HamMatrix(int size) { resize(size); }

    /// Makes it a size × size matrix of zeros.
    void resize(int size);
    int size() const { return size_; }
    double at(int row, int column) const {
        if (row < 1 || column < 1 || row > size_ || column > size_)
            return 0;
        return values_[index(row, column)];
    }
    /// Sets a position inside the matrix; positions outside are ignored.
    void set(int row, int column, double value) {
        if (row >= 1 && column >= 1 && row <= size_ && column <= size_)
            values_[index(row, column)] = value;
    }

private:
    std::size_t index(int row, int column) const {
        return std::size_t(row - 1) * std::size_t(size_) + std::size_t(column - 1);
    }
    int size_ = 0;
    std::vector<double> values_;
};

/// One element of the Hamiltonian in the basis of states: real and imaginary part (0 for a real
/// Hamiltonian).
struct HamElement {
    double re = 0;
    double im = 0;
    bool operator==(const HamElement&) const = default;
};

/// The term matrices of a result and the two sums the page shows. For a complex Hamiltonian
/// the matrices are the 2N × 2N real form: the element (r, c) of the states r and c has its real
/// part at [2r − 1, 2c − 1] and its imaginary part at [2r − 1, 2c].
class HamiltonianMatrices {
public:
    /// Zero matrices for N states of a real or complex Hamiltonian. When 2N (complex) or N
    /// (real) is beyond kMaxMatrixSize, or N is not positive, the matrices are empty and
    /// `fits` is false.
    void reset(int N, bool complex);

    int states() const { return N_; }
    bool complex() const { return complex_; }
    /// The size n of the matrices: N for a real Hamiltonian, 2N for a complex one; 0 when the
    /// states do not fit.
    int size() const { return terms_[0].size(); }
    /// Whether the N states fit the matrices' capacity.
    bool fits() const { return fits_; }

    HamMatrix& term(HamTerm which) { return terms_[static_cast<std::size_t>(which)]; }
    const HamMatrix& term(HamTerm which) const { return terms_[static_cast<std::size_t>(which)]; }
    const HamMatrix& total() const { return total_; }
    const HamMatrix& selected() const { return selected_; }

    /// total = CEF + LS + Zeeman, selected = the sum of the terms in `ticked`, at every
    /// position of the n × n matrices.
    void sum(TermSet ticked);

    /// The element of states (row, column), 1 … N, of a matrix of this Hamiltonian; zero for
    /// states outside the matrices (a selection left over from a larger result).
    HamElement element(const HamMatrix& matrix, int row, int column) const;
    HamElement element(HamTerm which, int row, int column) const {
        return element(term(which), row, column);
    }

private:
    int N_ = 0;
    bool complex_ = false;
    bool fits_ = false;
    std::array<HamMatrix, 3> terms_;
    HamMatrix total_;
    HamMatrix selected_;
};

/// The fields of a data line of "o_ham.dup": the line cut at every occurrence of two
/// consecutive blanks; empty fields count ("1  2    3" gives "1", "2", "", "3").
std::vector<std::string_view> doubleBlankFields(std::string_view line);

/// Reads the text of "o_ham.dup" (`name` stands for the file in error texts) into `matrices`,
/// which `reset` has sized: three blocks (CEF, LS, Zeeman), each a header line and n data lines
/// whose fields 1 … n are row i of the term. Values go in as they are read, so on an error the
/// matrices keep what was read so far. Throws InputError with the file and line for a block
/// that ends early, a line with fewer than n fields and a field that is not a number, and
/// InputError naming the file when N states do not fit the matrices' capacity. With no states
/// (N not positive) nothing is read.
void readHamiltonianText(const std::string& name, std::string_view content,
                         HamiltonianMatrices& matrices);

/// Reads "o_ham.dup" of a result folder into `matrices` (sized by `reset`). False, with the
/// matrices left at zero, when the file is missing or empty (an empty file is a missing one);
/// errors as readHamiltonianText.
bool readHamiltonian(const std::filesystem::path& resultFolder, HamiltonianMatrices& matrices);

} // namespace vintrel
