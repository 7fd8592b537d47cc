// Draws every registered picture as a 24-bit BMP into the folder named on the command line.
#include "asset_registry.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vintrel-assets OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    int count = 0;
    for (const auto& asset : vintrel::assets::allAssets()) {
        QImage image(asset.width, asset.height, QImage::Format_RGB888);
        image.fill(QColor(255, 0, 255));
        asset.paint(image);
        if (!image.save(out.filePath(asset.fileName), "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(asset.fileName));
            return 1;
        }
        ++count;
    }
    std::printf("%d pictures written to %s\n", count, argv[1]);
    return 0;
}
