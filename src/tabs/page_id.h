#pragma once

namespace vintrel {

/// The identity of a result page. The page tab carries it and keeps it when tabs are dragged,
/// so it, never a place in the page strip, says which page a tab is.
enum class PageId : int {
    None = -1,
    Parameters,
    Hamiltonian,
    Potentials,
    Energy,
    Spectroscopy,
    MagneticSus,
    InverseSus,
    SpecificHeat,
    Entropy,
    Description,
    EnergyD,
    PotVisD,
    MomentD,
    MagneticSusD,
    InverseSusD,
    AnisotropyD,
    SpecificHeatD,
    EntropyD,
    DescriptionD,
};

/// Number of result pages; the identities run from 0 to `kPageCount` − 1.
inline constexpr int kPageCount = 19;

/// The identity as an index into tables of all pages.
constexpr int pageNumber(PageId id) {
    return static_cast<int>(id);
}

} // namespace vintrel
