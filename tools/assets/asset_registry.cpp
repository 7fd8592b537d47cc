#include "asset_registry.h"

namespace vintrel::assets {

namespace {
std::vector<std::vector<Asset> (*)()>& groups() {
    static std::vector<std::vector<Asset> (*)()> all;
    return all;
}
} // namespace

bool registerAssets(std::vector<Asset> (*group)()) {
    groups().push_back(group);
    return true;
}

std::vector<Asset> allAssets() {
    std::vector<Asset> result;
    for (auto group : groups())
        for (Asset& asset : group())
            result.push_back(std::move(asset));
    return result;
}

} // namespace vintrel::assets
