// "Export data…" of the Hamiltonian page.
#include "hamiltonian/ham_form.h"

#include "controls/data_export.h"
#include "controls/messages.h"
#include "hamiltonian/ham_data.h"
#include "tabs/reader_panel.h"

namespace vintrel {

void THamForm::exportData() {
    if (FLocation.resultFolder.empty())
        return;
    runGuarded(Panel1, [this] {
        const QString name = TCommonPanel2::resultTabName(Panel1, FLocation.resultFolder);
        const DataTable table = hamiltonianDataTable(FLocation, name.toStdString(), tickedTerms());
        exportDataTable(Panel1, table, name + QStringLiteral(" hamiltonian.csv"));
    });
}

} // namespace vintrel
