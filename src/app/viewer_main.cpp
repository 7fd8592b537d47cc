#include "app/viewer_main.h"

#include "app/instance_channel.h"
#include "app/page_export.h"
#include "app/reader_form.h"
#include "app/startup.h"
#include "app/viewer_application.h"
#include "base/log.h"
#include "controls/fonts.h"
#include "controls/messages.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <cstdio>

namespace vintrel {

namespace {

std::optional<QSize> parseSize(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return std::nullopt;
    bool okW = false;
    bool okH = false;
    const int w = parts[0].toInt(&okW);
    const int h = parts[1].toInt(&okH);
    if (!okW || !okH || w <= 0 || h <= 0 || w > 16384 || h > 16384)
        return std::nullopt;
    return QSize(w, h);
}

std::filesystem::path workingRoot() {
    // The data home itself may be missing on a fresh account; the working root inside it is
    // then made by the start-up steps as usual.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(base);
    return std::filesystem::path((base + QStringLiteral("/Vintrel")).toStdString());
}

} // namespace

ViewerOptions parseViewerOptions(const QStringList& arguments, const QString& startFolder) {
    ViewerOptions options;
    QStringList files;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool valued = argument == QLatin1String("--export-pages") ||
                            argument == QLatin1String("--size") ||
                            argument == QLatin1String("--channel");
        if (valued && i + 1 >= arguments.size()) {
            options.error = argument + QStringLiteral(" needs a value");
            return options;
        }
        if (argument == QLatin1String("--export-pages")) {
            options.exportFolder = arguments[++i];
        } else if (argument == QLatin1String("--size")) {
            options.size = parseSize(arguments[++i]);
            if (!options.size) {
                options.error = QStringLiteral("--size wants WIDTHxHEIGHT, got ") + arguments[i];
                return options;
            }
        } else if (argument == QLatin1String("--channel")) {
            options.channel = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--"))) {
            options.error = QStringLiteral("unknown option ") + argument;
            return options;
        } else {
            files << argument;
        }
    }
    const QDir start(startFolder);
    const auto absolute = [&start](const QString& path) {
        return path.isEmpty() ? path : QDir::cleanPath(start.absoluteFilePath(path));
    };
    if (!files.isEmpty())
        options.file = absolute(files.front());
    options.exportFolder = absolute(options.exportFolder);
    if (!options.exportFolder.isEmpty() && options.file.isEmpty())
        options.error = QStringLiteral("--export-pages needs a container to open");
    return options;
}

int runViewer(int argc, char** argv) {
    VintrelApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vintrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vintrel"));
    // Paths on the command line belong to the folder the user started from, which is the
    // current folder only until the module start-up below.
    const ViewerOptions options = parseViewerOptions(app.arguments().mid(1), QDir::currentPath());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "vintrel: %s\n", qPrintable(options.error));
        std::fprintf(stderr, "usage: vintrel [--size WxH] [--export-pages DIR] [FILE]\n");
        return 2;
    }
    const bool batch = !options.exportFolder.isEmpty();
    setMessagesToStandardError(batch);

    InstanceChannel channel(options.channel.isEmpty() ? InstanceChannel::defaultName()
                                                      : options.channel);
    // A batch run beside a running viewer must not clear that viewer's result folders: it works
    // in a folder of its own.
    QTemporaryDir batchRoot;
    const bool beside = batch && channel.isServed();
    if (beside && !batchRoot.isValid()) {
        std::fprintf(stderr, "vintrel: cannot create a temporary working folder\n");
        return 1;
    }

    // Module start-up: working root, current folder, log.
    const ViewerFolders folders{
        beside ? std::filesystem::path(batchRoot.path().toStdString()) / "Vintrel" : workingRoot(),
        std::filesystem::path(app.applicationDirPath().toStdString())};
    QDir::setCurrent(app.applicationDirPath());
    configureLog(folders.workingRoot, {[] { QCoreApplication::processEvents(); },
                                       [](const std::string& text) {
                                           showMessage(nullptr, QString::fromStdString(text));
                                       }});
    runModuleStartup(folders.workingRoot);

    // The single-instance rule; a batch run keeps to itself.
    if (!batch) {
        if (channel.handOver(options.file))
            return 0;
        QString error;
        if (!channel.listen(&error)) {
            showMessage(nullptr, error);
            return 1;
        }
    }

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installViewerFonts();
    TReaderForm form(folders);
    form.pickAllResults = batch;
    QObject::connect(&channel, &InstanceChannel::openRequested, &form, &TReaderForm::WMOpenFile);
    if (options.size) {
        form.resize(*options.size);
        form.show();
    } else {
        // Restored, the window sits in the middle of the primary screen.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        form.resize(form.minimumSize().boundedTo(screen.size()));
        form.move(screen.center() - form.rect().center());
        form.showMaximized();
    }
    clearPreviousRun(folders.workingRoot);
    if (batch)
        return exportPages(form, options.file, options.exportFolder);
    if (!options.file.isEmpty())
        form.openDataFile(options.file);
    return app.exec();
}

} // namespace vintrel
