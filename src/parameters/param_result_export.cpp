// "Export data…" of the parameters page.
#include "parameters/param_result_form.h"

#include "controls/data_export.h"
#include "controls/messages.h"
#include "parameters/parameter_data.h"
#include "tabs/reader_panel.h"

namespace vintrel {

void TParamResultForm::exportData() {
    if (FLocation.resultFolder.empty())
        return;
    runGuarded(PanelAAA, [this] {
        const QString name = TCommonPanel2::resultTabName(PanelAAA, FLocation.resultFolder);
        const DataTable table = parameterDataTable(FLocation, name.toStdString());
        exportDataTable(PanelAAA, table, name + QStringLiteral(" parameters.csv"));
    });
}

} // namespace vintrel
