#include "hamiltonian/ham_grid_painter.h"

#include "base/rounding.h"
#include "hamiltonian/ham_states.h"
#include "hamiltonian/ham_texts.h"

#include <QFontMetrics>
#include <QPainter>

namespace vintrel {

namespace {

const QColor kGridLine(176, 174, 186);
const QColor kOutline(20, 20, 28);
constexpr int kOutlineWidth = 2;

QRect qRect(const GridRect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

// One part of a caption cell: its pieces' widths and its height in the chosen fonts.
struct PartMetrics {
    int before = 0;
    int subscript = 0;
    int after = 0;
    int height = 0;
    int width() const { return before + subscript + after; }
};

PartMetrics measure(const HeaderPart& part, const QFontMetrics& text, const QFontMetrics& sub) {
    PartMetrics m;
    m.before = text.horizontalAdvance(part.before);
    m.subscript = sub.horizontalAdvance(part.subscript);
    m.after = text.horizontalAdvance(part.after);
    m.height = text.height() + (part.subscript.isEmpty() ? 0 : roundHalfEven(0.2 * sub.height()));
    return m;
}

// `drawHeaderText`: the letters before "_" in the cell font, the character after it lowered
// (its foot 0.2 of its height below the line's foot) at 0.7 of the size, then the rest.
void drawHeaderText(QPainter& painter, const HeaderPart& part, const PartMetrics& m, int x, int y,
                    const QFont& text, const QFont& sub) {
    const QFontMetrics textMetrics(text);
    const QFontMetrics subMetrics(sub);
    painter.setFont(text);
    painter.drawText(x, y + textMetrics.ascent(), part.before);
    if (!part.subscript.isEmpty()) {
        painter.setFont(sub);
        const int foot = y + m.height;
        painter.drawText(x + m.before, foot - subMetrics.descent(), part.subscript);
        painter.setFont(text);
    }
    painter.drawText(x + m.before + m.subscript, y + textMetrics.ascent(), part.after);
}

void paintCaptionCell(QPainter& painter, const HamGridScene& scene, GridCell cell,
                      const QRect& rect) {
    painter.fillRect(rect, kHeaderCellColour);
    const int state = cell.column == 0 ? cell.row : cell.column;
    if (state == 0 || state > int(scene.captions->size()))
        return;
    const HeaderCaption& caption = (*scene.captions)[std::size_t(state - 1)];
    const bool selected =
        cell.column == 0 ? scene.selection.selRow == state : scene.selection.selCol == state;
    const QFont& text = selected ? scene.fonts->bold : scene.fonts->plain;
    const QFont& sub = selected ? scene.fonts->subscriptBold : scene.fonts->subscript;
    const QFontMetrics textMetrics(text);
    const QFontMetrics subMetrics(sub);
    std::vector<PartMetrics> metrics;
    for (const HeaderPart& part : caption)
        metrics.push_back(measure(part, textMetrics, subMetrics));
    painter.save();
    painter.setClipRect(rect);
    painter.setPen(Qt::black);
    if (cell.column == 0) { // a row caption: the parts stacked
        int height = 0;
        for (const PartMetrics& m : metrics)
            height += m.height;
        int y = rect.y() + (rect.height() - height) / 2;
        for (std::size_t i = 0; i < caption.size(); ++i) {
            const int x = rect.x() + (rect.width() - metrics[i].width()) / 2;
            drawHeaderText(painter, caption[i], metrics[i], x, y, text, sub);
            y += metrics[i].height;
        }
    } else { // a column caption: the parts side by side
        const int gap = textMetrics.horizontalAdvance(QLatin1Char(' '));
        int width = 0;
        int height = 0;
        for (const PartMetrics& m : metrics) {
            width += m.width() + (width > 0 ? gap : 0);
            height = std::max(height, m.height);
        }
        int x = rect.x() + (rect.width() - width) / 2;
        const int y = rect.y() + (rect.height() - height) / 2;
        for (std::size_t i = 0; i < caption.size(); ++i) {
            drawHeaderText(painter, caption[i], metrics[i], x, y, text, sub);
            x += metrics[i].width() + gap;
        }
    }
    painter.restore();
}

void paintOutline(QPainter& painter, const HamGridScene& scene, GridCell cell, const QRect& rect) {
    const int N = scene.view->states();
    const bool row = scene.selection.selRow >= 1 && scene.selection.selRow <= N;
    const bool column = scene.selection.selCol >= 1 && scene.selection.selCol <= N;
    bool sides = false;
    bool topBottom = false;
    if (row && column) {
        sides = topBottom =
            cell.row == scene.selection.selRow && cell.column == scene.selection.selCol;
    } else {
        sides = column && cell.column == scene.selection.selCol;
        topBottom = row && cell.row == scene.selection.selRow;
    }
    if (sides) {
        painter.fillRect(rect.x(), rect.y(), kOutlineWidth, rect.height(), kOutline);
        painter.fillRect(rect.right() - kOutlineWidth + 1, rect.y(), kOutlineWidth, rect.height(),
                         kOutline);
    }
    if (topBottom) {
        painter.fillRect(rect.x(), rect.y(), rect.width(), kOutlineWidth, kOutline);
        painter.fillRect(rect.x(), rect.bottom() - kOutlineWidth + 1, rect.width(), kOutlineWidth,
                         kOutline);
    }
}

void paintDataCell(QPainter& painter, const HamGridScene& scene, GridCell cell, const QRect& rect,
                   const QFontMetrics& plain, const QFontMetrics& emphasised) {
    painter.fillRect(rect, checkerOdd(cell.row, cell.column, scene.blockSide) ? kOddBlockColour
                                                                              : kEvenBlockColour);
    paintOutline(painter, scene, cell, rect);
    const PreparedLine* lines = scene.texts->lines(cell.row, cell.column);
    if (!lines)
        return;
    const int s = scene.texts->lineCount();
    for (int p = 0; p < s; ++p) {
        const PreparedLine& line = lines[p];
        const QFontMetrics& metrics = line.emphasised ? emphasised : plain;
        const int bandTop = rect.y() + p * rect.height() / s;
        const int bandHeight = (p + 1) * rect.height() / s - p * rect.height() / s;
        const int baseline = bandTop + (bandHeight - metrics.height()) / 2 + metrics.ascent();
        const int width = line.tooWide ? scene.texts->longWidth(line.emphasised) : line.width;
        const int x = rect.x() + (rect.width() - width) / 2;
        const bool overflows = width > rect.width();
        if (overflows) {
            painter.save();
            painter.setClipRect(rect);
        }
        painter.setFont(line.emphasised ? scene.fonts->emphasised : scene.fonts->plain);
        painter.setPen(termColour(line.term));
        if (line.tooWide) {
            painter.drawText(x, baseline, QString::fromLatin1(kLongText));
        } else {
            painter.drawText(x, baseline,
                             QString::fromLatin1(line.stem.data(), qsizetype(line.stem.size())));
            if (line.imaginaryUnit)
                painter.drawText(x + line.stemWidth + 1, baseline, QStringLiteral("i"));
        }
        if (overflows)
            painter.restore();
    }
}

} // namespace

QColor termColour(HamTerm term) {
    switch (term) {
    case HamTerm::ls:
        return QColor(255, 0, 0);
    case HamTerm::cef:
        return QColor(0, 0, 255);
    case HamTerm::zeeman:
        return QColor(0, 128, 0);
    }
    return Qt::black;
}

HeaderCaption headerCaption(const std::string& caption) {
    HeaderCaption parts;
    for (std::string_view text : captionParts(caption)) {
        HeaderPart part;
        const std::size_t mark = text.find('_');
        if (mark == std::string_view::npos) {
            part.before = QString::fromUtf8(text.data(), qsizetype(text.size()));
        } else {
            part.before = QString::fromUtf8(text.data(), qsizetype(mark));
            const std::string_view rest = text.substr(mark + 1);
            if (!rest.empty()) {
                part.subscript = QString::fromUtf8(rest.data(), 1);
                part.after = QString::fromUtf8(rest.data() + 1, qsizetype(rest.size() - 1));
            }
        }
        parts.push_back(part);
    }
    return parts;
}

HamGridFonts::HamGridFonts(const QFont& cell)
    : plain(cell), bold(cell), emphasised(cell), subscript(cell), subscriptBold(cell) {
    bold.setBold(true);
    emphasised.setBold(true);
    emphasised.setUnderline(true);
    const int subSize = roundHalfEven(cell.pointSizeF() * 0.7);
    subscript.setPointSize(std::max(1, subSize));
    subscriptBold = subscript;
    subscriptBold.setBold(true);
}

void paintHamGrid(QPainter& painter, const HamGridScene& scene) {
    const HamGridView& view = *scene.view;
    const QRect client(0, 0, view.clientWidth(), view.clientHeight());
    painter.fillRect(client, scene.background);
    painter.fillRect(0, 0, view.shownWidth(), view.shownHeight(), kGridLine);
    const QFontMetrics plain(scene.fonts->plain);
    const QFontMetrics emphasised(scene.fonts->emphasised);
    const int lastColumn = view.lastShownColumn();
    const int lastRow = view.lastShownRow();
    auto rows = [&](auto&& each) {
        each(0);
        for (int row = view.topRow(); row <= lastRow; ++row)
            each(row);
    };
    rows([&](int row) {
        auto cell = [&](int column) {
            const GridCell at{row, column};
            const auto rect = view.cellRect(at);
            if (!rect)
                return;
            if (row == 0 || column == 0)
                paintCaptionCell(painter, scene, at, qRect(*rect));
            else
                paintDataCell(painter, scene, at, qRect(*rect), plain, emphasised);
        };
        cell(0);
        for (int column = view.leftCol(); column <= lastColumn; ++column)
            cell(column);
    });
}

} // namespace vintrel
