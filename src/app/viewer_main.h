#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace vintrel {

/// What the command line asks for.
struct ViewerOptions {
    /// The container to open (the first argument; further ones are ignored).
    QString file;
    /// `--export-pages DIR`: the batch run that saves every page as a picture.
    QString exportFolder;
    /// `--size WxH`: the window's size instead of the maximised start.
    std::optional<QSize> size;
    /// `--channel NAME`: the single-instance channel (tests use their own).
    QString channel;
    /// Empty when the command line was understood, else what was wrong with it.
    QString error;
};

/// Reads the viewer's arguments (without the program name).
ViewerOptions parseViewerOptions(const QStringList& arguments);

/// The whole run of the viewer: start-up in its fixed order, the single-instance rule, the
/// main window, the message loop. Returns the exit status.
int runViewer(int argc, char** argv);

} // namespace vintrel
