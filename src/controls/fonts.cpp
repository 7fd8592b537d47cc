#include "controls/fonts.h"

#include <QGuiApplication>

namespace vintrel {

namespace {
const char* const kSansFamilies[] = {"Tahoma",   "Calibri", "Arial", "MS Sans Serif",
                                     "Segoe UI", "Verdana", "Symbol"};
const char* const kMonoFamilies[] = {"Courier New", "Courier", "Consolas", "Lucida Console"};
} // namespace

QString mapFontFamily(const QString& family) {
    for (const char* name : kMonoFamilies)
        if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return fonts::kMono;
    if (family == fonts::kMono || family == fonts::kSans)
        return family;
    return fonts::kSans;
}

QFont viewerFont(const QString& family, int pointSize, bool bold) {
    QFont font(mapFontFamily(family), pointSize);
    font.setBold(bold);
    font.setStyleHint(family.contains(QLatin1String("Courier"), Qt::CaseInsensitive)
                          ? QFont::Monospace
                          : QFont::SansSerif);
    return font;
}

void installViewerFonts() {
    for (const char* name : kSansFamilies)
        QFont::insertSubstitution(QLatin1String(name), fonts::kSans);
    for (const char* name : kMonoFamilies)
        QFont::insertSubstitution(QLatin1String(name), fonts::kMono);
    QGuiApplication::setFont(viewerFont());
}

} // namespace vintrel
