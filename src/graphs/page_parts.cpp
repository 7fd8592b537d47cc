#include "graphs/page_parts.h"

#include "base/number_pattern.h"
#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/my_trackbar.h"
#include "controls/theme.h"
#include "graphs/axis_range.h"
#include "graphs/derived_curves.h"
#include "graphs/page_looks.h"

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

double acceptDebyeTemperature(QLineEdit* field) {
    const auto value = parseEntryNumber(field->text().toStdString());
    double theta = 0;
    if (!value || *value < 0) {
        field->setText(QStringLiteral("0"));
        field->selectAll();
    } else {
        theta = *value;
    }
    field->setToolTip(field->text());
    return theta;
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

TCurieWeissFitter::TCurieWeissFitter(QWidget* plot, std::function<void()> changed)
    : FChanged(std::move(changed)) {
    FButton = makeToolButton(
        nullptr, QStringLiteral("Curie\u2013Weiss fit"),
        QStringLiteral("Fit chi = C/(T - theta) + chi0 between the two thumbs of the temperature "
                       "selector"),
        105, true);
    FNoChi0 = makeToolButton(nullptr, QStringLiteral("\u03c7\u2080 = 0"),
                             QStringLiteral("Fit with chi0 held at 0"), 55, true);
    FNoChi0->hide();
    QObject::connect(FButton, &TMyButton::OnClick, FButton, [this] { setShown(FButton->Down()); });
    QObject::connect(FNoChi0, &TMyButton::OnClick, FNoChi0, [this] { holdChi0(FNoChi0->Down()); });
    FLabel = new QLabel(plot);
    FLabel->setObjectName(QStringLiteral("curieWeiss"));
    FLabel->setFont(viewerFont());
    theme::fillBackground(FLabel, QColor(255, 255, 255, 235));
    FLabel->setFrameShape(QFrame::Box);
    FLabel->setContentsMargins(6, 4, 6, 4);
    FLabel->hide();
}

bool TCurieWeissFitter::shown() const {
    return FButton->Down();
}

void TCurieWeissFitter::setShown(bool shown) {
    FButton->SetDown(shown);
    FNoChi0->setVisible(shown);
    FChanged();
}

void TCurieWeissFitter::holdChi0(bool held) {
    FNoChi0->SetDown(held);
    FChanged();
}

void TCurieWeissFitter::refit(const ChiData& data, const std::vector<double>* powder,
                              std::size_t first, std::size_t last) {
    FFits = {};
    for (auto& curve : FInverse)
        curve.clear();
    if (!shown() || data.rowCount() == 0) {
        FLabel->hide();
        return;
    }
    const std::size_t a = std::min({first, last, data.rowCount() - 1});
    const std::size_t b = std::min(std::max(first, last), data.rowCount() - 1);
    const bool withChi0 = !FNoChi0->Down();
    FFits = fitDirections(data, powder, a, b, withChi0);
    QString text = QStringLiteral("Curie\u2013Weiss fit, %1 \u2013 %2 K, \u03c7 = C/(T \u2212 "
                                  "\u03b8)%3:")
                       .arg(QString::fromStdString(formatFloatDot("0.##", data.T[a])),
                            QString::fromStdString(formatFloatDot("0.##", data.T[b])),
                            withChi0 ? QStringLiteral(" + \u03c7\u2080") : QString());
    for (std::size_t d : {std::size_t{2}, std::size_t{0}, std::size_t{1}, std::size_t{3}}) {
        if (!FFits[d])
            continue;
        text += QStringLiteral("\n") +
                (d < 3 ? QStringLiteral("%1: ").arg(directionLetter(kDirections[d]))
                       : QStringLiteral("powder: ")) +
                QString::fromStdString(curieWeissSummary(*FFits[d]));
        if (d < 3 && FFits[d]->ok())
            FInverse[d] = reciprocals(curieWeissCurve(*FFits[d], data.T, data.T[a], data.T[b]));
    }
    FLabel->setText(text);
    FLabel->adjustSize();
    place(FArea);
    FLabel->show();
    FLabel->raise();
}

void TCurieWeissFitter::place(const PixelRect& area) {
    FArea = area;
    FLabel->move(std::max(area.left + 4, area.right() - FLabel->width() - 8),
                 area.top + area.height - FLabel->height() - 8);
}

void TCurieWeissFitter::addCurves(TemperaturePlot& plot,
                                  const std::function<bool(Direction)>& shown) const {
    for (Direction d : kDirections) {
        const std::vector<double>& curve = FInverse[directionIndex(d)];
        if (shown(d) && !curve.empty())
            plot.curves.push_back(
                {&curve, kCurieColour, false, LineStyle::Dashed,
                 std::string("Curie\u2013Weiss fit, B_e_x_t||") + directionLetter(d)});
    }
}

} // namespace vintrel
