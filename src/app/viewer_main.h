#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace vintrel {

/// What the command line asks for.
struct ViewerOptions {
    /// The container to open (the first argument; further ones are ignored), absolute.
    QString file;
    /// `--export-pages DIR`: the batch run that saves every page as a picture; absolute.
    QString exportFolder;
    /// `--size WxH`: the window's size instead of the maximised start.
    std::optional<QSize> size;
    /// `--channel NAME`: the single-instance channel (tests use their own).
    QString channel;
    /// Empty when the command line was understood, else what was wrong with it.
    QString error;
};

/// Reads the viewer's arguments (without the program name). Relative paths are taken against
/// `startFolder`, the folder the user started the viewer from: start-up later makes the
/// program's own folder the current one, and a running copy that takes the file over works in
/// a folder of its own.
ViewerOptions parseViewerOptions(const QStringList& arguments, const QString& startFolder);

/// The whole run of the viewer: start-up in its fixed order, the single-instance rule, the
/// main window, the message loop. Returns the exit status.
int runViewer(int argc, char** argv);

} // namespace vintrel
