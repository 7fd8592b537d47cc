#pragma once

#include "base/measured_data.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <optional>

class QWidget;

namespace vintrel {

/// What the user chose of a measured file: the file, its columns, and (where the page asks for
/// one) the unit of the x column.
struct MeasuredChoice {
    QString file;
    MeasuredTable table;
    std::size_t x = 0;
    std::size_t y = 1;
    std::optional<std::size_t> err;
    int unit = -1; ///< the index in the units offered; -1 when none were offered
};

/// "Load measured data…": asks for a text file of columns, reads it (a malformed file is
/// shown with the message naming its line, and nothing is chosen), then asks for the x and y
/// columns and an optional error column, and, when `units` is not empty, the unit of x
/// (preselected from the x column's header when it names one of them, else `unit`). Empty for
/// "cancel" and for a file that could not be read.
std::optional<MeasuredChoice> chooseMeasuredData(QWidget* parent, const QString& title,
                                                 const QStringList& units = {}, int unit = -1);

/// Replaces both dialogs (tests and batch runs); an empty chooser brings the dialogs back.
using MeasuredDataChooser = std::function<std::optional<MeasuredChoice>(
    QWidget* parent, const QStringList& units, int unit)>;
void setMeasuredDataChooser(MeasuredDataChooser chooser);

} // namespace vintrel
