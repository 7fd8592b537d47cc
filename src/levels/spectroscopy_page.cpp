// The spectroscopy page: its controls.
#include "levels/spectroscopy_page.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "controls/my_label.h"
#include "controls/my_updown.h"
#include "controls/numeric_entry.h"
#include "controls/theme.h"
#include "graphs/side_panel.h"
#include "levels/detail_forms.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vintrel {

namespace {

constexpr int kPanelWidth = 240;
constexpr int kPanelHeight = 500;

TMyButton* button(QWidget* parent, const QString& caption, const QString& hint, int width,
                  bool toggle, const QString& glyphs = QStringLiteral("button")) {
    return TGraphPage::makeButton(parent, caption, hint, width, toggle, glyphs);
}

QRadioButton* radio(const QString& text, QWidget* parent) {
    auto* b = new QRadioButton(text, parent);
    b->setFont(viewerFont());
    return b;
}

QLabel* label(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setFont(viewerFont());
    return l;
}

TMyUpDown* field(QWidget* parent, double step, const QString& format) {
    auto* f = new TMyUpDown(parent);
    f->SetMax(1e9);
    f->SetMin(0);
    f->SetChange(step);
    f->SetFormat(format);
    f->setFixedSize(70, 18);
    installNumericKeyFilter(f->Edit1);
    return f;
}

} // namespace

Tgraf_spectroscopy::Tgraf_spectroscopy(GraphPageHost host, QWidget* parent)
    : QWidget(parent), FHost(std::move(host)) {
    setWindowTitle(QStringLiteral("spectroscopy"));
    buildPanel();
    FNeutrons = new TNeutronsForm;
    connect(FNeutrons, &TDetailForm::closed, this,
            [this] { MyButtonTransitionData->SetDown(false); });
}

Tgraf_spectroscopy::~Tgraf_spectroscopy() {
    delete FNeutrons;
}

void Tgraf_spectroscopy::buildPanel() {
    FPanel = new QWidget(this);
    FPanel->setObjectName(QStringLiteral("p0"));
    theme::fillBackground(FPanel);
    FPlot = new QWidget(FPanel);
    FPlot->setObjectName(QStringLiteral("PaintBox1"));
    FPlot->setAttribute(Qt::WA_OpaquePaintEvent);
    FPlot->setMouseTracking(true);
    FPlot->setMinimumSize(300, 250);
    FPlot->installEventFilter(this);
    buildToolbar();
    buildBottomBar();
    buildConvolutionPanel();
    auto* column = new QVBoxLayout(FPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Panel_wyswietl);
    column->addWidget(FPlot, 1);
    FAgreementLabel = new QLabel(FPanel);
    FAgreementLabel->setObjectName(QStringLiteral("agreement"));
    FAgreementLabel->setFont(viewerFont());
    FAgreementLabel->setContentsMargins(12, 2, 8, 2);
    FAgreementLabel->setToolTip(
        QStringLiteral("How the synthesised spectrum agrees with the measured one, after the "
                       "measured intensities are scaled by the least-squares factor. The "
                       "measured spectrum is kept while the result is open; after it is opened "
                       "again, \"Load measured data\u2026\" reads it from the file again."));
    FAgreementLabel->hide();
    column->addWidget(FAgreementLabel);
    column->addWidget(PanelBottom);
    FPanel->resize(900, 600);
}

void Tgraf_spectroscopy::buildToolbar() {
    Panel_wyswietl = new QWidget(FPanel);
    Panel_wyswietl->setObjectName(QStringLiteral("Panel_wyswietl"));
    auto* row = new QHBoxLayout(Panel_wyswietl);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(3);
    ComboBoxPlotType = new TMyComboBox(Panel_wyswietl);
    for (int t = 0; t < kPlotTypes; ++t)
        ComboBoxPlotType->addItem(QString::fromLatin1(plotTypeLook(static_cast<PlotType>(t)).item));
    ComboBoxPlotType->setCurrentIndex(static_cast<int>(PlotType::kelvin));
    ComboBoxPlotType->setFont(viewerFont());
    ComboBoxPlotType->setFixedWidth(210);
    MyButtonExpPlus = button(Panel_wyswietl, QStringLiteral("+"), QStringLiteral("Zoom in"), 24,
                             false, QStringLiteral("tool"));
    MyButtonExpMinus = button(Panel_wyswietl, QStringLiteral("-"), QStringLiteral("Zoom out"), 24,
                              false, QStringLiteral("tool"));
    MyButtonZoom = button(Panel_wyswietl, QStringLiteral("1:1"),
                          QStringLiteral("Set plot range so the graph fits in the window"), 30,
                          false, QStringLiteral("tool"));
    MyButtonRange = button(Panel_wyswietl, QStringLiteral("set range"),
                           QStringLiteral("Set plot range"), 70, false);
    auto* rangeWord = label(QStringLiteral("range"), Panel_wyswietl);
    FRangeSymbol = new TMyLabel(Panel_wyswietl, QStringLiteral("E"));
    FRangeUnit = label(QStringLiteral("[K]"), Panel_wyswietl);
    Edit_Min = new QLineEdit(Panel_wyswietl);
    Edit_Max = new QLineEdit(Panel_wyswietl);
    for (QLineEdit* edit : {Edit_Min, Edit_Max}) {
        edit->setFixedWidth(115);
        edit->setFont(viewerFont());
        installNumericKeyFilter(edit);
        connect(edit, &QLineEdit::returnPressed, this, &Tgraf_spectroscopy::applyRangeEditor);
        connect(edit, &QLineEdit::textEdited, this, &Tgraf_spectroscopy::showPending);
    }
    MyButtonSet = button(Panel_wyswietl, QStringLiteral("set"),
                         QStringLiteral("Set plot range for current graph"), 40, false);
    MyButtonRefresh =
        button(Panel_wyswietl, QStringLiteral(">"), QStringLiteral("Recalculate and refresh graph"),
               24, false, QStringLiteral("tool"));
    MyButtonKlodka = button(Panel_wyswietl, QString(),
                            QStringLiteral("Click to set plot range for all spectroscopy graphs"),
                            24, true, QStringLiteral("padlock"));
    MyButtonConvolution = button(Panel_wyswietl, QStringLiteral("convolution"),
                                 QStringLiteral("Set convolution parameters"), 90, true);
    MyButtonTransitionData = button(Panel_wyswietl, QStringLiteral("transition data"),
                                    QStringLiteral("Show transition data"), 100, true);
    row->addWidget(ComboBoxPlotType);
    row->addSpacing(8);
    for (QWidget* w : std::initializer_list<QWidget*>{MyButtonExpPlus, MyButtonExpMinus,
                                                      MyButtonZoom, MyButtonRange, rangeWord,
                                                      FRangeSymbol, FRangeUnit, Edit_Min, Edit_Max,
                                                      MyButtonSet, MyButtonRefresh, MyButtonKlodka})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(MyButtonConvolution);
    row->addWidget(MyButtonTransitionData);
    for (QWidget* w : std::initializer_list<QWidget*>{rangeWord, FRangeSymbol, FRangeUnit, Edit_Min,
                                                      Edit_Max, MyButtonSet, MyButtonRefresh})
        w->hide();
    connect(ComboBoxPlotType, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!FSettingControls)
            setPlotType(static_cast<PlotType>(std::clamp(index, 0, kPlotTypes - 1)));
    });
    connect(MyButtonExpPlus, &TMyButton::OnClick, this, &Tgraf_spectroscopy::zoomIn);
    connect(MyButtonExpMinus, &TMyButton::OnClick, this, &Tgraf_spectroscopy::zoomOut);
    connect(MyButtonZoom, &TMyButton::OnClick, this, &Tgraf_spectroscopy::viewWhole);
    connect(MyButtonRange, &TMyButton::OnClick, this, &Tgraf_spectroscopy::openRangeEditor);
    connect(MyButtonSet, &TMyButton::OnClick, this, &Tgraf_spectroscopy::applyRangeEditor);
    connect(MyButtonRefresh, &TMyButton::OnClick, this, &Tgraf_spectroscopy::applyRangeEditor);
    connect(MyButtonKlodka, &TMyButton::OnClick, this,
            [this] { setPadlock(MyButtonKlodka->Down()); });
    connect(MyButtonConvolution, &TMyButton::OnClick, this,
            [this] { showConvolutionPanel(MyButtonConvolution->Down()); });
    connect(MyButtonTransitionData, &TMyButton::OnClick, this,
            [this] { showTransitionData(MyButtonTransitionData->Down()); });
    // Keep the range symbol and the fields' hidden state: the labels appear with the editor.
    rangeWord->setObjectName(QStringLiteral("rangeWord"));
}

void Tgraf_spectroscopy::buildBottomBar() {
    PanelBottom = new QWidget(FPanel);
    PanelBottom->setObjectName(QStringLiteral("PanelBottom"));
    PanelBottom->setFixedHeight(32);
    auto* row = new QHBoxLayout(PanelBottom);
    row->setContentsMargins(8, 3, 8, 3);
    row->setSpacing(4);
    row->addWidget(label(QStringLiteral("rules of transition:"), PanelBottom));
    for (int t = 0; t < kIntensityTypes; ++t) {
        TMyButton* b = button(PanelBottom, QString(), QString(), 36, true);
        b->SetDown(true);
        FLegend[static_cast<std::size_t>(t)] = b;
        row->addWidget(b);
        connect(b, &TMyButton::OnClick, this, [this, t, b] { setTypeShown(t, b->Down()); });
    }
    row->addStretch(1);
    MyButtonExportData =
        button(PanelBottom, QStringLiteral("Export data\u2026"),
               QStringLiteral("Save the numbers of this graph as a CSV table"), 95, false);
    MyButtonExportFigure = button(
        PanelBottom, QStringLiteral("Export figure\u2026"),
        QStringLiteral("Save this graph as a PNG picture, an SVG drawing or a PDF"), 100, false);
    MyButtonLoadMeasured =
        button(PanelBottom, QStringLiteral("Load measured data\u2026"),
               QStringLiteral("Read a measured spectrum from a text file of columns and draw it "
                              "over the synthesised one"),
               135, false);
    row->addWidget(MyButtonLoadMeasured);
    row->addWidget(MyButtonExportData);
    row->addWidget(MyButtonExportFigure);
    connect(MyButtonLoadMeasured, &TMyButton::OnClick, this, &Tgraf_spectroscopy::loadMeasuredData);
    connect(MyButtonExportData, &TMyButton::OnClick, this, &Tgraf_spectroscopy::exportData);
    connect(MyButtonExportFigure, &TMyButton::OnClick, this, &Tgraf_spectroscopy::exportFigure);
    applyResultLook();
}

void Tgraf_spectroscopy::buildConvolutionPanel() {
    FConvolution = new TGraphSidePanel(FPlot, kPanelWidth, kPanelHeight, 12);
    QWidget* content = FConvolution->content();
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(2, 0, 4, 4);
    column->setSpacing(3);
    column->addWidget(label(QStringLiteral("convolution parameters:"), content));

    auto group = [&](const QString& title) {
        auto* box = new QGroupBox(title, content);
        box->setFont(viewerFont());
        auto* inner = new QVBoxLayout(box);
        inner->setContentsMargins(6, 2, 4, 4);
        inner->setSpacing(1);
        column->addWidget(box);
        return std::pair{box, inner};
    };
    auto [styleBox, styleRows] = group(QStringLiteral(" select plot type "));
    const QString styles[] = {QStringLiteral("point"), QStringLiteral("line"),
                              QStringLiteral("fill")};
    auto* styleGroup = new QButtonGroup(styleBox);
    for (int s = 0; s < 3; ++s) {
        FStyleButtons[static_cast<std::size_t>(s)] = radio(styles[s], styleBox);
        styleRows->addWidget(FStyleButtons[static_cast<std::size_t>(s)]);
        styleGroup->addButton(FStyleButtons[static_cast<std::size_t>(s)], s);
    }
    FStyleButtons[1]->setChecked(true);
    connect(styleGroup, &QButtonGroup::idClicked, this,
            [this](int id) { setPlotStyle(static_cast<PlotStyle>(id)); });

    auto [shapeBox, shapeRows] = group(QStringLiteral(" select convolution "));
    const QString shapes[] = {QStringLiteral("none"), QStringLiteral("Lorentz"),
                              QStringLiteral("Gauss"), QStringLiteral("Voigt (Gauss ⊗ Lorentz)")};
    auto* shapeGroup = new QButtonGroup(shapeBox);
    for (int s = 0; s < 4; ++s) {
        FShapeButtons[static_cast<std::size_t>(s)] = radio(shapes[s], shapeBox);
        shapeRows->addWidget(FShapeButtons[static_cast<std::size_t>(s)]);
        shapeGroup->addButton(FShapeButtons[static_cast<std::size_t>(s)], s);
    }
    FShapeButtons[0]->setChecked(true);
    connect(shapeGroup, &QButtonGroup::idClicked, this,
            [this](int id) { setLineShape(static_cast<LineShape>(id)); });
    auto widthRow = [&](QRadioButton*& use, QLabel*& text, TMyUpDown*& value, double step,
                        const QString& format) {
        auto* line = new QHBoxLayout;
        use = radio(QString(), shapeBox);
        text = label(QString(), shapeBox);
        value = field(shapeBox, step, format);
        line->addWidget(use);
        line->addWidget(text, 1);
        line->addWidget(value);
        shapeRows->addLayout(line);
    };
    widthRow(FUseUnitWidth, FHalfWidthLabel, UpDownHalfWidth, 0.1, QStringLiteral("0.0##"));
    widthRow(FUseKelvinWidth, FHalfWidthKLabel, UpDownHalfWidthK, 0.1, QStringLiteral("0.0##"));
    FHalfWidthKLabel->setText(QStringLiteral("half-width (K):"));
    auto* widthGroup = new QButtonGroup(shapeBox);
    widthGroup->addButton(FUseUnitWidth, 0);
    widthGroup->addButton(FUseKelvinWidth, 1);
    FUseUnitWidth->setChecked(true);
    connect(widthGroup, &QButtonGroup::idClicked, this,
            [this](int id) { setHalfWidthInKelvin(id == 1); });
    UpDownHalfWidth->SetPosition(1);
    UpDownHalfWidthK->SetPosition(1);
    connect(UpDownHalfWidth, &TMyUpDown::OnChange, this, [this] {
        if (!FSettingControls)
            setHalfWidth(UpDownHalfWidth->Position(), false);
    });
    connect(UpDownHalfWidthK, &TMyUpDown::OnChange, this, [this] {
        if (!FSettingControls)
            setHalfWidth(UpDownHalfWidthK->Position(), true);
    });
    {
        auto* line = new QHBoxLayout;
        FLorentzWidthLabel = label(QString(), shapeBox);
        UpDownLorentzWidth = field(shapeBox, 0.1, QStringLiteral("0.0##"));
        UpDownLorentzWidth->SetPosition(1);
        line->addWidget(FLorentzWidthLabel, 1);
        line->addWidget(UpDownLorentzWidth);
        shapeRows->addLayout(line);
        connect(UpDownLorentzWidth, &TMyUpDown::OnChange, this, [this] {
            if (!FSettingControls)
                setLorentzWidth(UpDownLorentzWidth->Position());
        });
    }
    FResolutionBox = new QCheckBox(QStringLiteral("FWHM(E) = a + bE + cE²"), shapeBox);
    FResolutionBox->setFont(viewerFont());
    shapeRows->addWidget(FResolutionBox);
    FResolutionLabel = label(QString(), shapeBox);
    shapeRows->addWidget(FResolutionLabel);
    {
        FResolutionRow = new QWidget(shapeBox);
        auto* line = new QHBoxLayout(FResolutionRow);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(3);
        const QString names[] = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        const QString formats[] = {QStringLiteral("0.0##"), QStringLiteral("0.0###"),
                                   QStringLiteral("0.0#####")};
        const double steps[] = {0.1, 0.001, 0.0001};
        for (int k = 0; k < 3; ++k) {
            auto*& f = FResolutionFields[static_cast<std::size_t>(k)];
            f = field(FResolutionRow, steps[k], formats[k]);
            f->SetMin(-1e9);
            f->setFixedSize(44, 18);
            if (k > 0)
                line->addSpacing(10);
            line->addWidget(label(names[k], FResolutionRow));
            line->addWidget(f);
            connect(f, &TMyUpDown::OnChange, this, [this] {
                if (!FSettingControls)
                    applyResolutionFields();
            });
        }
        line->addStretch(1);
        shapeRows->addWidget(FResolutionRow);
    }
    connect(FResolutionBox, &QCheckBox::clicked, this, [this] { applyResolutionFields(); });
    FNormaliseBox = new QCheckBox(QStringLiteral("normalise to area"), shapeBox);
    FNormaliseBox->setFont(viewerFont());
    FNormaliseBox->setToolTip(QStringLiteral(
        "Each line's profile gets the area of its intensity (per unit of the width's scale), "
        "so spectra of different widths can be compared; otherwise its peak does"));
    shapeRows->addWidget(FNormaliseBox);
    connect(FNormaliseBox, &QCheckBox::clicked, this, [this](bool on) { setNormaliseArea(on); });
    FNoteLabel = label(QString(), shapeBox);
    FNoteLabel->setWordWrap(true);
    shapeRows->addWidget(FNoteLabel);

    auto [populationBox, populationRows] = group(QStringLiteral(" population of states "));
    FIgnore = radio(QStringLiteral("ignore"), populationBox);
    FBoltzmannButton = radio(QStringLiteral("Boltzmann distribution"), populationBox);
    FBoltzmannButton->setToolTip(QStringLiteral("Value of measurment temperature"));
    FIgnore->setChecked(true);
    populationRows->addWidget(FIgnore);
    populationRows->addWidget(FBoltzmannButton);
    auto* tempRow = new QHBoxLayout;
    FTempLabel = label(QStringLiteral("measurement temp. T(K)="), populationBox);
    UpDownTemp = field(populationBox, 5.0, QStringLiteral("0.0"));
    UpDownTemp->SetMax(1e6);
    UpDownTemp->SetPosition(100);
    tempRow->addWidget(FTempLabel, 1);
    tempRow->addWidget(UpDownTemp);
    populationRows->addLayout(tempRow);
    connect(FIgnore, &QRadioButton::clicked, this, [this] { setBoltzmann(false); });
    connect(FBoltzmannButton, &QRadioButton::clicked, this, [this] { setBoltzmann(true); });
    connect(UpDownTemp, &TMyUpDown::OnChange, this, [this] {
        if (!FSettingControls)
            setTemperature(UpDownTemp->Position());
    });

    auto* buttons = new QHBoxLayout;
    TMyButton* refresh = button(content, QStringLiteral("refresh"), QString(), 70, false);
    TMyButton* close = button(content, QStringLiteral("close"), QString(), 60, false);
    buttons->addWidget(refresh);
    buttons->addStretch(1);
    buttons->addWidget(close);
    column->addStretch(1);
    column->addLayout(buttons);
    connect(refresh, &TMyButton::OnClick, this, &Tgraf_spectroscopy::applyRangeEditor);
    connect(close, &TMyButton::OnClick, this, [this] {
        MyButtonConvolution->SetDown(false);
        showConvolutionPanel(false);
    });
    FConvolution->hide();
    updateConvolutionControls();
}

void Tgraf_spectroscopy::applyResultLook() {
    const int basis = baza();
    const int types = intensityTypeCount(basis);
    for (int t = 0; t < kIntensityTypes; ++t) {
        TMyButton* b = FLegend[static_cast<std::size_t>(t)];
        b->setVisible(t < types);
        b->SetCaption(QString::fromStdString(intensityCaption(t, basis)));
        const Rgb c = intensityColour(t, basis);
        ControlFont font = b->FontOut();
        font.colour = QColor(c.r, c.g, c.b);
        b->SetFontOut(font);
        ControlFont over = b->FontOver();
        over.colour = font.colour;
        b->SetFontOver(over);
    }
}

void Tgraf_spectroscopy::updateConvolutionControls() {
    const PlotType type = plotType();
    const PlotTypeLook& look = plotTypeLook(type);
    const bool shaped = FOptions.shape != LineShape::none;
    const bool wave = type == PlotType::waveLength;
    FHalfWidthLabel->setText(QStringLiteral("half-width (") + QString::fromLatin1(look.unit) +
                             QStringLiteral("):"));
    for (QWidget* w : std::initializer_list<QWidget*>{FUseUnitWidth, FHalfWidthLabel,
                                                      UpDownHalfWidth, FNoteLabel})
        w->setVisible(shaped);
    for (QWidget* w :
         std::initializer_list<QWidget*>{FUseKelvinWidth, FHalfWidthKLabel, UpDownHalfWidthK})
        w->setVisible(shaped && wave);
    FUseUnitWidth->setVisible(shaped && wave);
    const bool voigt = FOptions.shape == LineShape::voigt;
    const QString widthUnit = FOptions.halfWidthInKelvin || type == PlotType::kelvin
                                  ? QStringLiteral("K")
                                  : QString::fromLatin1(look.unit);
    if (voigt)
        FHalfWidthLabel->setText(QStringLiteral("Gauss FWHM (") + QString::fromLatin1(look.unit) +
                                 QStringLiteral("):"));
    FLorentzWidthLabel->setText(QStringLiteral("Lorentz FWHM (") + widthUnit +
                                QStringLiteral("):"));
    FLorentzWidthLabel->setVisible(voigt);
    UpDownLorentzWidth->setVisible(voigt);
    FResolutionBox->setVisible(shaped);
    const bool growing = shaped && FOptions.resolution.has_value();
    FResolutionLabel->setText(voigt ? QStringLiteral("Gauss FWHM, E in ") + widthUnit
                                    : QStringLiteral("FWHM and E in ") + widthUnit);
    FResolutionLabel->setVisible(growing);
    FResolutionRow->setVisible(growing);
    FNormaliseBox->setVisible(shaped);
    FNoteLabel->setText(
        FOptions.resolution
            ? QStringLiteral("NOTE: Each line takes the width FWHM(E) of its energy; the "
                             "constant width above is not used")
        : wave && FOptions.halfWidthInKelvin
            ? QStringLiteral("NOTE: The values of half-width in this case will change according "
                             "to energy/wave-length recalculation")
            : QStringLiteral(
                  "NOTE: The values of half-width in this case will be constant for all states"));
    FTempLabel->setVisible(FBoltzmann);
    UpDownTemp->setVisible(FBoltzmann);
    // λ from the Symbol font at size 9, the letters E and k at size 7.
    FRangeSymbol->setFont(viewerFont(QStringLiteral("Tahoma"), wave ? 9 : 7));
    FRangeSymbol->SetCaption(wave ? QStringLiteral("!l") : QString::fromLatin1(look.symbol));
    FRangeUnit->setText(QStringLiteral("[") + QString::fromLatin1(look.unit) + QStringLiteral("]"));
}

} // namespace vintrel
