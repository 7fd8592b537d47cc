#include "tabs/tab.h"

#include "tabs/super_tabs.h"

#include <utility>

namespace vintrel {

void TTab::setTabName(const QString& name) {
    FTabName = name;
    repaintParent();
}

void TTab::setVisible(bool visible) {
    FVisible = visible;
    repaintParent();
}

void TTab::setKind(TKind kind) {
    FKind = kind;
    repaintParent();
}

void TTab::swapWith(TTab& other) {
    std::swap(FTabName, other.FTabName);
    std::swap(FResDir, other.FResDir);
    std::swap(FFileName, other.FFileName);
    std::swap(FFileDescr, other.FFileDescr);
    std::swap(FVisible, other.FVisible);
    std::swap(FKind, other.FKind);
    std::swap(FSaved, other.FSaved);
    std::swap(FHintText, other.FHintText);
    std::swap(FPageId, other.FPageId);
}

void TTab::repaintParent() const {
    if (FParent)
        FParent->update();
}

} // namespace vintrel
