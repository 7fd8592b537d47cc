#pragma once

#include <QPixmap>
#include <QString>

namespace vintrel {

class TReaderForm;

/// A name made safe for a file name: every character other than ASCII letters, digits, ".",
/// "-", "(" and ")" becomes "_"; an empty name becomes "_".
QString fileSafeName(const QString& name);

/// The picture of the page on show: the main window's client area as the user sees it, taken
/// once pending events have run. Page export and printing both take their pictures here.
QPixmap pagePicture(TReaderForm& form);

/// The batch run of `--export-pages`: imports `container` with every result picked, shows
/// every page tab of every result in turn and saves the window's client area of each as
/// `folder`/<result>-<page index>-<page caption>.png. Returns the exit status: 0, or 1 when
/// the container was refused or a picture could not be written.
int exportPages(TReaderForm& form, const QString& container, const QString& folder);

} // namespace vintrel
