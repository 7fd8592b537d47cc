// The pictures of the help pages, shot from the viewer on the example containers:
//   vintrel-help-shots pictures EXAMPLES_FOLDER OUT_FOLDER
// writes one PNG per entry of kShots (the main window at 1024 x 750, scaled to the width of the
// help's page view) and pick-dialog.png; and the help window for review:
//   vintrel-help-shots window OUT_FOLDER
// writes help-EN.png, help-PL.png, help-DE.png (the start page) and help-EN-levels.png and so
// on, one for every other page of each language.
#include "app/help_browser.h"
#include "app/page_export.h"
#include "app/reader_form.h"
#include "app/wizard_form.h"
#include "base/log.h"
#include "containers/import_dialogs.h"
#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "tabs/reader_panel.h"
#include "tabs/super_tabs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QThread>

#include <cstdio>

using namespace vintrel;

namespace {

/// The width of the pictures: what the page view of the help window shows without scrolling.
constexpr int kPictureWidth = 560;

/// One picture: the container, the result tab (1 = the first result), the page caption (empty
/// for the start tab), buttons to press first (by caption), and the file name.
struct Shot {
    const char* container;
    int resultTab;
    const char* page;
    std::vector<const char*> press;
    const char* fileName;
};

const std::vector<Shot> kShots = {
    {"Ce-cubic.zrvn", 0, "", {}, "start.png"},
    {"Ce-cubic.zrvn", 1, "parameters", {}, "parameters.png"},
    {"Ti-LS-complex.zrvn", 1, "Hamiltonian", {}, "hamiltonian.png"},
    {"Ce-cubic.zrvn", 1, "CEF view", {}, "cef-view.png"},
    {"Ce-cubic.zrvn", 1, "energy levels", {}, "levels.png"},
    {"Ce-cubic.zrvn", 1, "energy levels", {"show transitions"}, "levels-transitions.png"},
    {"Ce-cubic.zrvn", 1, "spectroscopy", {}, "spectroscopy.png"},
    {"Ce-cubic.zrvn", 1, "magnetic sus.", {}, "susceptibility.png"},
    {"Ce-cubic.zrvn", 1, "inverse sus.", {}, "inverse.png"},
    {"Ce-cubic.zrvn", 1, "specific heat", {}, "specific-heat.png"},
    {"Ce-cubic.zrvn", 1, "entropy", {}, "entropy.png"},
    {"Ce-cubic.zrvn", 1, "description", {}, "description.png"},
    {"Nd-meanfield.mfa", 1, "energy (MF)", {}, "mf-energy.png"},
    {"Nd-meanfield.mfa", 1, "visualizer (MF)", {}, "mf-visualizer.png"},
    {"Nd-meanfield.mfa", 1, "moment (MF)", {}, "mf-moment.png"},
    {"Nd-meanfield.mfa", 1, "mag. susc. (MF)", {}, "mf-susceptibility.png"},
    {"Nd-meanfield.mfa", 1, "anisotropy (MF)", {}, "mf-anisotropy.png"},
    {"Nd-meanfield.mfa", 1, "spec. heat (MF)", {}, "mf-specific-heat.png"},
};

void settle() {
    for (int i = 0; i < 8; ++i) {
        QApplication::processEvents();
        QThread::msleep(15);
    }
}

void click(QWidget* widget) {
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

bool pressButton(TReaderForm& form, const QString& caption) {
    for (TMyButton* button : form.findChildren<TMyButton*>())
        if (button->isVisible() && button->Caption() == caption) {
            click(button);
            return true;
        }
    std::fprintf(stderr, "no button %s on show\n", qPrintable(caption));
    return false;
}

/// A main window on a working root of its own, with every result imported without dialogs.
struct Viewer {
    QTemporaryDir root;
    std::unique_ptr<TReaderForm> form;
    QString container;

    bool open(const QString& path) {
        if (form && container == path)
            return true;
        form.reset();
        const std::filesystem::path working = std::filesystem::path(root.path().toStdString()) /
                                              ("Vintrel-" + std::to_string(std::rand()));
        std::filesystem::create_directories(working);
        configureLog(working, {[] { QCoreApplication::processEvents(); }, {}});
        form = std::make_unique<TReaderForm>(ViewerFolders{
            working, std::filesystem::path(QCoreApplication::applicationDirPath().toStdString())});
        form->pickAllResults = true;
        form->resize(TReaderForm::kMinimumWidth, TReaderForm::kMinimumHeight);
        form->show();
        settle();
        form->openDataFile(path);
        container = path;
        return form->lastImportOk;
    }
};

bool shoot(Viewer& viewer, const QDir& examples, const QDir& out, const Shot& shot) {
    if (!viewer.open(examples.filePath(QString::fromLatin1(shot.container))))
        return false;
    TReaderForm& form = *viewer.form;
    TSuperTabs& results = *form.panel()->Zakladki;
    results.SetCurrentTab(shot.resultTab, -1);
    form.ZakladkiClick(&results, Qt::LeftButton);
    settle();
    const QString caption = QString::fromLatin1(shot.page);
    if (!caption.isEmpty()) {
        TSuperTabs& pages = *form.panel()->Zakladki_Results;
        int found = -1;
        for (int i = 0; i < pages.TabCount(); ++i)
            if (pages.Tabs(i)->TabName() == caption && pages.Tabs(i)->Visible())
                found = i;
        if (found < 0) {
            std::fprintf(stderr, "no page %s\n", shot.page);
            return false;
        }
        pages.SetCurrentTab(found, -1);
        form.Zakladki_ResultsClick(&pages, Qt::LeftButton);
        settle();
    }
    for (const char* button : shot.press)
        if (!pressButton(form, QString::fromLatin1(button)))
            return false;
    settle();
    const QImage picture =
        pagePicture(form).toImage().scaledToWidth(kPictureWidth, Qt::SmoothTransformation);
    const QString path = out.filePath(QString::fromLatin1(shot.fileName));
    if (!picture.convertToFormat(QImage::Format_RGB888).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

/// The pick dialog as an import of the container shows it: the stored names of its results,
/// each "as" the same tab name, every line ticked.
bool shootPickDialog(Viewer& viewer, const QDir& examples, const QDir& out) {
    const QString container = examples.filePath(QStringLiteral("Ce-cubic.zrvn"));
    if (!viewer.open(container))
        return false;
    TSuperTabs& results = *viewer.form->panel()->Zakladki;
    QStringList lines;
    QString description;
    for (int i = 0; i < results.TabCount(); ++i) {
        const TTab* tab = results.Tabs(i);
        if (tab->Kind() != TKind::tkResult && tab->Kind() != TKind::tkDynamic)
            continue;
        lines << tab->TabName() + QStringLiteral(" as ") + tab->TabName();
        description = tab->FileDescr();
    }
    TLoadPickForm& pick = *viewer.form->loadPickForm();
    pick.fill(QFileInfo(container).fileName(), description, lines);
    pick.show();
    settle();
    const QString path = out.filePath(QStringLiteral("pick-dialog.png"));
    const bool ok = pick.grab().toImage().convertToFormat(QImage::Format_RGB888).save(path, "PNG");
    pick.hide();
    if (ok)
        std::printf("%s\n", qPrintable(path));
    return ok;
}

bool shootWindow(const QDir& out) {
    TWizardForm wizard(QCoreApplication::applicationDirPath());
    wizard.ShowAndFocusBrowser();
    settle();
    bool ok = true;
    for (int language = 1; language <= 3; ++language) {
        TSuperTabs& strip = *wizard.MyPanel4->Zakladki;
        strip.SetCurrentTab(language - 1, -1);
        wizard.ZakladkiClick(&strip, Qt::LeftButton);
        settle();
        const QString folder = QString::fromLatin1(kHelpLanguages[language - 1].folder);
        ok &= wizard.grab().save(out.filePath(QStringLiteral("help-%1.png").arg(folder)));
        const QDir pages(
            QFileInfo(wizard.pageUrl(QStringLiteral("menu.html")).toLocalFile()).dir());
        for (const QString& page : pages.entryList({QStringLiteral("*.html")}, QDir::Files)) {
            if (page == QLatin1String("menu.html") || page == QLatin1String("welcome.html"))
                continue;
            wizard.WizardBrowser->setSource(wizard.pageUrl(page));
            settle();
            ok &= wizard.grab().save(out.filePath(
                QStringLiteral("help-%1-%2.png").arg(folder, QFileInfo(page).baseName())));
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool pictures = args.size() == 3 && args[0] == QLatin1String("pictures");
    const bool window = args.size() == 2 && args[0] == QLatin1String("window");
    if (!pictures && !window) {
        std::fprintf(stderr, "usage: vintrel-help-shots pictures EXAMPLES_FOLDER OUT_FOLDER\n"
                             "       vintrel-help-shots window OUT_FOLDER\n");
        return 2;
    }
    const QDir out(args.back());
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installViewerFonts();
    setMessagesToStandardError(true);
    if (window)
        return shootWindow(out) ? 0 : 1;
    // The toolbar shows the container's path as it was opened: "examples/Ce-cubic.zrvn" from
    // the folder above, wherever the checkout lies, so that the pictures come out the same.
    const QFileInfo examplesFolder(args[1]);
    QDir::setCurrent(examplesFolder.absolutePath());
    const QDir examples(examplesFolder.fileName());
    bool ok = true;
    Viewer viewer;
    for (const Shot& shot : kShots)
        ok = shoot(viewer, examples, out, shot) && ok;
    ok = shootPickDialog(viewer, examples, out) && ok;
    viewer.form.reset();
    disableLog();
    return ok ? 0 : 1;
}
