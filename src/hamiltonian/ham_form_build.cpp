// Construction of the Hamiltonian page: the grid and the side panel.
#include "hamiltonian/ham_form.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/theme.h"
#include "hamiltonian/ham_grid.h"
#include "hamiltonian/ham_texts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace vintrel {

namespace {

constexpr int kSideWidth = 200;
constexpr int kValueX = 96;

TMyLabel* caption(QWidget* parent, const QString& text, int x, int y,
                  const QColor& colour = theme::kText) {
    auto* label = new TMyLabel(parent, text);
    label->setFont(viewerFont());
    label->SetFontColor(colour);
    label->move(x, y);
    return label;
}

TMyButton* imageButton(QWidget* parent, const QString& text, int width) {
    auto* button = new TMyButton(parent);
    loadGlyphSet(*button, QStringLiteral("button"));
    button->SetStretch(true);
    button->SetCaption(text);
    button->setFixedSize(width, 23);
    return button;
}

} // namespace

void THamForm::buildGrid() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    theme::fillBackground(Panel1);
    Panel1->resize(800, 560);
    auto* layout = new QHBoxLayout(Panel1);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);

    StringGrid1 = new THamGrid(Panel1);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->resize(560, 320);
    StringGrid1->viewport()->setToolTip(QString::fromLatin1(kGridHint));
    StringGrid1->installEventFilter(this);
    fonts_ = std::make_unique<HamGridFonts>(viewerFont(QStringLiteral("Tahoma"), 10));
    layout->addWidget(StringGrid1, 1);

    PanelNoData = new QLabel(QString::fromLatin1(kNoHamiltonianText), StringGrid1);
    PanelNoData->setObjectName(QStringLiteral("PanelNoData"));
    PanelNoData->setAlignment(Qt::AlignCenter);
    PanelNoData->setWordWrap(true);
    PanelNoData->setFont(viewerFont(QStringLiteral("Tahoma"), 10, true));
    PanelNoData->setFrameShape(QFrame::StyledPanel);
    theme::fillBackground(PanelNoData);
    PanelNoData->resize(260, 60);
    PanelNoData->hide();

    PanelRight = new QWidget(Panel1);
    PanelRight->setFixedWidth(kSideWidth);
    layout->addWidget(PanelRight);
}

void THamForm::buildSidePanel() {
    GroupBoxParameters = new QGroupBox(QStringLiteral(" Used parameters: "), PanelRight);
    GroupBoxParameters->setGeometry(0, 0, kSideWidth, 560);
    QWidget* box = GroupBoxParameters;

    int y = 22;
    auto line = [&](const QString& name, int step = 18) {
        caption(box, name, 10, y);
        TMyLabel* value = caption(box, QString(), kValueX, y);
        y += step;
        return value;
    };
    LabelElement = line(QStringLiteral("Element:"));
    LabelZ = line(QStringLiteral("Z = "));
    LabelZ->SetCaption(QStringLiteral("1"));
    LabelOxidation = line(QStringLiteral("Oxidation:"));
    LabelDimension = line(QStringLiteral("Dimension:"));
    LabelBase = line(QStringLiteral("Base:"), 20);
    LabelField = line(QStringLiteral("Field:"), 22);

    auto equation = [&](const QString& symbol) {
        caption(box, symbol, 10, y);
        caption(box, QStringLiteral("="), 42, y);
        TMyLabel* value = caption(box, QString(), 54, y);
        y += 18;
        return value;
    };
    LabelLambda = equation(QStringLiteral("!l_s_-_o"));
    LabelLambda->SetCaption(QStringLiteral("1"));
    LabelBx = equation(QStringLiteral("B_x"));
    LabelBy = equation(QStringLiteral("B_y"));
    LabelBz = equation(QStringLiteral("B_z"));
    for (TMyLabel* component : {LabelBx, LabelBy, LabelBz})
        component->SetCaption(QStringLiteral("0"));
    y += 8;

    for (HamTerm term : kTermOrder) {
        const auto at = std::size_t(term);
        auto* check = new QCheckBox(QString::fromLatin1(termCaption(term)), box);
        check->setObjectName(QStringLiteral("CheckBox_") + QString::fromLatin1(termCaption(term)));
        check->setFont(viewerFont(QStringLiteral("Tahoma"), 8, true));
        QPalette look = check->palette();
        look.setColor(QPalette::WindowText, termColour(term));
        check->setPalette(look);
        check->setChecked(true);
        check->setEnabled(false);
        check->move(10, y - 2);
        check->resize(84, 20);
        connect(check, &QCheckBox::toggled, this, [this] {
            ShowMatrix();
            showSelection();
        });
        CheckBoxTerm[at] = check;
        LabelTermValue[at] = caption(box, QString(), kValueX, y, termColour(term));
        LabelTermImaginary[at] = caption(box, QString(), kValueX, y + 15, termColour(term));
        y += 36;
    }
    TMyLabel* total = caption(box, QStringLiteral("Total"), 30, y);
    total->setFont(viewerFont(QStringLiteral("Tahoma"), 8, true));
    LabelTotalValue = caption(box, QString(), kValueX, y);
    LabelTotalImaginary = caption(box, QString(), kValueX, y + 15);
    y += 42;

    auto selected = [&](const QString& name, TMyLabel*& index, TMyLabel*& state) {
        caption(box, name, 10, y);
        index = caption(box, QString::fromLatin1(kNoneText), 110, y);
        state = caption(box, QString(), 30, y + 18);
        state->setFont(viewerFont(QStringLiteral("Tahoma"), 10));
        y += 44;
    };
    selected(QStringLiteral("Selected row:"), LabelSelRow, LabelSelRowCaption);
    selected(QStringLiteral("Selected column:"), LabelSelCol, LabelSelColCaption);

    ButtonZoomIn = imageButton(box, QStringLiteral("Zoom+"), 80);
    ButtonZoomIn->setObjectName(QStringLiteral("ButtonZoomIn"));
    ButtonZoomIn->move(12, y);
    ButtonZoomOut = imageButton(box, QStringLiteral("Zoom-"), 80);
    ButtonZoomOut->setObjectName(QStringLiteral("ButtonZoomOut"));
    ButtonZoomOut->move(106, y);
    connect(ButtonZoomIn, &TMyButton::OnClick, this, &THamForm::zoomIn);
    connect(ButtonZoomOut, &TMyButton::OnClick, this, &THamForm::zoomOut);
    y += 34;

    ButtonExport = imageButton(box, QStringLiteral("Export data\u2026"), 90);
    ButtonExport->setObjectName(QStringLiteral("ButtonExport"));
    ButtonExport->setToolTip(QStringLiteral("Save the matrix of the ticked terms as a CSV table"));
    ButtonExport->move(12, y);
    connect(ButtonExport, &TMyButton::OnClick, this, &THamForm::exportData);
    y += 34;
    GroupBoxParameters->resize(kSideWidth, y);
}

} // namespace vintrel
