#pragma once

#include "tabs/reader_panel.h"

#include <QMainWindow>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;

namespace vintrel {

class TLoadPickForm;
class TLoadingResultsForm;
class TCloseAllTabsForm;
class TMyButton;
class TRenameTabForm;
class TSavePickForm;
class TStartPanel;
class TVisibleTabsForm;
class TWizardForm;

/// Where the viewer works: the working root with the log and the result folders, and the
/// folder of the files shipped beside the program.
struct ViewerFolders {
    std::filesystem::path workingRoot;
    std::filesystem::path dataFolder;
};

/// The main window: toolbar, menus, the result panel with its two strips, and the commands
/// that open containers and act on result tabs.
class TReaderForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 1024;
    static constexpr int kMinimumHeight = 750;

    explicit TReaderForm(ViewerFolders folders, QWidget* parent = nullptr);
    ~TReaderForm() override;

    /// Imports a container and adds a tab for every imported result.
    void openDataFile(const QString& path);
    /// The Open command: the open dialog, then `openDataFile` for each chosen file.
    void ButtonLoadClick();
    /// Adds the tab of a freshly imported result (its folder is `currentResultFolder`).
    void ShowResults(const QString& tabName, const QString& fileName, TKind kind,
                     const QString& description);
    /// Result strip and page strip clicks.
    void ZakladkiClick(TSuperTabs* Sender, Qt::MouseButton Button);
    void Zakladki_ResultsClick(TSuperTabs* Sender, Qt::MouseButton Button);
    /// Hide Tab and Delete Tab on the tab selected in the strip given by `lastClickOnPages`.
    void HideTab1Click();
    void DeleteTab1Click();
    /// The menu entries: act on the active result tab.
    void HideTabMenuClick();
    void DeleteTabMenuClick();
    /// "About Vintrel": the start tab comes back.
    void AboutVintrel1Click();
    /// Jumps to the "parameters" page of the current result.
    void przelaczNaParametryResult();
    /// A second copy asked to be shown and to open `path` (empty: only show).
    void WMOpenFile(const QString& path);
    /// The current result's description was edited: its tab is marked unsaved and both Save
    /// buttons are enabled.
    void descriptionEdited();

    /// "Save as": the results of the active result's container and kind. "Save all": every
    /// ordinary result. Both run the save dialog.
    void MyButtonSaveClick();
    void MyButton_saveALLClick();
    /// Renames the tab selected in the strip given by `lastClickOnPages`; the menu entry acts
    /// on the active result tab.
    void RenameTab1Click();
    void RenameTabMenuClick();
    /// The visible-tabs dialog.
    void MyButton_TABSClick();
    /// The close-tabs dialog.
    void MyButton_CloseAllClick();
    /// Removes the result tab at `index` with its page and its result folder.
    void DeleteTab(int index);
    /// Prints pages of the current result.
    void MyButton_PRINTClick();

    TMyReaderPanel2* panel() const { return MyReaderPanel; }
    TLoadPickForm* loadPickForm() const { return LoadPickForm; }
    TLoadingResultsForm* loadingResultsForm() const { return LoadingResultsForm; }
    const ViewerFolders& folders() const { return folders_; }
    TSavePickForm* savePickForm() const { return SavePickForm; }
    TRenameTabForm* renameTabForm() const { return RenameTabForm; }
    TVisibleTabsForm* visibleTabsForm() const { return VisibleTabsForm; }
    TCloseAllTabsForm* closeAllTabsForm() const { return CloseAllTabsForm; }
    TWizardForm* wizardForm() const { return WizardForm; }
    /// The help commands ("help", "Help", "Index", F1): the help window.
    void MyButtonWizardClick();
    /// Paths in the open dialog; tests set this to skip the dialog.
    std::function<QStringList()> chooseFiles;
    /// The system's print dialog on `printer`: true when the user confirmed. Tests put their
    /// own here (a PDF file as the printer); by default the dialog is shown.
    std::function<bool(QPrinter&)> setupPrinter;
    /// Imports take every stored result without the pick and progress windows (batch runs).
    bool pickAllResults = false;
    /// The ok flag of the last import: false when its file was refused, its pick dialog
    /// cancelled or it ended with an error.
    bool lastImportOk = false;

private:
    /// One import of `openDataFile`.
    void importOne(const QString& path);
    bool importing_ = false;
    QStringList pendingFiles_;

public:
    QString currentResultFolder;
    bool lastClickOnPages = false;

    QWidget* BelkaPanel;
    TMyButton* MyButton_Open;
    TMyButton* MyButtonSave;
    TMyButton* MyButton_saveALL;
    TMyButton* MyButton_PRINT;
    TMyButton* MyButton_settings;
    TMyButton* MyButton_TABS;
    TMyButton* MyButton_CloseAll;
    TMyButton* MyButtonWizard;
    TMyButton* MyButton_export;
    TMyButton* MyButton_RUN;
    QLabel* Label9;
    QLabel* LabelFileName;
    QLabel* Label10;
    QLineEdit* LabelFileDescrEdit;
    TStartPanel* Panel1;
    QMenu* PopupMenu1;
    QAction* RenameTab1;
    QAction* HideTab1;
    QAction* DeleteTab1;
    QAction* VisibleTabs1;
    QAction* SaveAsMenu;
    QAction* SaveAllMenu;
    QAction* PrintMenu;
    QAction* RenameTabMenu;
    QAction* VisibleTabsMenu;
    QAction* AboutVintrel1;
    QAction* HelpIndex;
    TWizardForm* WizardForm;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildToolbar();
    void buildMenus();
    void buildPopupMenu();
    /// Each command group makes its dialogs and connects its buttons and menu entries.
    void buildSaveCommands();
    void buildTabDialogs();
    void buildPrintCommand();
    /// The save dialog on the gathered result tabs.
    void saveTabs(const std::vector<const TTab*>& tabs, bool meanField);
    /// Print is offered exactly while a result is current.
    void updatePrintCommand();
    /// Removes the result tab at `index`, its page and its result folder; the tab must no
    /// longer be the active one.
    void removeResultTab(int index);
    TMyButton* toolButton(const QString& picture, const QString& hint, bool enabled);
    void resultTabChosen(TTab& tab);
    void showFileLabels(const TTab& tab);
    void loadCurrentInputs();
    void showPageStrip(bool shown);
    /// The page on show while a result is current, else `PageId::None`.
    PageId shownPage() const;
    void WMWindowPosChanged();
    bool routeWheel(QWheelEvent* event);
    std::vector<std::string> resultFoldersOnDisk() const;
    void removeResultFolders(const QStringList& folders) const;

    ViewerFolders folders_;
    TMyReaderPanel2* MyReaderPanel;
    TLoadPickForm* LoadPickForm;
    TLoadingResultsForm* LoadingResultsForm;
    TSavePickForm* SavePickForm = nullptr;
    TRenameTabForm* RenameTabForm = nullptr;
    TVisibleTabsForm* VisibleTabsForm = nullptr;
    TCloseAllTabsForm* CloseAllTabsForm = nullptr;
};

} // namespace vintrel
