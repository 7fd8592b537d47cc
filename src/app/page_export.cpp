#include "app/page_export.h"

#include "app/reader_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace vintrel {

QString fileSafeName(const QString& name) {
    QString safe;
    for (const QChar c : name) {
        const bool plain = c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('.') ||
                                                 c == QLatin1Char('-') || c == QLatin1Char('(') ||
                                                 c == QLatin1Char(')'));
        safe += plain ? c : QLatin1Char('_');
    }
    return safe.isEmpty() ? QStringLiteral("_") : safe;
}

QPixmap pagePicture(TReaderForm& form) {
    QCoreApplication::processEvents();
    return form.grab();
}

namespace {

bool savePage(TReaderForm& form, const QDir& out, const QString& result, int page,
              const QString& caption) {
    const QString name = QStringLiteral("%1-%2-%3.png")
                             .arg(fileSafeName(result))
                             .arg(page)
                             .arg(fileSafeName(caption));
    if (pagePicture(form).save(out.filePath(name), "PNG"))
        return true;
    std::fprintf(stderr, "Cannot write %s\n", qPrintable(out.filePath(name)));
    return false;
}

} // namespace

int exportPages(TReaderForm& form, const QString& container, const QString& folder) {
    const QDir out(folder);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "Cannot create folder %s\n", qPrintable(folder));
        return 1;
    }
    form.openDataFile(container);
    if (!form.lastImportOk)
        return 1;
    TSuperTabs& strip = *form.panel()->Zakladki;
    TSuperTabs& pages = *form.panel()->Zakladki_Results;
    bool written = true;
    for (int tab = 0; tab < strip.TabCount(); ++tab) {
        const TTab* result = strip.Tabs(tab);
        if (result->Kind() != TKind::tkResult && result->Kind() != TKind::tkDynamic)
            continue;
        strip.SetCurrentTab(tab, -1);
        form.ZakladkiClick(&strip, Qt::LeftButton);
        const TKind pageKind =
            result->Kind() == TKind::tkResult ? TKind::tkControl : TKind::tkDynamic;
        for (int page = 0; page < pages.TabCount(); ++page) {
            if (pages.Tabs(page)->Kind() != pageKind || !pages.Tabs(page)->Visible())
                continue;
            pages.SetCurrentTab(page, -1);
            form.Zakladki_ResultsClick(&pages, Qt::LeftButton);
            written = savePage(form, out, result->TabName(), page, pages.Tabs(page)->TabName()) &&
                      written;
        }
    }
    return written ? 0 : 1;
}

} // namespace vintrel
