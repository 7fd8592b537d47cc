// Construction of the element panel: the tile, its ion buttons and the choice groups.
#include "parameters/elem_panel_result_form.h"

#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/pictures.h"
#include "controls/theme.h"
#include "parameters/parameter_captions.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <functional>

namespace vintrel {

namespace {

const QColor kPage(224, 223, 227);

QLabel* tileLabel(QWidget* parent, int pixels, QRect geometry,
                  Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(parent);
    label->setFont(pixelFont(QStringLiteral("Tahoma"), pixels, true));
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->hide();
    return label;
}

TMyLabel* markupLine(QWidget* parent, int x, int y, int points) {
    auto* label = new TMyLabel(parent);
    label->setFont(viewerFont(QStringLiteral("Tahoma"), points));
    label->move(x, y);
    label->hide();
    return label;
}

// A radio button with a tool tip, connected so that becoming checked runs `handler`.
QRadioButton* choice(QGroupBox* box, const QString& caption, const QString& hint, int x,
                     QObject* owner, std::function<void()> handler) {
    auto* button = new QRadioButton(caption, box);
    button->setToolTip(hint);
    button->move(x, 16);
    button->adjustSize();
    QObject::connect(button, &QRadioButton::toggled, owner, [handler](bool checked) {
        if (checked)
            handler();
    });
    return button;
}

} // namespace

void TElemPanelResultForm::buildTile() {
    theme::fillBackground(Panel1, kPage);
    PanelTop = new QWidget(Panel1);
    PanelTop->setGeometry(0, 0, 194, 228);
    ImageBack = new QLabel(PanelTop);
    ImageBack->setGeometry(20, 13, 160, 213);
    ImageBack->setScaledContents(true);
    ImageBack->setPixmap(loadPicture(QStringLiteral("panel_element_back.bmp")));
    LabelAtomicNumber = tileLabel(PanelTop, 16, {18, 90, 45, 20}, Qt::AlignRight);
    LabelElemSymbol = tileLabel(PanelTop, 41, {65, 62, 60, 48});
    LabelIon = tileLabel(PanelTop, 16, {100, 62, 40, 20});
    LabelElemName = tileLabel(PanelTop, 12, {45, 114, 112, 16});
    MyLabelConf = markupLine(PanelTop, 39, 133, 10);
    MyLabelLS = markupLine(PanelTop, 39, 153, 8);
    MyLabelGround = markupLine(PanelTop, 39, 169, 8);
    const QPixmap normal = loadPicture(QStringLiteral("panel_element_small_norm.bmp"));
    const QPixmap over = loadPicture(QStringLiteral("panel_element_small_over.bmp"));
    const QPixmap down = loadPicture(QStringLiteral("panel_element_small_down.bmp"));
    const QPixmap disabled = loadPicture(QStringLiteral("panel_element_small_dis.bmp"));
    for (int k = 0; k < 8; ++k) {
        auto* button = new TIonButton(PanelTop);
        button->setGeometry(35 + 30 * (k % 4), 27 + 20 * (k / 4), 29, 19);
        button->SetTriState(true);
        button->SetTransparent(true);
        button->SetColor(QColor(255, 255, 255));
        button->SetGlyphOut(normal);
        button->SetGlyphOver(over);
        button->SetGlyphDown(down);
        button->SetGlyphDownOver(down);
        button->SetGlyphDisabled(disabled);
        button->index = k;
        button->setObjectName(QStringLiteral("IonButton%1").arg(k));
        connect(button, &TMyButton::OnClick, this, [this, k] { ionClick(k); });
        button->hide();
        ionButtons[std::size_t(k)] = button;
    }
}

void TElemPanelResultForm::buildChoices() {
    PanelBot = new QWidget(Panel1);
    PanelBot->setGeometry(0, 228, 194, 123);
    GroupBoxBase = new QGroupBox(QStringLiteral(" Base "), PanelBot);
    GroupBoxBase->setGeometry(5, 0, 181, 40);
    rbBaseLS = choice(GroupBoxBase, {},
                      QStringLiteral("select full [L,S,Lz,Sz> base for calculations (allways "
                                     "recommended)"),
                      8, this, [this] { rbBaseLSClick(); });
    MyLabelBaseLS = new TMyLabel(GroupBoxBase, QStringLiteral("|L,S,L_z,S_z>"));
    MyLabelBaseLS->move(26, 17);
    MyLabelBaseLS->setToolTip(rbBaseLS->toolTip());
    rbBaseJz = choice(GroupBoxBase, {},
                      QStringLiteral("select [L,S,J,Jz> base, correct for calculations of 4f, 5f "
                                     "configurations (faster computing)"),
                      100, this, [this] { rbBaseJzClick(); });
    MyLabelBaseJz = new TMyLabel(GroupBoxBase, QStringLiteral("| J, J_z>"));
    MyLabelBaseJz->move(118, 17);
    MyLabelBaseJz->setToolTip(rbBaseJz->toolTip());
    MyLabelBaseLS->installEventFilter(this);
    MyLabelBaseJz->installEventFilter(this);

    GroupBoxComplex = new QGroupBox(QStringLiteral(" Hamiltonian matrix "), PanelBot);
    GroupBoxComplex->setGeometry(5, 40, 181, 40);
    rbHamReal = choice(GroupBoxComplex, QStringLiteral("real"),
                       QStringLiteral("select calculations in  matrix  with real elements "
                                      "(faster, no y axis)"),
                       8, this, [this] { rbHamRealClick(); });
    rbHamComplex = choice(GroupBoxComplex, QStringLiteral("complex"),
                          QStringLiteral("select matrix with complex elements (A+Bi) (full 3D "
                                         "calculations, longer computing, allways recommended)"),
                          100, this, [this] { rbHamComplexClick(); });

    GroupBoxDynamic = new QGroupBox(QStringLiteral(" Calculation method "), PanelBot);
    GroupBoxDynamic->setGeometry(5, 80, 181, 40);
    rbMagFieldStatic = choice(GroupBoxDynamic, QStringLiteral("static"), {}, 8, this,
                              [this] { rbMagFieldStaticClick(); });
    rbMagFieldDynamic = choice(GroupBoxDynamic, QStringLiteral("dynamic"), {}, 100, this,
                               [this] { rbMagFieldDynamicClick(); });
    for (QGroupBox* box : {GroupBoxBase, GroupBoxComplex, GroupBoxDynamic})
        box->hide();
}

} // namespace vintrel
