#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace vintrel::assets {

/// One picture: its file name under data/, its size and how to draw it. The image starts filled
/// with the transparent magenta; the painter draws over it.
struct Asset {
    QString fileName;
    int width = 0;
    int height = 0;
    std::function<void(QImage&)> paint;
};

/// Registers a group of pictures; each painter file calls this from a static initialiser:
///   static const bool registered = vintrel::assets::registerAssets(&myPictures);
bool registerAssets(std::vector<Asset> (*group)());

/// Every registered picture, in registration order.
std::vector<Asset> allAssets();

} // namespace vintrel::assets
