#include "tabs/super_tabs.h"

#include "controls/pictures.h"
#include "tabs/tab_pictures.h"

#include <QFontMetrics>
#include <QPainter>
#include <QToolTip>

#include <array>

namespace vintrel {

namespace {

constexpr int kCaptionIndent = 13;
constexpr int kCaptionDrop = 4;
constexpr int kCaptionMargin = 23;
constexpr int kDropMarkerIndent = 50;
constexpr int kArrowTop = 4;

const QPixmap& tabPicture(int index) {
    static const auto pictures = [] {
        std::array<QPixmap, tabpictures::kPictureCount> all;
        for (int i = 0; i < tabpictures::kPictureCount; ++i) {
            const auto name = tabpictures::kTabPictures[i].name;
            all[i] = loadPicture(QString::fromLatin1(name.data(), qsizetype(name.size())) +
                                 QStringLiteral(".bmp"));
        }
        return all;
    }();
    return pictures[index];
}

int pieceHeight(const QPixmap& piece) {
    return piece.isNull() ? tabpictures::kPieceHeight : piece.height();
}

TextWidth widthIn(const QFont& font) {
    return [metrics = QFontMetrics(font)](std::u32string_view text) {
        return metrics.horizontalAdvance(QString::fromUcs4(text.data(), qsizetype(text.size())));
    };
}

} // namespace

QFont TSuperTabs::captionFont(bool bold) const {
    QFont font = FFont;
    font.setBold(bold);
    return font;
}

QString TSuperTabs::CaptionShown(int index) const {
    const TTab* tab = Tabs(index);
    if (!tab)
        return QString();
    const int room = TabWidth() - kCaptionMargin;
    const std::u32string caption = tab->TabName().toStdU32String();
    const std::u32string shown =
        shortenCaption(caption, room, widthIn(captionFont(index == ActiveTab())));
    return QString::fromStdU32String(shown);
}

void TSuperTabs::paintTab(QPainter& painter, const TabPlacement& placement, bool active) const {
    using namespace tabpictures;
    const TTab& tab = *FTabs[placement.index];
    const int first = lookOf(tab.Kind(), placement.leftmost) + (active ? kActive : kInactive);
    const QPixmap& left = tabPicture(first + kLeft);
    const QPixmap& middle = tabPicture(first + kMiddle);
    const QPixmap& right = tabPicture(first + kRight);
    const int tabWidth = TabWidth();
    const int top = height() - pieceHeight(left);
    const int rightX = placement.x + tabWidth - right.width();
    const int middleX = placement.x + left.width();
    painter.drawPixmap(placement.x, top, left);
    if (!middle.isNull() && rightX > middleX)
        painter.drawPixmap(QRect(middleX, top, rightX - middleX, pieceHeight(middle)), middle);
    painter.drawPixmap(rightX, height() - pieceHeight(right), right);
}

void TSuperTabs::paintCaption(QPainter& painter, const TabPlacement& placement, bool active) const {
    const QFont font = captionFont(active);
    painter.setFont(font);
    painter.setPen(QColor(32, 32, 40));
    const int top = height() - tabpictures::kPieceHeight + kCaptionDrop;
    const int baseline = top + QFontMetrics(font).ascent();
    painter.drawText(placement.x + kCaptionIndent, baseline, CaptionShown(placement.index));
}

void TSuperTabs::paintArrows(QPainter& painter) const {
    if (LeftBtnVisible())
        painter.drawPixmap(2, kArrowTop, tabPicture(tabpictures::kNavPrevious));
    if (RightBtnVisible())
        painter.drawPixmap(width() - TabStripModel::kArrowZone, kArrowTop,
                           tabPicture(tabpictures::kNavNext));
}

void TSuperTabs::paintHint(QPainter& painter) const {
    if (!FShowingHint || FHintTab < 0 || FHintTab >= TabCount())
        return;
    const QString text = FTabs[FHintTab]->Hint();
    const QFont font = captionFont(false);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(text);
    const HintOrigin origin =
        hintOrigin(HintX, HintY, textWidth, metrics.height(), width(), height());
    const QPalette palette = QToolTip::palette();
    const QRect box(origin.x, origin.y, textWidth, metrics.height());
    painter.fillRect(box, palette.color(QPalette::ToolTipBase));
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::ToolTipText));
    painter.drawText(origin.x, origin.y + metrics.ascent(), text);
}

void TSuperTabs::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), FColor);
    const auto placements = model().layout(tabInfos());
    const TabPlacement* activePlacement = nullptr;
    for (auto it = placements.rbegin(); it != placements.rend(); ++it) {
        const bool active = it->index == ActiveTab();
        if (active)
            activePlacement = &*it;
        else
            paintTab(painter, *it, false);
        if (it->index == FModel.destTab && it->index != FModel.srcTab) {
            const QPixmap& marker = tabPicture(tabpictures::kDropMarker);
            painter.drawPixmap(it->x + kDropMarkerIndent, height() - tabpictures::kPieceHeight - 2,
                               marker);
        }
        paintCaption(painter, *it, active);
    }
    painter.setPen(QColor(121, 121, 121));
    painter.drawLine(0, height() - 2, width() - 1, height() - 2);
    painter.setPen(Qt::white);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    if (activePlacement) {
        paintTab(painter, *activePlacement, true);
        paintCaption(painter, *activePlacement, true);
    }
    paintArrows(painter);
    paintHint(painter);
}

} // namespace vintrel
