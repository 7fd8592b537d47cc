#include "hamiltonian/ham_form.h"

#include "controls/my_label.h"
#include "hamiltonian/ham_grid.h"
#include "hamiltonian/ham_states.h"
#include "hamiltonian/ham_texts.h"
#include "resultdata/result_variables.h"
#include "resultdata/term_values.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QSignalBlocker>

#include <exception>

namespace vintrel {

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

THamForm::THamForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Hamiltonian"));
    buildGrid();
    buildSidePanel();
    connect(StringGrid1, &THamGrid::cellClicked, this, &THamForm::gridClicked);
    connect(StringGrid1, &THamGrid::releasedOverData, this, [this](GridCell cell) {
        StringGrid1->viewport()->setToolTip(qText(elementHint(matrices_, cell.row, cell.column)));
    });
    connect(StringGrid1, &THamGrid::zoomRequested, this,
            [this](int direction) { direction > 0 ? zoomIn() : zoomOut(); });
    matrices_.reset(0, false);
    StringGrid1->view().setStates(11);
    ShowMatrix();
}

THamForm::~THamForm() = default;

TermSet THamForm::tickedTerms() const {
    TermSet ticked;
    for (HamTerm term : kTermOrder) {
        const QCheckBox* box = CheckBoxTerm[std::size_t(term)];
        ticked.set(term, box->isEnabled() && box->isChecked());
    }
    return ticked;
}

QString THamForm::gridHint() const {
    return StringGrid1->viewport()->toolTip();
}

void THamForm::wczytajDane() {
    const TVariables& vars = sharedVariables();
    const ParameterPanelTexts texts = parameterPanelTexts(vars);
    LabelElement->SetCaption(qText(texts.element));
    LabelZ->SetCaption(qText(texts.atomicNumber));
    LabelOxidation->SetCaption(qText(texts.oxidation));
    LabelDimension->SetCaption(qText(texts.dimension));
    LabelBase->SetCaption(qText(texts.base));
    LabelField->SetCaption(qText(texts.field));
    LabelLambda->SetCaption(qText(texts.lambda));
    LabelBx->SetCaption(qText(texts.bx));
    LabelBy->SetCaption(qText(texts.by));
    LabelBz->SetCaption(qText(texts.bz));

    matrices_.reset(vars._dimension, vars.cialo == 2);
    std::exception_ptr failure;
    bool found = false;
    if (!FLocation.resultFolder.empty()) {
        try {
            found = readHamiltonian(FLocation.workingRoot / FLocation.resultFolder, matrices_);
        } catch (...) {
            found = true; // the file is there, only damaged
            failure = std::current_exception();
        }
    }
    PanelNoData->setVisible(!found);
    placeNoData();

    for (QCheckBox* box : CheckBoxTerm)
        box->setEnabled(false);
    baza_ = vars.baza == 2 ? 2 : 1;
    const auto term = termValues(vars.siconf, basisIndex(vars.baza, vars.cialo));
    captions_ = term ? vintrel::stateCaptions(baza_, *term) : std::vector<std::string>();
    headerCaptions_.clear();
    for (const std::string& caption : captions_)
        headerCaptions_.push_back(headerCaption(caption));
    blockSide_ = checkerBlockSide(baza_, term.value_or(TermValues{}));

    const TermAvailability availability = termAvailability(baza_, vars.siconf);
    for (HamTerm which : kTermOrder) {
        QCheckBox* box = CheckBoxTerm[std::size_t(which)];
        const QSignalBlocker block(box);
        box->setEnabled(availability.enabled.has(which));
        if (which == HamTerm::ls && availability.pressLs)
            box->setChecked(true);
    }
    StringGrid1->view().setStates(std::max(0, vars._dimension));
    ShowMatrix();
    if (failure)
        std::rethrow_exception(failure);
}

void THamForm::ukryjWartosci() {
    LabelSelRow->SetCaption(QString::fromLatin1(kNoneText));
    LabelSelCol->SetCaption(QString::fromLatin1(kNoneText));
    LabelSelRowCaption->hide();
    LabelSelColCaption->hide();
    for (HamTerm term : kTermOrder) {
        LabelTermValue[std::size_t(term)]->hide();
        LabelTermImaginary[std::size_t(term)]->hide();
    }
    LabelTotalValue->hide();
    LabelTotalImaginary->hide();
    showSelection();
}

void THamForm::ShowMatrix() {
    const TermSet ticked = tickedTerms();
    matrices_.sum(ticked);
    StringGrid1->view().setTickedLines(ticked.count(), baza_ == 1);
    prepareTexts();
    updateScene();
    StringGrid1->viewChanged();
}

void THamForm::prepareTexts() {
    const QFontMetrics plain(fonts_->plain);
    const QFontMetrics emphasised(fonts_->emphasised);
    texts_.prepare(matrices_, tickedTerms(), StringGrid1->view().dataColumnWidth(),
                   [&](std::string_view text, bool bold) {
                       return (bold ? emphasised : plain)
                           .horizontalAdvance(
                               QString::fromLatin1(text.data(), qsizetype(text.size())));
                   });
}

void THamForm::updateScene() {
    HamGridScene scene;
    scene.texts = &texts_;
    scene.captions = &headerCaptions_;
    scene.fonts = fonts_.get();
    scene.selection = selection_;
    scene.blockSide = blockSide_;
    StringGrid1->setScene(scene);
}

void THamForm::showSelection() {
    const SelectionTexts texts =
        selectionTexts(matrices_, captions_, selection_.selRow, selection_.selCol, tickedTerms());
    LabelSelRow->SetCaption(qText(texts.row));
    LabelSelRowCaption->SetCaption(qText(texts.rowCaption));
    LabelSelRowCaption->setVisible(!texts.rowCaption.empty());
    LabelSelCol->SetCaption(qText(texts.column));
    LabelSelColCaption->SetCaption(qText(texts.columnCaption));
    LabelSelColCaption->setVisible(!texts.columnCaption.empty());
    auto show = [](const TermValueTexts& value, TMyLabel* real, TMyLabel* imaginary) {
        real->SetCaption(qText(value.value));
        imaginary->SetCaption(qText(value.imaginary));
        real->setVisible(value.shown);
        imaginary->setVisible(value.shown && !value.imaginary.empty());
    };
    for (HamTerm term : kTermOrder)
        show(texts.terms[std::size_t(term)], LabelTermValue[std::size_t(term)],
             LabelTermImaginary[std::size_t(term)]);
    show(texts.total, LabelTotalValue, LabelTotalImaginary);
    updateScene();
    StringGrid1->viewport()->update();
}

void THamForm::gridClicked(GridCell cell) {
    if (selection_.click(cell))
        StringGrid1->viewport()->setToolTip(qText(elementHint(matrices_, cell.row, cell.column)));
    showSelection();
}

void THamForm::zoomIn() {
    if (!StringGrid1->view().zoomIn(selection_))
        return;
    texts_.fit(StringGrid1->view().dataColumnWidth());
    StringGrid1->viewChanged();
}

void THamForm::zoomOut() {
    if (!StringGrid1->view().zoomOut(selection_))
        return;
    texts_.fit(StringGrid1->view().dataColumnWidth());
    StringGrid1->viewChanged();
}

void THamForm::placeNoData() {
    const QSize area = StringGrid1->size();
    PanelNoData->move((area.width() - PanelNoData->width()) / 2,
                      (area.height() - PanelNoData->height()) / 2);
    PanelNoData->raise();
}

bool THamForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid1 && event->type() == QEvent::Resize)
        placeNoData();
    return QWidget::eventFilter(watched, event);
}

} // namespace vintrel
