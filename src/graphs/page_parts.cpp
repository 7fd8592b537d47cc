#include "graphs/page_parts.h"

#include "base/number_pattern.h"
#include "controls/fonts.h"
#include "controls/my_label.h"
#include "controls/my_trackbar.h"
#include "graphs/derived_curves.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace vintrel {

QLabel* plainLabel(QWidget* parent, const QString& text, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setFont(viewerFont(QStringLiteral("Tahoma"), 8, bold));
    return label;
}

TEffectiveMomentSelector::TEffectiveMomentSelector(QWidget* plot, std::function<void()> changed) {
    FBar = new TMyTrackBar(plot);
    FBar->setObjectName(QStringLiteral("MyTrackBar"));
    FBar->SetMin(1);
    QObject::connect(FBar, &TMyTrackBar::OnChange, FBar, std::move(changed));
    FRow = new QWidget;
    auto* row = new QHBoxLayout(FRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(plainLabel(FRow, QStringLiteral("effective magnetic moment:")));
    for (Direction d : kDirections) {
        auto* cell = new QWidget(FRow);
        auto* cellRow = new QHBoxLayout(cell);
        cellRow->setContentsMargins(4, 0, 0, 0);
        cellRow->setSpacing(2);
        cellRow->addWidget(
            new TMyLabel(cell, QStringLiteral("p_e_f_f_(_%1_) =").arg(directionLetter(d))));
        auto* field = new QLineEdit(cell);
        field->setReadOnly(true);
        field->setFixedWidth(62);
        field->setFont(viewerFont());
        field->setObjectName(QStringLiteral("edit_pff_%1").arg(directionLetter(d)));
        cellRow->addWidget(field);
        cellRow->addWidget(new TMyLabel(cell, QStringLiteral("!m_B")));
        row->addWidget(cell);
        FFields[directionIndex(d)] = field;
        FCells[directionIndex(d)] = cell;
    }
}

std::size_t TEffectiveMomentSelector::firstRow() const {
    return static_cast<std::size_t>(std::max(0, FBar->PositionLeft() - 1));
}

std::size_t TEffectiveMomentSelector::secondRow() const {
    return static_cast<std::size_t>(std::max(0, FBar->PositionRight() - 1));
}

void TEffectiveMomentSelector::selectRows(int left, int right) {
    // Move first the thumb that makes room for the other.
    if (left <= FBar->PositionRight()) {
        FBar->SetPositionLeft(left);
        FBar->SetPositionRight(right);
    } else {
        FBar->SetPositionRight(right);
        FBar->SetPositionLeft(left);
    }
}

void TEffectiveMomentSelector::setRowCount(int rows) {
    FBar->SetMax(std::max(1, rows));
}

void TEffectiveMomentSelector::place(int first, int last, int areaTop, int gap) {
    // 5 pixels more on each side, for the thumbs.
    FBar->setGeometry(first - 5, areaTop - gap - kHeight, last - first + 11, kHeight);
}

void TEffectiveMomentSelector::showMoments(const ChiData& data) {
    const std::size_t a = firstRow();
    const std::size_t b = secondRow();
    for (Direction d : kDirections) {
        QLineEdit* field = FFields[directionIndex(d)];
        const auto& inverse = data.inverse[directionIndex(d)];
        if (!data.has(d) || a >= inverse.size() || b >= inverse.size()) {
            field->setText(QStringLiteral(" not set"));
            continue;
        }
        const EffectiveMoment p =
            effectiveMoment(data.T[a], inverse[a], data.T[b], inverse[b], a == b);
        field->setText(p.value ? QString::fromStdString(formatFloatDot("0.00000", *p.value))
                               : QString::fromStdString(p.note));
    }
}

} // namespace vintrel
