#include "app/start_panel.h"

#include "app/splash_form.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/nice_panel.h"
#include "controls/theme.h"

#include <QLabel>

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

TMyButton* splashButton(QWidget* parent, const QString& caption, int left) {
    auto* button = new TMyButton(parent);
    loadGlyphSet(*button, QStringLiteral("button"));
    button->SetCaption(caption);
    button->SetTransparent(true);
    button->setGeometry(left, TStartPanel::kSplashHeight - 46, 75, 23);
    return button;
}

} // namespace

TStartPanel::TStartPanel(QWidget* parent) : QWidget(parent) {
    PanelSplash = new TNicePanel(this);
    loadPanelSet(*PanelSplash, QStringLiteral("panel"));
    PanelSplash->resize(kSplashWidth, kSplashHeight);

    Panel2 = new QWidget(PanelSplash);
    Panel2->setGeometry(0, 0, kSplashWidth, kSplashHeight - 60);
    SplashForm = new TSplashForm(this);
    SplashForm->hide();
    SplashForm->MyButtonClose->hide();
    SplashForm->Panel1->setParent(Panel2);
    SplashForm->Panel1->move(0, 0);
    SplashForm->Panel1->show();
    LabelVersion = SplashForm->LabelVersion;
    LabelStyle = SplashForm->LabelStyle;

    auto* hint = label(PanelSplash, QStringLiteral("Open a result container to begin:"), 9, false,
                       theme::kText);
    hint->setGeometry(38, kSplashHeight - 44, 240, 20);
    ButtonLoad = splashButton(PanelSplash, QStringLiteral("load"), kSplashWidth - 3 * 85 - 28);
    ButtonHelp = splashButton(PanelSplash, QStringLiteral("help"), kSplashWidth - 2 * 85 - 28);
    ButtonClose = splashButton(PanelSplash, QStringLiteral("close"), kSplashWidth - 85 - 28);
}

void TStartPanel::resizeEvent(QResizeEvent* event) {
    const int left = (width() - kSplashWidth) / 2;
    const int top = (height() - kSplashHeight) / 3;
    PanelSplash->move(left, std::max(0, top));
    QWidget::resizeEvent(event);
}

} // namespace vintrel
