// "Export data…" of the parameters page.
#include "parameters/param_result_form.h"

#include "controls/data_export.h"
#include "controls/messages.h"
#include "parameters/parameter_data.h"
#include "tabs/reader_panel.h"

namespace vintrel {

namespace {

// The name of the result tab whose folder is `folder` (the result's stored name as the tab
// shows it); the folder's own name when the page is not in a result panel.
QString resultTabName(const QWidget* page, const std::string& folder) {
    const QString resDir = QString::fromStdString(folder);
    for (const QWidget* w = page; w; w = w->parentWidget())
        if (const auto* panel = qobject_cast<const TCommonPanel2*>(w))
            for (int i = 0; i < panel->Zakladki->TabCount(); ++i)
                if (panel->Zakladki->Tabs(i)->ResDir() == resDir)
                    return panel->Zakladki->Tabs(i)->TabName();
    return resDir;
}

} // namespace

void TParamResultForm::exportData() {
    if (FLocation.resultFolder.empty())
        return;
    runGuarded(PanelAAA, [this] {
        const QString name = resultTabName(PanelAAA, FLocation.resultFolder);
        const DataTable table = parameterDataTable(FLocation, name.toStdString());
        exportDataTable(PanelAAA, table, name + QStringLiteral(" parameters.csv"));
    });
}

} // namespace vintrel
