// "Export data…" of the energy-level page.
#include "levels/poziomy.h"

#include "controls/data_export.h"
#include "controls/messages.h"
#include "levels/level_data.h"
#include "levels/level_value_names.h"
#include "tabs/reader_panel.h"

namespace vintrel {

void Tpoziomy::exportData() {
    if (FLocation.resultFolder.empty())
        return;
    runGuarded(FPanel, [this] {
        const QString name = TCommonPanel2::resultTabName(FPanel, FLocation.resultFolder);
        LevelDataOptions options;
        options.axis = FAxis;
        const DataTable table = levelDataTable(FLocation, name.toStdString(), options);
        exportDataTable(FPanel, table,
                        name + QStringLiteral(" levels ") + QChar(axisLetter(FAxis)) +
                            QStringLiteral(".csv"));
    });
}

} // namespace vintrel
