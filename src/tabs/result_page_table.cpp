#include "tabs/result_page_table.h"

#include <algorithm>

namespace vintrel {

namespace {

using enum PageId;
using enum FormMade;
constexpr TKind Ordinary = TKind::tkResult;
constexpr TKind MeanField = TKind::tkDynamic;

// clang-format off
constexpr std::array<ResultPageRow, kPageCount> kRows = {{
    // identity     caption            result     form made   place  traits
    {Parameters,    "parameters",      Ordinary,  WithPanel,  0,     kFirstPage},
    {Hamiltonian,   "Hamiltonian",     Ordinary,  WithPanel,  1,     0},
    {Potentials,    "CEF view",        Ordinary,  WithPanel,  2,     0},
    {Energy,        "energy levels",   Ordinary,  OnFirstUse, 3,     kTakesWheel | kDrawsMiniParam},
    {Spectroscopy,  "spectroscopy",    Ordinary,  OnFirstUse, 8,     kLoadsWhenShown},
    {MagneticSus,   "magnetic sus.",   Ordinary,  OnFirstUse, 4,     kDrawsMiniParam},
    {InverseSus,    "inverse sus.",    Ordinary,  OnFirstUse, 5,     kDrawsMiniParam},
    {SpecificHeat,  "specific heat",   Ordinary,  OnFirstUse, 6,     kDrawsMiniParam},
    {Entropy,       "entropy",         Ordinary,  OnFirstUse, 7,     kDrawsMiniParam},
    {Description,   "description",     Ordinary,  WithPanel,  -1,    0},
    {EnergyD,       "energy (MF)",     MeanField, WithPanel,  2,     kFirstPage | kTakesWheel},
    {PotVisD,       "visualizer (MF)", MeanField, WithPanel,  0,     0},
    {MomentD,       "moment (MF)",     MeanField, WithPanel,  1,     0},
    {MagneticSusD,  "mag. susc. (MF)", MeanField, WithPanel,  3,     0},
    {InverseSusD,   "inv. susc. (MF)", MeanField, WithPanel,  4,     0},
    {AnisotropyD,   "anisotropy (MF)", MeanField, WithPanel,  5,     0},
    {SpecificHeatD, "spec. heat (MF)", MeanField, WithPanel,  6,     0},
    {EntropyD,      "entropy (MF)",    MeanField, WithPanel,  7,     0},
    {DescriptionD,  "description",     MeanField, WithPanel,  -1,    0},
}};
// clang-format on

/// The rules the table keeps: rows in identity order; per kind exactly one first page and
/// refresh places 0, 1, … without gaps or repeats.
constexpr bool tableIsSound() {
    for (int i = 0; i < kPageCount; ++i)
        if (pageNumber(kRows[static_cast<std::size_t>(i)].id) != i)
            return false;
    for (const TKind kind : {Ordinary, MeanField}) {
        int firstPages = 0;
        int placed = 0;
        std::array<bool, kPageCount> taken{};
        for (const ResultPageRow& row : kRows) {
            if (row.resultKind != kind)
                continue;
            firstPages += row.has(kFirstPage) ? 1 : 0;
            if (row.refreshPlace < 0)
                continue;
            if (row.refreshPlace >= kPageCount || taken[std::size_t(row.refreshPlace)])
                return false;
            taken[std::size_t(row.refreshPlace)] = true;
            ++placed;
        }
        for (int place = 0; place < placed; ++place)
            if (!taken[std::size_t(place)])
                return false;
        if (firstPages != 1)
            return false;
    }
    return true;
}
static_assert(tableIsSound(), "the table of result pages breaks its rules");

} // namespace

const std::array<ResultPageRow, kPageCount> kResultPages = kRows;

const ResultPageRow& pageRow(PageId id) {
    return kResultPages[static_cast<std::size_t>(pageNumber(id))];
}

bool pageHas(PageId id, PageTrait trait) {
    return isPage(id) && pageRow(id).has(trait);
}

std::vector<PageId> refreshOrder(TKind resultKind) {
    std::vector<PageId> order;
    for (const ResultPageRow& row : kResultPages)
        if (row.resultKind == resultKind && row.refreshPlace >= 0)
            order.push_back(row.id);
    std::sort(order.begin(), order.end(),
              [](PageId a, PageId b) { return pageRow(a).refreshPlace < pageRow(b).refreshPlace; });
    return order;
}

PageId firstPage(TKind resultKind) {
    for (const ResultPageRow& row : kResultPages)
        if (row.resultKind == resultKind && row.has(kFirstPage))
            return row.id;
    return PageId::None;
}

} // namespace vintrel
