#pragma once

#include "resultdata/input_files.h"

namespace vintrel {

class TElemPanelResultForm;
class TParamResultForm;

/// The parameters part of making an ordinary result current, in the main window's order:
/// `loadResultInputs`, the element panel refresh, the basis and Hamiltonian choices from
/// `baza` and `cialo`, the ion button `ionisation`, `loadResultInputs` again (it restores
/// `ionisation`, `_ionvalue` and `siconf` from the files), the ion buttons disabled, then the
/// page's `wczytajDane` and `rearrangeInputs`. Errors of the input readers propagate for the
/// general error handler.
void showResultParameters(const ResultLocation& location, TElemPanelResultForm& panel,
                          TParamResultForm& page);

} // namespace vintrel
