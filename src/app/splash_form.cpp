#include "app/splash_form.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/theme.h"

#include <QApplication>
#include <QBitmap>
#include <QImage>
#include <QLabel>
#include <QStyle>

namespace vintrel {

namespace {

QLabel* label(QWidget* parent, const QString& text, int pointSize, bool bold,
              const QColor& colour) {
    auto* shown = new QLabel(text, parent);
    shown->setFont(viewerFont(QStringLiteral("Tahoma"), pointSize, bold));
    QPalette palette = shown->palette();
    palette.setColor(QPalette::WindowText, colour);
    shown->setPalette(palette);
    shown->setAttribute(Qt::WA_TranslucentBackground);
    return shown;
}

/// The splash picture with the colour of its top-left pixel left out.
QPixmap splashPicture() {
    const QImage image(QStringLiteral(":/data/splash-reader.bmp"));
    if (image.isNull())
        return {};
    QPixmap picture = QPixmap::fromImage(image);
    picture.setMask(picture.createMaskFromColor(image.pixelColor(0, 0), Qt::MaskInColor));
    return picture;
}

} // namespace

QString visualThemeCaption() {
    const QStyle* style = QApplication::style();
    const QString name = style ? style->name() : QString();
    return QStringLiteral("Style: ") + (name.isEmpty() ? QStringLiteral("default") : name);
}

TSplashForm::TSplashForm(QWidget* parent) : QWidget(parent) {
    Panel1 = new QWidget(this);
    Panel1->resize(kPanelWidth, kPanelHeight);
    Image1 = new QLabel(Panel1);
    Image1->setPixmap(splashPicture());
    Image1->setGeometry(0, 0, kPanelWidth, kPanelHeight);
    Image1->setAttribute(Qt::WA_TranslucentBackground);

    LabelTitle = label(Panel1, QStringLiteral("Vintrel"), 28, true, theme::kAccent);
    LabelTitle->setGeometry(36, 22, 300, 52);
    auto* subtitle = label(Panel1, QStringLiteral("Viewer of crystal-field calculation results"),
                           12, false, theme::kText);
    subtitle->setGeometry(38, 76, 400, 24);
    LabelCredits = label(Panel1,
                         QStringLiteral("Energy levels and eigenstates, crystal-field parameters, "
                                        "the Hamiltonian, susceptibility, specific heat, entropy, "
                                        "spectra and the shape of the crystal-field potential, "
                                        "read from Zorvane containers (.zrvn, .mfa).<br>"
                                        "Written in C++20 with Qt 6; help in English, Polish "
                                        "and German."),
                         9, false, theme::kText);
    LabelCredits->setTextFormat(Qt::RichText);
    LabelCredits->setWordWrap(true);
    LabelCredits->setGeometry(38, 106, 360, 84);
    LabelVersion =
        label(Panel1, QStringLiteral("Vintrel v1.2 (20.01.17), 32-bit"), 9, true, theme::kText);
    LabelVersion->setGeometry(38, 196, 300, 18);
    LabelStyle = label(Panel1, visualThemeCaption(), 8, false, theme::kShadow);
    LabelStyle->setGeometry(38, 216, 300, 16);

    MyButtonClose = new TMyButton(Panel1);
    loadGlyphSet(*MyButtonClose, QStringLiteral("button"));
    MyButtonClose->SetCaption(QStringLiteral("close"));
    MyButtonClose->setGeometry(kPanelWidth - 85, kPanelHeight - 30, 75, 23);
    MyButtonClose->hide();
}

} // namespace vintrel
