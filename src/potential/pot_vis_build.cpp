// The potential pages: their controls.
#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "controls/my_updown.h"
#include "controls/numeric_entry.h"
#include "controls/theme.h"
#include "graphs/graph_page.h"
#include "graphs/range_editor.h"
#include "graphs/side_panel.h"
#include "potential/gl_panel.h"
#include "potential/palette_strip.h"
#include "potential/palettes.h"
#include "potential/pot_vis_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>

namespace vintrel {

namespace {

constexpr int kLeftWidth = 195;
constexpr int kRightWidth = 150;
constexpr int kRowPitch = 20;

QLabel* caption(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setFont(viewerFont());
    return label;
}

TMyButton* button(QWidget* parent, const QString& text, const QString& hint, int width,
                  bool toggle = false) {
    return TGraphPage::makeButton(parent, text, hint, width, toggle);
}

QWidget* framedPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    theme::fillBackground(panel);
    return panel;
}

/// A side column that scrolls when the page is lower than its controls.
QScrollArea* scrolled(QWidget* column, int width) {
    auto* area = new QScrollArea(column->parentWidget());
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setWidget(column);
    area->setFixedWidth(width + area->verticalScrollBar()->sizeHint().width());
    area->viewport()->setAutoFillBackground(false);
    column->setAutoFillBackground(false);
    return area;
}

} // namespace

TPotVisForm::TPotVisForm(PotVisHost host, bool meanField, QWidget* parent)
    : QWidget(parent), meanField_(meanField), FHost(std::move(host)) {
    FStepTimer.setInterval(500);
    connect(&FStepTimer, &QTimer::timeout, this, [this] {
        if (!stepSelectedRow(FStepUp))
            stopStepRepeat();
    });
}

TPotVisForm::~TPotVisForm() = default;

void TPotVisForm::buildPanel() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    theme::fillBackground(Panel1);
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(6);
    row->addWidget(scrolled(buildRows(Panel1), kLeftWidth));
    auto* middle = new QVBoxLayout;
    middle->setSpacing(2);
    if (QWidget* top = makeTopBar(Panel1))
        middle->addWidget(top);
    middle->addWidget(buildCentre(Panel1), 1);
    row->addLayout(middle, 1);
    row->addWidget(scrolled(buildRightColumn(Panel1), kRightWidth));
    Panel1->resize(1100, 720);
    choosePalette(0);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // A step repeat ends when the focus leaves the page.
        if (FStepTimer.isActive() && (!now || !Panel1->isAncestorOf(now)))
            stopStepRepeat();
    });
}

QWidget* TPotVisForm::buildRows(QWidget* parent) {
    auto* column = new QWidget(parent);
    column->setFixedWidth(kLeftWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto* box = new QGroupBox(column);
    box->setFont(viewerFont());
    FRowsBox = box;
    auto* header = caption(box, meanField_ ? QStringLiteral("sign    value [arb. unit]")
                                           : QStringLiteral("value               unit"));
    header->move(46, 4);
    QFont bold = viewerFont();
    bold.setBold(true);
    for (int i = 1; i <= 27; ++i) {
        auto* rowPanel = new QFrame(box);
        rowPanel->setGeometry(3, 22 + (i - 1) * kRowPitch, kLeftWidth - 8, kRowPitch);
        auto* name = new TMyLabel(rowPanel, QString::fromStdString(coefficientCaption(i)));
        name->move(4, 1);
        auto* sign = caption(rowPanel, QStringLiteral("="));
        sign->move(31, 2);
        auto* edit = new QLineEdit(rowPanel);
        edit->setGeometry(40, 1, 98, kRowPitch - 2);
        edit->setFont(bold);
        edit->setText(QStringLiteral("0"));
        installNumericKeyFilter(edit);
        edit->installEventFilter(this);
        auto* unit = new TMyLabel(rowPanel, QString::fromStdString(coefficientUnitCaption(i)));
        unit->move(140, 1);
        inputs[static_cast<std::size_t>(i - 1)] = edit;
        panelsB[static_cast<std::size_t>(i - 1)] = rowPanel;
        connect(edit, &QLineEdit::textChanged, this, [this, edit](const QString& text) {
            if (FLoading)
                return;
            if (text.isEmpty()) {
                edit->setText(QStringLiteral("0"));
                return;
            }
            // "-" on the way to "-12" keeps the picture until the number is complete.
            if (isUnfinishedNumber(text.toStdString()))
                return;
            readAndVis();
        });
        // Left unfinished, the text is wrong after all: say so.
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            if (!FLoading && isUnfinishedNumber(edit->text().toStdString()))
                readAndVis();
        });
    }
    box->setFixedHeight(26 + 27 * kRowPitch);
    layout->addWidget(box);
    MyButtonFree = button(column, QStringLiteral("visualize CEF potential freely"),
                          QStringLiteral("Edit the coefficients freely"), kLeftWidth - 4, true);
    layout->addWidget(MyButtonFree);
    layout->addStretch(1);
    connect(MyButtonFree, &TMyButton::OnClick, this, [this] { setFreeMode(MyButtonFree->Down()); });

    PanelStep = framedPanel(box);
    PanelStep->resize(150, 26);
    auto* steps = new QHBoxLayout(PanelStep);
    steps->setContentsMargins(3, 2, 3, 2);
    steps->setSpacing(3);
    MyButtonAdd = button(PanelStep, QStringLiteral("+ "), QStringLiteral("Add the step"), 26);
    MyButtonSub = button(PanelStep, QStringLiteral("- "), QStringLiteral("Subtract the step"), 26);
    ComboBoxStep = new QComboBox(PanelStep);
    ComboBoxStep->setFont(viewerFont());
    for (const char* step : kStepCaptions)
        ComboBoxStep->addItem(QString::fromLatin1(step));
    steps->addWidget(MyButtonAdd);
    steps->addWidget(MyButtonSub);
    steps->addWidget(ComboBoxStep);
    MyButtonAdd->installEventFilter(this);
    MyButtonSub->installEventFilter(this);
    PanelStep->hide();
    for (QLineEdit* edit : inputs) {
        edit->setReadOnly(true);
        edit->setEnabled(false);
    }
    return column;
}

QWidget* TPotVisForm::buildRightColumn(QWidget* parent) {
    auto* column = new QWidget(parent);
    column->setFixedWidth(kRightWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(caption(column, QStringLiteral("choose color palette")));
    ComboBoxPalette = new QComboBox(column);
    ComboBoxPalette->setFont(viewerFont());
    ComboBoxPalette->setMaxVisibleItems(20);
    // Each entry shows its palette, lowest values on the left.
    ComboBoxPalette->setIconSize(QSize(24, 10));
    for (std::size_t i = 0; i < PaletteNames.size(); ++i) {
        QPixmap swatch;
        if (i < PaletteFiles.size()) {
            const QImage picture(QStringLiteral(":/data/") + QString::fromLatin1(PaletteFiles[i]));
            if (!picture.isNull())
                swatch =
                    QPixmap::fromImage(picture.transformed(QTransform().rotate(90)).scaled(24, 10));
        }
        ComboBoxPalette->addItem(QIcon(swatch), QString::fromLatin1(PaletteNames[i]));
    }
    layout->addWidget(ComboBoxPalette);
    connect(ComboBoxPalette, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { choosePalette(index); });

    FStrip = new TPaletteStrip(column);
    layout->addWidget(FStrip);
    connect(FStrip, &TPaletteStrip::fractionsChanged, this,
            [this](double lower, double upper) { setFractions(lower, upper); });
    connect(FStrip, &TPaletteStrip::partChosen, this,
            [this](bool marginal) { setMarginal(marginal); });

    FMaxEditor = new TRangeEditor(column, {QStringLiteral("max"), QStringLiteral("Set the maximum"),
                                           40, QStringLiteral("ok"), QString(), 28, 70});
    FMinEditor = new TRangeEditor(column, {QStringLiteral("min"), QStringLiteral("Set the minimum"),
                                           40, QStringLiteral("ok"), QString(), 28, 70});
    FMaxEditor->edit()->setText(QStringLiteral("max"));
    FMinEditor->edit()->setText(QStringLiteral("min"));
    layout->addWidget(FMaxEditor);
    layout->addWidget(FMinEditor);
    connect(FMaxEditor, &TRangeEditor::openRequested, this, &TPotVisForm::openMaximumEditor);
    connect(FMinEditor, &TRangeEditor::openRequested, this, &TPotVisForm::openMinimumEditor);
    connect(FMaxEditor, &TRangeEditor::confirmed, this, &TPotVisForm::applyMaximumEditor);
    connect(FMinEditor, &TRangeEditor::confirmed, this, &TPotVisForm::applyMinimumEditor);

    auto* tools = new QHBoxLayout;
    tools->setSpacing(4);
    MyButtonKlodka = TGraphPage::makeButton(
        column, QString(),
        QStringLiteral("Click to set range of values for all CEF potential windows"), 24, true,
        QStringLiteral("padlock"));
    MyButtonFit = TGraphPage::makeButton(column, QStringLiteral("1:1"),
                                         QStringLiteral("Set the range to the values of the body"),
                                         30, false, QStringLiteral("tool"));
    tools->addWidget(MyButtonKlodka);
    tools->addWidget(MyButtonFit);
    tools->addStretch(1);
    layout->addLayout(tools);
    connect(MyButtonKlodka, &TMyButton::OnClick, this,
            [this] { setPadlock(MyButtonKlodka->Down()); });
    connect(MyButtonFit, &TMyButton::OnClick, this, &TPotVisForm::fitRange);

    layout->addWidget(caption(column, QStringLiteral("visible part of potential")));
    RadioMarginal = new QRadioButton(QStringLiteral("marginal"), column);
    RadioCentral = new QRadioButton(QStringLiteral("central"), column);
    RadioMarginal->setFont(viewerFont());
    RadioCentral->setFont(viewerFont());
    RadioMarginal->setChecked(true);
    layout->addWidget(RadioMarginal);
    layout->addWidget(RadioCentral);
    connect(RadioMarginal, &QRadioButton::clicked, this, [this] { setMarginal(true); });
    connect(RadioCentral, &QRadioButton::clicked, this, [this] { setMarginal(false); });

    auto* view = new QGroupBox(QStringLiteral(" point of view "), column);
    view->setFont(viewerFont());
    auto* grid = new QVBoxLayout(view);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(3);
    auto* reset = button(view, QStringLiteral("reset view"), QStringLiteral("Reset view"), 130);
    auto* inner = button(view, QStringLiteral("internal"),
                         QStringLiteral("Set view to center of potential"), 130);
    auto* outer = button(view, QStringLiteral("external"),
                         QStringLiteral("Set view outside of the potential"), 130);
    MyButtonUnits = button(view, QStringLiteral("hide units"),
                           QStringLiteral("Show/hide units on axes"), 130, true);
    MyButtonUnits->SetDown(true);
    CheckInFront = new QCheckBox(QStringLiteral("in front"), view);
    CheckInFront->setFont(viewerFont());
    CheckInFront->setToolTip(QStringLiteral("Draw units in front of the potential"));
    MyButtonVector = button(view, QStringLiteral("hide magnetic vector"),
                            QStringLiteral("Show/hide magnetic field vector"), 130, true);
    MyButtonVector->SetDown(true);
    for (QWidget* w : {static_cast<QWidget*>(reset), static_cast<QWidget*>(inner),
                       static_cast<QWidget*>(outer), static_cast<QWidget*>(MyButtonUnits),
                       static_cast<QWidget*>(CheckInFront), static_cast<QWidget*>(MyButtonVector)})
        grid->addWidget(w);
    layout->addWidget(view);
    connect(reset, &TMyButton::OnClick, this, [this] {
        if (viewPanelX)
            viewPanelX->setDefaultView();
    });
    connect(inner, &TMyButton::OnClick, this, [this] {
        if (viewPanelX)
            viewPanelX->setZoom(12);
    });
    connect(outer, &TMyButton::OnClick, this, [this] {
        if (viewPanelX)
            viewPanelX->setZoom(0.5);
    });
    connect(MyButtonUnits, &TMyButton::OnClick, this, [this] {
        const bool shown = MyButtonUnits->Down();
        MyButtonUnits->SetCaption(shown ? QStringLiteral("hide units")
                                        : QStringLiteral("show units"));
        CheckInFront->setVisible(shown);
        if (viewPanelX)
            viewPanelX->setDrawDesc(shown);
    });
    connect(CheckInFront, &QCheckBox::toggled, this, [this](bool on) {
        if (viewPanelX)
            viewPanelX->setDontSortDesc(on);
    });
    connect(MyButtonVector, &TMyButton::OnClick, this, [this] {
        const bool shown = MyButtonVector->Down();
        MyButtonVector->SetCaption(shown ? QStringLiteral("hide magnetic vector")
                                         : QStringLiteral("show magnetic vector"));
        if (viewPanelX)
            viewPanelX->setDrawBVector(shown);
    });

    MyButtonExport =
        button(column, QStringLiteral("Export data\u2026"),
               QStringLiteral("Save the points of the body with their values as a CSV table"), 130);
    layout->addWidget(MyButtonExport);
    layout->addStretch(1);
    connect(MyButtonExport, &TMyButton::OnClick, this, &TPotVisForm::exportData);
    return column;
}

QWidget* TPotVisForm::buildCentre(QWidget* parent) {
    FCentre = new QWidget(parent);
    theme::fillBackground(FCentre, theme::kButtonFace);
    FCentre->installEventFilter(this);
    if (openGLAvailable()) {
        viewPanelX = new TGLPanel(FCentre);
        viewPanelX->setDrawDesc(true);
        viewPanelX->setDrawBVector(true);
        connect(viewPanelX, &TGLPanel::afterRender, this, &TPotVisForm::placeOverlays);
        connect(viewPanelX, &TGLPanel::mouseReleased, this, [this] {
            if (hole())
                readAndVis();
        });
    } else {
        FViewNote = new QLabel(
            QStringLiteral("The 3-D view needs OpenGL, which this display does not offer.\n"
                           "Every other control of the page works."),
            FCentre);
        FViewNote->setAlignment(Qt::AlignCenter);
        FViewNote->setWordWrap(true);
        FViewNote->setFont(viewerFont());
    }
    buildShapePanel(FCentre);
    buildRotationPanel(FCentre);

    MyButtonHelp = button(FCentre, QStringLiteral("?"), QStringLiteral("Click for help"), 22, true);
    PanelHelp = framedPanel(FCentre);
    auto* help = new QVBoxLayout(PanelHelp);
    help->setContentsMargins(6, 4, 6, 4);
    help->addWidget(caption(
        PanelHelp, QStringLiteral("Hold down mouse button and move mouse to rotate view.")));
    help->addWidget(caption(
        PanelHelp, QStringLiteral("Use mouse wheel or PageUp/PageDown keys to zoom in and out.")));
    PanelHelp->adjustSize();
    PanelHelp->hide();
    connect(MyButtonHelp, &TMyButton::OnClick, this, [this] {
        PanelHelp->setVisible(MyButtonHelp->Down());
        placeOverlays();
    });

    PanelWarning = framedPanel(FCentre);
    auto* warning = new QVBoxLayout(PanelWarning);
    warning->setContentsMargins(8, 4, 8, 4);
    auto* line1 =
        caption(PanelWarning,
                QStringLiteral("Warning: This visualisation does not represent the potential"));
    auto* line2 =
        caption(PanelWarning, QStringLiteral(" described by parameters from current result !"));
    for (QLabel* line : {line1, line2}) {
        line->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0)"));
        warning->addWidget(line);
    }
    PanelWarning->adjustSize();
    PanelWarning->hide();
    return FCentre;
}

void TPotVisForm::buildShapePanel(QWidget* parent) {
    int y = 0;
    // Its height follows the controls placed in it (below).
    PanelShape = new TGraphSidePanel(parent, 200, 400, 0, {true, 25, 20});
    PanelShape->move(8, 8);
    QWidget* c = PanelShape->content();
    const auto place = [&](QWidget* w, int x, int width, int h = 20) {
        w->setGeometry(x, y, width, h);
    };
    auto* resolution = caption(c, QStringLiteral("Resolution:"));
    place(resolution, 4, 70);
    ComboBoxResolution = new QComboBox(c);
    ComboBoxResolution->setFont(viewerFont());
    for (const Resolution r :
         {Resolution::low, Resolution::medium, Resolution::high, Resolution::veryHigh})
        ComboBoxResolution->addItem(QString::fromLatin1(resolutionCaption(r)));
    ComboBoxResolution->setCurrentIndex(1);
    place(ComboBoxResolution, 76, 90, 22);
    y += 26;
    place(caption(c, QStringLiteral("Shape:")), 4, 70);
    ComboBoxShape = new QComboBox(c);
    ComboBoxShape->setFont(viewerFont());
    for (const Body b : {Body::sphere, Body::cube, Body::tetrahedron, Body::octahedron})
        ComboBoxShape->addItem(QString::fromLatin1(bodyCaption(b)));
    place(ComboBoxShape, 76, 90, 22);
    y += 26;
    place(caption(c, QStringLiteral("Shape size:")), 4, 70);
    LabelSize = caption(c, QStringLiteral("3"));
    place(LabelSize, 76, 30);
    y += 20;
    auto* minus = button(c, QStringLiteral("-"), QString(), 20);
    place(minus, 4, 20, 22);
    TrackBarSize = new QSlider(Qt::Horizontal, c);
    TrackBarSize->setRange(1, 10);
    TrackBarSize->setValue(3);
    TrackBarSize->setToolTip(QStringLiteral("3"));
    place(TrackBarSize, 26, 116, 22);
    auto* plus = button(c, QStringLiteral("+"), QString(), 20);
    place(plus, 144, 20, 22);
    y += 26;
    MyButtonRotate =
        button(c, QStringLiteral("rotate shape"), QStringLiteral("Rotate the shape"), 100, true);
    place(MyButtonRotate, 4, 100, 23);
    y += 28;
    addShapeControls(c, y);
    c->resize(c->width(), y);
    PanelShape->resize(PanelShape->width(), y + 8);

    const auto shapeChanged = [this] {
        setShape(static_cast<Body>(ComboBoxShape->currentIndex()), TrackBarSize->value(),
                 static_cast<Resolution>(ComboBoxResolution->currentIndex()));
    };
    connect(ComboBoxResolution, qOverload<int>(&QComboBox::currentIndexChanged), this,
            shapeChanged);
    connect(ComboBoxShape, qOverload<int>(&QComboBox::currentIndexChanged), this, shapeChanged);
    connect(TrackBarSize, &QSlider::valueChanged, this, [this, shapeChanged](int size) {
        LabelSize->setText(QString::number(size));
        TrackBarSize->setToolTip(QString::number(size));
        shapeChanged();
    });
    connect(minus, &TMyButton::OnClick, this,
            [this] { TrackBarSize->setValue(TrackBarSize->value() - 1); });
    connect(plus, &TMyButton::OnClick, this,
            [this] { TrackBarSize->setValue(TrackBarSize->value() + 1); });
    connect(MyButtonRotate, &TMyButton::OnClick, this,
            [this] { setRotationShown(MyButtonRotate->Down()); });
}

void TPotVisForm::buildRotationPanel(QWidget* parent) {
    PanelRotation = framedPanel(parent);
    PanelRotation->resize(230, 150);
    auto* text =
        caption(PanelRotation,
                QStringLiteral("Click apply to rotate shape around axes by following angles"));
    text->setWordWrap(true);
    text->setGeometry(6, 4, 218, 32);
    const char* axes[] = {"X axis:", "Y axis:", "Z axis:"};
    for (int k = 0; k < 3; ++k) {
        const int y = 40 + k * 24;
        caption(PanelRotation, QString::fromLatin1(axes[k]))->setGeometry(6, y, 50, 20);
        auto* angle = new TMyUpDown(PanelRotation);
        angle->SetMin(0);
        angle->SetMax(360);
        angle->SetChange(15);
        angle->SetFormat(QStringLiteral("0.0"));
        angle->SetPosition(0);
        angle->setGeometry(60, y, 70, 20);
        caption(PanelRotation, QStringLiteral("deg"))->setGeometry(134, y, 30, 20);
        FAngles[static_cast<std::size_t>(k)] = angle;
        connect(angle, &TMyUpDown::OnChange, this, &TPotVisForm::showRotatedShape);
    }
    auto* apply = button(PanelRotation, QStringLiteral("apply"), QString(), 60);
    auto* reset = button(PanelRotation, QStringLiteral("reset"), QString(), 60);
    auto* close = button(PanelRotation, QStringLiteral("close"), QString(), 60);
    apply->move(6, 116);
    reset->move(82, 116);
    close->move(158, 116);
    connect(apply, &TMyButton::OnClick, this, &TPotVisForm::applyRotation);
    connect(reset, &TMyButton::OnClick, this, [this] {
        for (TMyUpDown* angle : FAngles)
            angle->SetPosition(0);
        showRotatedShape();
    });
    connect(close, &TMyButton::OnClick, this, [this] {
        MyButtonRotate->SetDown(false);
        setRotationShown(false);
    });
    PanelRotation->hide();
}

void TPotVisForm::placeOverlays() {
    if (!FCentre)
        return;
    const int w = FCentre->width();
    MyButtonHelp->move(w - MyButtonHelp->width() - 20, 8);
    PanelHelp->move(MyButtonHelp->x() - PanelHelp->width() - 10, 8);
    PanelWarning->move((w - PanelWarning->width()) / 2, 36);
    PanelRotation->move(8, PanelShape->y() + PanelShape->height() + 6);
    for (QWidget* overlay : {static_cast<QWidget*>(PanelShape), PanelRotation,
                             static_cast<QWidget*>(MyButtonHelp), PanelHelp, PanelWarning})
        overlay->raise();
}

} // namespace vintrel
