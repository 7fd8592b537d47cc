// "Export data…" of the energy-level page.
#include "levels/poziomy.h"

#include "controls/data_export.h"
#include "controls/messages.h"
#include "levels/level_data.h"
#include "levels/level_value_names.h"
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

void Tpoziomy::exportData() {
    if (FLocation.resultFolder.empty())
        return;
    runGuarded(FPanel, [this] {
        const QString name = resultTabName(FPanel, FLocation.resultFolder);
        LevelDataOptions options;
        options.axis = FAxis;
        const DataTable table = levelDataTable(FLocation, name.toStdString(), options);
        exportDataTable(FPanel, table,
                        name + QStringLiteral(" levels ") + QChar(axisLetter(FAxis)) +
                            QStringLiteral(".csv"));
    });
}

} // namespace vintrel
