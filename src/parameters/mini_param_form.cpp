#include "parameters/mini_param_form.h"

#include "controls/fonts.h"
#include "controls/my_label.h"
#include "controls/theme.h"
#include "parameters/element_panel_model.h"
#include "parameters/parameter_captions.h"
#include "resultdata/element_table.h"
#include "resultdata/result_variables.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

namespace vintrel {

namespace {

const QColor kInactiveCaptionGradient(215, 228, 242);
const QColor kPressed(255, 160, 0);

} // namespace

TMiniParamForm::TMiniParamForm(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(80, 90);
    theme::fillBackground(this, kInactiveCaptionGradient);
    const QString tahoma = QStringLiteral("Tahoma");
    const QString calibri = QStringLiteral("Calibri");
    auto plain = [this](const QFont& font, int x, int y, const QString& text = {}) {
        auto* label = new QLabel(text, this);
        label->setFont(font);
        label->move(x, y);
        label->adjustSize();
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        plainCaptions_.push_back(label);
        return label;
    };
    auto markup = [this](const QFont& font, int x, int y) {
        auto* label = new TMyLabel(this);
        label->setFont(font);
        label->move(x, y);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        markupCaptions_.push_back(label);
        return label;
    };
    LabelElemSymbol = plain(pixelFont(tahoma, 19, true), 26, 13);
    LabelIon = plain(pixelFont(tahoma, 11), 40, 9);
    LabelAtomicNumber = plain(pixelFont(tahoma, 11), 11, 26);
    plain(pixelFont(calibri, 11), 3, 46, QStringLiteral("el. config:"));
    plain(pixelFont(calibri, 11), 3, 59, QStringLiteral("base:"));
    plain(pixelFont(calibri, 11), 3, 73, QStringLiteral("field:"));
    QFont konf = viewerFont(calibri, 9, true);
    konf.setItalic(true);
    MyLabelKonf = markup(konf, 52, 42);
    // The stand-in for Calibri is wider: one point less keeps "|L S LzSz>" inside the 80 pixels.
    MyLabelBase = markup(viewerFont(calibri, 7, true), 29, 57);
    LabelField = plain(pixelFont(calibri, 11, true), 30, 73);
    setCaptionColour(Qt::black);
}

void TMiniParamForm::wczytajDane() {
    const TVariables& vars = sharedVariables();
    const ElementRow* element = elementRow(vars.element);
    LabelElemSymbol->setText(
        element ? QString::fromUtf8(element->symbol.data(), qsizetype(element->symbol.size()))
                : QString());
    LabelElemSymbol->adjustSize();
    LabelIon->setText(QString::fromStdString(chargeText(vars._ionvalue)));
    LabelIon->adjustSize();
    LabelIon->move(LabelElemSymbol->x() + LabelElemSymbol->width(), LabelIon->y());
    LabelAtomicNumber->setText(element ? QString::number(element->atomicNumber) : QString());
    LabelAtomicNumber->adjustSize();
    MyLabelKonf->SetCaption(QString::fromStdString(vars.siconf));
    MyLabelBase->SetCaption(vars.baza == 1 ? QStringLiteral("|L S L_zS_z>")
                                           : QStringLiteral("|J, J_z>"));
    LabelField->setText(vars.cialo == 1 ? QStringLiteral("real") : QStringLiteral("complex"));
    LabelField->adjustSize();
}

void TMiniParamForm::schowaj() {
    hide();
}

QImage TMiniParamForm::picture() {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(kInactiveCaptionGradient);
    render(&image);
    return image;
}

void TMiniParamForm::setCaptionColour(const QColor& colour) {
    for (QLabel* label : plainCaptions_) {
        QPalette look = label->palette();
        look.setColor(QPalette::WindowText, colour);
        label->setPalette(look);
    }
    for (TMyLabel* label : markupCaptions_)
        label->SetFontColor(colour);
}

void TMiniParamForm::allMouseDown() {
    setCaptionColour(kPressed);
}

void TMiniParamForm::allMouseUp() {
    setCaptionColour(Qt::black);
}

void TMiniParamForm::allMouseEnter() {
    setWindowOpacity(220.0 / 255);
}

void TMiniParamForm::allMouseLeave() {
    setWindowOpacity(120.0 / 255);
}

void TMiniParamForm::FormClick() {
    emit przelaczNaParametryResult();
}

void TMiniParamForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        allMouseDown();
}

void TMiniParamForm::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    allMouseUp();
    if (rect().contains(event->position().toPoint()))
        FormClick();
}

} // namespace vintrel
