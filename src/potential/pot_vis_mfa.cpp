// The "visualizer (MF)" page: the temperature slider, the molecular-field trail and the
// view-through hole on top of the potential page.
#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "graphs/graph_page.h"
#include "potential/gl_panel.h"
#include "potential/pot_vis_form.h"
#include "resultdata/result_variables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

namespace vintrel {

namespace {

QLabel* caption(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setFont(viewerFont());
    return label;
}

} // namespace

TPotVisMFAForm::TPotVisMFAForm(PotVisHost host, QWidget* parent)
    : TPotVisForm(std::move(host), true, parent) {
    setWindowTitle(QStringLiteral("visualizer (MF)"));
    buildPanel();
    showTemperature();
}

QWidget* TPotVisMFAForm::makeTopBar(QWidget* parent) {
    auto* bar = new QWidget(parent);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(6);
    row->addWidget(caption(bar, QStringLiteral("TEMPERATURE slider position:")));
    LabelTemp = new TMyLabel(bar, QStringLiteral("0 K"));
    row->addWidget(LabelTemp);
    row->addSpacing(12);
    row->addWidget(caption(bar, QStringLiteral("molecular field:")));
    row->addWidget(new TMyLabel(bar, QStringLiteral("B_m_o_l=")));
    LabelField = new TMyLabel(bar, QStringLiteral("0 T"));
    row->addWidget(LabelField);
    row->addSpacing(12);
    row->addWidget(caption(bar, QStringLiteral("total moment:")));
    row->addWidget(new TMyLabel(bar, QStringLiteral("m=")));
    LabelMoment = new TMyLabel(bar, QStringLiteral("0 !m_B"));
    row->addWidget(LabelMoment);
    row->addStretch(1);
    for (TMyLabel* value : {LabelTemp, LabelField, LabelMoment}) {
        value->setMinimumWidth(70);
        value->SetTransparent(true);
    }
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    TrackBarTemp = new QSlider(Qt::Horizontal, column);
    TrackBarTemp->setRange(0, 0);
    TrackBarTemp->setEnabled(false);
    layout->addWidget(TrackBarTemp);
    connect(TrackBarTemp, &QSlider::valueChanged, this, [this] { showTemperature(); });
    return column;
}

void TPotVisMFAForm::addShapeControls(QWidget* parent, int& y) {
    const auto place = [&](QWidget* w, int x, int width, int h = 20) {
        w->setGeometry(x, y, width, h);
    };
    CheckMolField = new QCheckBox(QStringLiteral("show molecular field vectors"), parent);
    CheckMolField->setFont(viewerFont());
    place(CheckMolField, 4, 168);
    y += 22;
    place(caption(parent, QStringLiteral("length:")), 4, 50);
    ComboBoxLength = new QComboBox(parent);
    ComboBoxLength->setFont(viewerFont());
    for (const char* length : kTrailLengthCaptions)
        ComboBoxLength->addItem(QString::fromLatin1(length));
    ComboBoxLength->setCurrentIndex(3);
    place(ComboBoxLength, 56, 70, 22);
    y += 26;
    place(caption(parent, QStringLiteral("steps:")), 4, 50);
    LabelSteps = caption(parent, QStringLiteral("5"));
    place(LabelSteps, 140, 26);
    TrackBarSteps = new QSlider(Qt::Horizontal, parent);
    TrackBarSteps->setRange(0, 20);
    TrackBarSteps->setValue(5);
    place(TrackBarSteps, 56, 80, 22);
    y += 26;
    CheckHole = new QCheckBox(QStringLiteral("enable central view-through"), parent);
    CheckHole->setFont(viewerFont());
    place(CheckHole, 4, 168);
    y += 22;
    place(caption(parent, QStringLiteral("size:")), 4, 40);
    auto* minus = TGraphPage::makeButton(parent, QStringLiteral("-"), QString(), 20, false);
    place(minus, 40, 20, 22);
    TrackBarHole = new QSlider(Qt::Horizontal, parent);
    TrackBarHole->setRange(1, 9);
    TrackBarHole->setValue(5);
    place(TrackBarHole, 62, 70, 22);
    auto* plus = TGraphPage::makeButton(parent, QStringLiteral("+"), QString(), 20, false);
    place(plus, 134, 20, 22);
    LabelHole = caption(parent, QStringLiteral("50%"));
    place(LabelHole, 156, 30);
    y += 26;

    connect(CheckMolField, &QCheckBox::toggled, this, [this] { rebuildTrail(); });
    connect(ComboBoxLength, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { rebuildTrail(); });
    connect(TrackBarSteps, &QSlider::valueChanged, this, [this](int steps) {
        LabelSteps->setText(QString::number(steps));
        rebuildTrail();
    });
    connect(CheckHole, &QCheckBox::toggled, this, [this] { readAndVis(); });
    connect(TrackBarHole, &QSlider::valueChanged, this, [this](int size) {
        LabelHole->setText(QString::number(10 * size) + QStringLiteral("%"));
        rebuildTrail();
        if (CheckHole->isChecked())
            readAndVis();
    });
    connect(minus, &TMyButton::OnClick, this,
            [this] { TrackBarHole->setValue(TrackBarHole->value() - 1); });
    connect(plus, &TMyButton::OnClick, this,
            [this] { TrackBarHole->setValue(TrackBarHole->value() + 1); });
}

std::optional<ViewHole> TPotVisMFAForm::hole() const {
    if (!CheckHole || !CheckHole->isChecked())
        return std::nullopt;
    const double radius = viewThroughRadius(TrackBarHole->value(), shapeChoice().size);
    if (!view())
        return ViewHole{0, 0, radius};
    return ViewHole{view()->camera().angleX(), view()->camera().angleY(), radius};
}

void TPotVisMFAForm::resultLoaded(const std::filesystem::path& folder) {
    FTable = {};
    if (!folder.empty()) {
        runGuarded(host().mainWindow, [&] { FTable = readMomentTable(folder); });
    }
    const MomentSlider slider = temperatureSliderFor(FTable);
    const QSignalBlocker block(TrackBarTemp);
    TrackBarTemp->setRange(0, slider.maximum);
    TrackBarTemp->setValue(slider.position);
    TrackBarTemp->setEnabled(slider.enabled);
    showTemperature();
}

QString TPotVisMFAForm::temperatureCaption() const {
    return LabelTemp->Caption();
}

void TPotVisMFAForm::showTemperature() {
    const MomentCaptions captions =
        momentCaptions(FTable, TrackBarTemp->value(), sharedVariables().dynamic_n_ex);
    LabelTemp->SetCaption(captions.temperature.empty()
                              ? QStringLiteral("0 K")
                              : QString::fromStdString(captions.temperature));
    LabelField->SetCaption(captions.field.empty() ? QStringLiteral("0 T")
                                                  : QString::fromStdString(captions.field));
    LabelMoment->SetCaption(captions.moment.empty() ? QStringLiteral("0 !m_B")
                                                    : QString::fromStdString(captions.moment));
    rebuildTrail();
}

void TPotVisMFAForm::rebuildTrail() {
    if (!CheckMolField)
        return;
    TrailSettings settings;
    settings.temperature = TrackBarTemp->value();
    settings.steps = TrackBarSteps->value();
    settings.lengthFactor =
        kTrailLengthFactors[static_cast<std::size_t>(std::max(0, ComboBoxLength->currentIndex()))];
    settings.holeSize = TrackBarHole->value();
    settings.shapeSize = shapeChoice().size;
    FTrail = momentTrail(FTable, settings);
    if (view()) {
        view()->setDrawMolField(CheckMolField->isChecked());
        view()->setTrail(FTrail);
    }
}

} // namespace vintrel
