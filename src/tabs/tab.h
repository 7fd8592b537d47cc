#pragma once

#include "tabs/page_id.h"
#include "tabs/tab_kind.h"

#include <QString>

namespace vintrel {

class TSuperTabs;

/// One tab of a strip with the data the application keeps about the result behind it.
/// Setting a property that changes the look repaints the strip.
class TTab {
public:
    explicit TTab(TSuperTabs* parent) : FParent(parent) {}

    /// The caption.
    QString TabName() const { return FTabName; }
    void setTabName(const QString& name);
    /// The result folder behind the tab; empty for other tabs.
    QString ResDir() const { return FResDir; }
    void setResDir(const QString& folder) { FResDir = folder; }
    /// Hidden tabs take no room and cannot be hit.
    bool Visible() const { return FVisible; }
    void setVisible(bool visible);
    TKind Kind() const { return FKind; }
    void setKind(TKind kind);
    /// False once the result's description was edited and not saved.
    bool Saved() const { return FSaved; }
    void setSaved(bool saved) { FSaved = saved; }
    /// The hint text; the caption when no hint text was given.
    QString Hint() const { return FHintText.isEmpty() ? FTabName : FHintText; }
    void setHint(const QString& hint) { FHintText = hint; }
    /// Path of the container the result came from.
    QString FileName() const { return FFileName; }
    void setFileName(const QString& path) { FFileName = path; }
    /// Description of that container.
    QString FileDescr() const { return FFileDescr; }
    void setFileDescr(const QString& description) { FFileDescr = description; }
    /// The result page behind a page tab (`PageId::None` for other tabs). It stays with the
    /// tab when tabs are dragged, so the owner finds a page by it, never by a place.
    PageId pageId() const { return FPageId; }
    void setPageId(PageId id) { FPageId = id; }
    /// The strip that owns the tab.
    TSuperTabs* Parent() const { return FParent; }

    /// Exchanges every property with `other`; both keep their strip.
    void swapWith(TTab& other);

private:
    friend class TSuperTabs;

    void repaintParent() const;

    TSuperTabs* FParent;
    QString FTabName;
    QString FResDir;
    bool FVisible = true;
    TKind FKind = TKind::tkControl;
    bool FSaved = true;
    QString FHintText;
    QString FFileName;
    QString FFileDescr;
    PageId FPageId = PageId::None;
};

} // namespace vintrel
