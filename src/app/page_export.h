#pragma once

#include <QString>

namespace vintrel {

class TReaderForm;

/// A name made safe for a file name: every character other than ASCII letters, digits, ".",
/// "-", "(" and ")" becomes "_"; an empty name becomes "_".
QString fileSafeName(const QString& name);

/// The batch run of `--export-pages`: imports `container` with every result picked, shows
/// every page tab of every result in turn and saves the window's client area of each as
/// `folder`/<result>-<page index>-<page caption>.png. Returns the exit status: 0, or 1 when
/// the container was refused or a picture could not be written.
int exportPages(TReaderForm& form, const QString& container, const QString& folder);

} // namespace vintrel
