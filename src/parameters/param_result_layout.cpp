// Construction of the parameters page: its three columns and their controls.
#include "parameters/param_result_form.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "controls/my_label.h"
#include "controls/pictures.h"
#include "controls/theme.h"
#include "parameters/coefficient_rows.h"
#include "parameters/parameter_captions.h"
#include "parameters/value_edit.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>

namespace vintrel {

namespace {

const QColor kPage(224, 223, 227);
const QColor kNegativeM(252, 231, 179);
const QColor kZeroM(150, 235, 231);
const QColor kAlphaBlue(0, 147, 221);
const QColor kBetaGreen(0, 146, 63);
const QColor kOrange(231, 120, 23);

TMyLabel* caption(QWidget* parent, const QString& text, int x, int y,
                  const QColor& colour = QColor(40, 40, 48)) {
    auto* label = new TMyLabel(parent, text);
    label->SetFontColor(colour);
    label->move(x, y);
    return label;
}

TValueEdit* valueEdit(QWidget* parent, int x, int y) {
    auto* edit = new TValueEdit(parent);
    edit->setGeometry(x, y, 100, 17);
    return edit;
}

QGroupBox* groupBox(QWidget* parent, const QString& title, QRect geometry) {
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(geometry);
    return box;
}

// A value line: the symbol caption, "=", the edit at 40 and the unit after it.
TValueEdit* valueLine(QWidget* panel, int y, const QString& symbol, const QString& unit,
                      const QColor& colour = QColor(40, 40, 48)) {
    caption(panel, symbol, 4, y + 1, colour);
    caption(panel, QStringLiteral("="), 30, y + 1);
    TValueEdit* edit = valueEdit(panel, 40, y);
    caption(panel, unit, 144, y + 1);
    return edit;
}

} // namespace

void TParamResultForm::buildColumns() {
    PanelAAA = new QWidget(this);
    PanelAAA->setObjectName(QStringLiteral("PanelAAA"));
    theme::fillBackground(PanelAAA, kPage);
    PanelAAA->resize(930, 640);
    PanelAAA->setFocusPolicy(Qt::ClickFocus);

    PanelgbUnit5 = new QWidget(PanelAAA);
    PanelgbUnit5->resize(205, 606);
    groupboxUnit5 = groupBox(PanelgbUnit5, QStringLiteral(" selected ion "), {0, 0, 205, 340});
    PanelForUnit5 = new QWidget(groupboxUnit5);
    PanelForUnit5->setGeometry(5, 16, 197, 322);

    PanelgbCEF = new QWidget(PanelAAA);
    PanelgbCEF->resize(434, 606);
    buildCefGroup();

    PanelgbSpinOrbitMagField = new QWidget(PanelAAA);
    PanelgbSpinOrbitMagField->resize(230, 606);
    buildSpinOrbitGroup();
    buildFieldGroup();
}

void TParamResultForm::buildCefGroup() {
    groupboxCEF = groupBox(PanelgbCEF, QStringLiteral(" local CEF surroundings of central ion "),
                           {0, 0, 434, 450});
    MyLabelSymmetryText = caption(groupboxCEF, QStringLiteral("Selected symmetry: "), 30, 25);
    SymmetryCB = new TMyComboBox(groupboxCEF);
    for (const SymmetryEntry& entry : symmetryTable())
        SymmetryCB->addItem(QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size())));
    SymmetryCB->hide();

    ScrollBox1 = new QScrollArea(groupboxCEF);
    ScrollBox1->setGeometry(12, 50, 413, kMaxScrollHeight);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    theme::fillBackground(content, kPage);
    content->resize(392, 27 * kRowHeight + 2);
    PanelB = new QWidget(content);
    PanelB->setGeometry(0, 0, 185, 27 * kRowHeight + 2);
    PanelA = new QWidget(content);
    PanelA->setGeometry(190, 0, 200, 27 * kRowHeight + 2);
    ScrollBox1->setWidget(content);
    buildRows();

    PanelNoData =
        new QLabel(QStringLiteral("B parameters data not found in result file"), groupboxCEF);
    PanelNoData->setObjectName(QStringLiteral("PanelNoData"));
    PanelNoData->setWordWrap(true);
    PanelNoData->setAlignment(Qt::AlignCenter);
    PanelNoData->setFont(viewerFont(QStringLiteral("Tahoma"), 9, true));
    theme::fillBackground(PanelNoData, kPage);
    PanelNoData->setFrameShape(QFrame::StyledPanel);
    PanelNoData->hide();

    LabelNote = caption(groupboxCEF, QStringLiteral("Note: a_0 = 0.05291772 nm"), 239, 0);
    PanelHcef = new TFormulaCaption(
        groupboxCEF, {{QStringLiteral("H"), {}, QStringLiteral("CEF")},
                      {QStringLiteral(" = "), {}, {}},
                      {QStringLiteral("\u03A3"), {}, QStringLiteral("n"), false, true},
                      {QStringLiteral("\u03A3"), {}, QStringLiteral("m"), false, true},
                      {QStringLiteral(" \u03B8"), {}, QStringLiteral("n")},
                      {QStringLiteral(" A"), QStringLiteral("m"), QStringLiteral("n")},
                      {QStringLiteral(" \u27E8r"), QStringLiteral("n"), {}},
                      {QStringLiteral("\u27E9 O"), QStringLiteral("m"), QStringLiteral("n")}});
    PanelHcef->move(114, 0);

    ButtonExport = new TMyButton(groupboxCEF);
    ButtonExport->setObjectName(QStringLiteral("ButtonExport"));
    loadGlyphSet(*ButtonExport, QStringLiteral("button"));
    ButtonExport->SetStretch(true);
    ButtonExport->SetCaption(QStringLiteral("Export data\u2026"));
    ButtonExport->setToolTip(QStringLiteral("Save the listed coefficients as a CSV table"));
    ButtonExport->setFixedSize(90, 23);
    connect(ButtonExport, &TMyButton::OnClick, this, &TParamResultForm::exportData);
}

void TParamResultForm::buildRows() {
    for (int slot = 0; slot < 27; ++slot) {
        const SlotIndices at = slotIndices(slot);
        const QColor colour = at.m < 0 ? kNegativeM : at.m == 0 ? kZeroM : kPage;
        const QString m = QString::number(at.m);
        const QString n = QString::number(at.rank);
        for (bool aRow : {false, true}) {
            auto* row = new QWidget(aRow ? PanelA : PanelB);
            row->setGeometry(0, slot * kRowHeight, aRow ? 200 : 185, kRowHeight);
            theme::fillBackground(row, colour);
            auto* symbol = new TFormulaCaption(
                row, {{aRow ? QStringLiteral("A") : QStringLiteral("B"), m, n}});
            symbol->setFont(pixelFont(QStringLiteral("Tahoma"), 12));
            symbol->setPieces(symbol->pieces());
            symbol->move(4, 0);
            caption(row, QStringLiteral("="), 30, 4);
            RowControls& controls = aRow ? inputA[std::size_t(slot)] : inputB[std::size_t(slot)];
            controls.edit = valueEdit(row, 40, 2);
            controls.unit = caption(row, QStringLiteral("K"), 144, 4);
            if (aRow) {
                controls.power =
                    caption(row, QString::fromStdString(powerCaption(at.rank)), 154, 2);
                paneleA.push_back(row);
            } else {
                paneleB.push_back(row);
            }
        }
    }
}

void TParamResultForm::buildSpinOrbitGroup() {
    gbSpinOrbit = groupBox(PanelgbSpinOrbitMagField, QStringLiteral(" spin-orbit constant "),
                           {0, 0, 230, 110});
    const QString first = QStringLiteral("set spin-orbit  constant       for");
    TMyLabel* line = caption(gbSpinOrbit, first, 8, 20);
    const int gap = markupWidth(line->font(), QStringLiteral("set spin-orbit  constant   "));
    caption(gbSpinOrbit, QStringLiteral("!l"), 8 + gap, 20);
    caption(gbSpinOrbit, QStringLiteral("intraatomic s-o component of Hamiltonian:"), 8, 35);
    caption(gbSpinOrbit, QStringLiteral("!l_s_-_o"), 12, 58);
    caption(gbSpinOrbit, QStringLiteral("="), 40, 58);
    EditLambda = valueEdit(gbSpinOrbit, 52, 57);
    caption(gbSpinOrbit, QStringLiteral("K"), 156, 58);
    const QString formula = QStringLiteral("H_s_-_o= !l_s_-_o L ^. S");
    auto* hso = new TBarredLabel(
        gbSpinOrbit, formula,
        {int(formula.indexOf(QLatin1Char('L'))), int(formula.lastIndexOf(QLatin1Char('S')))});
    hso->move(60, 84);
    hso->installEventFilter(this);
    hso->setObjectName(QStringLiteral("LabelHso"));
}

void TParamResultForm::buildFieldGroup() {
    gbMagField =
        groupBox(PanelgbSpinOrbitMagField, QStringLiteral(" magnetic field "), {0, 120, 230, 340});
    auto* intro = new QLabel(QStringLiteral("set value and direction of external magnetic field:"),
                             gbMagField);
    intro->setWordWrap(true);
    intro->setGeometry(8, 16, 214, 30);
    caption(gbMagField, QStringLiteral("Coordinates:"), 8, 52);
    CBcoordinate = new TMyComboBox(gbMagField);
    CBcoordinate->addItems({QStringLiteral("spherical"), QStringLiteral("Cartesian")});
    CBcoordinate->setGeometry(80, 48, 100, 21);
    buildSphericalPanel();
    buildCartesianPanel();
    Image1 = new QLabel(gbMagField);
    Image1->setGeometry(27, 146, 150, 145);
    Image1->setPixmap(loadPicture(QStringLiteral("coordinates_spherical.bmp")));
    Image2 = new QLabel(gbMagField);
    Image2->setGeometry(27, 146, 150, 145);
    Image2->setPixmap(loadPicture(QStringLiteral("coordinates_cartesian.bmp")));
    Image2->hide();

    const QString ls = QStringLiteral("H_m_a_g_n = !m_B(L + g_eS) ^. B_e_x_t");
    PanelHmagnLS = new TBarredLabel(gbMagField, ls,
                                    {int(ls.indexOf(QLatin1Char('L'))), int(ls.indexOf("S)")),
                                     int(ls.lastIndexOf(QLatin1Char('B')))});
    PanelHmagnLS->move(12, 300);
    const QString j = QStringLiteral("H_m_a_g_n =   g_J   _B J ^. B_e_x_t");
    auto* hj = new TBarredLabel(
        gbMagField, j,
        {int(j.indexOf(QLatin1Char('J'), j.indexOf("_B"))), int(j.lastIndexOf(QLatin1Char('B')))});
    hj->move(12, 300);
    const int gap = markupWidth(hj->font(), QStringLiteral("H_m_a_g_n =   g_J "));
    caption(hj, QStringLiteral("!m"), gap, 0);
    PanelHmagnJ = hj;
    PanelHmagnJ->hide();
}

void TParamResultForm::buildSphericalPanel() {
    Panel_Spherical = new QWidget(gbMagField);
    Panel_Spherical->setGeometry(8, 76, 215, 66);
    EditMagfield =
        valueLine(Panel_Spherical, 0, QStringLiteral("B_e_x_t"), QStringLiteral("Tesla"));
    EditMagangle =
        valueLine(Panel_Spherical, 22, QStringLiteral("!a"), QStringLiteral("^o"), kAlphaBlue);
    EditMagangle->setToolTip(QStringLiteral("in xz plane"));
    EditMagangle2 =
        valueLine(Panel_Spherical, 44, QStringLiteral("!b"), QStringLiteral("^o"), kBetaGreen);
}

void TParamResultForm::buildCartesianPanel() {
    Panel_Cartesian = new QWidget(gbMagField);
    Panel_Cartesian->setGeometry(8, 76, 215, 66);
    EditBx =
        valueLine(Panel_Cartesian, 0, QStringLiteral("B_x"), QStringLiteral("Tesla"), kBetaGreen);
    EditBy =
        valueLine(Panel_Cartesian, 22, QStringLiteral("B_y"), QStringLiteral("Tesla"), kOrange);
    EditBz =
        valueLine(Panel_Cartesian, 44, QStringLiteral("B_z"), QStringLiteral("Tesla"), kAlphaBlue);
    Panel_Cartesian->hide();
}

} // namespace vintrel
