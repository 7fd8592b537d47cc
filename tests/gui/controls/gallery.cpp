// Shows every control in every state on one page and saves a picture of it for review:
//   vintrel-gallery [picture.png]
#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "controls/my_label.h"
#include "controls/my_trackbar.h"
#include "controls/my_updown.h"
#include "controls/nice_panel.h"
#include "controls/theme.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>

using namespace vintrel;

namespace {

TMyLabel* label(QWidget* parent, int x, int y, const QString& caption, int size = 8,
                bool bold = false) {
    auto* l = new TMyLabel(parent);
    l->setFont(viewerFont(QStringLiteral("Tahoma"), size, bold));
    l->SetCaption(caption);
    l->move(x, y);
    return l;
}

void heading(QWidget* parent, int x, int y, const QString& caption) {
    auto* band = new TNicePanel(parent);
    loadPanelSet(*band, QStringLiteral("band"));
    band->setGeometry(x, y, 860, 26);
    label(band, 10, 5, caption, 9, true);
}

void enter(QWidget* w) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(w, &event);
}

void pressAt(QWidget* w, QPoint pos) {
    QMouseEvent event(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void moveOver(QWidget* w, QPoint pos) {
    QMouseEvent event(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

TMyButton* button(QWidget* parent, const QString& set, QRect box, const QString& caption,
                  int state) {
    auto* b = new TMyButton(parent);
    loadGlyphSet(*b, set);
    b->setGeometry(box);
    b->SetCaption(caption);
    b->SetTransparent(true);
    ControlFont over = b->FontOut();
    over.colour = theme::kAccent.darker(140);
    b->SetFontOver(over);
    if (state == 2 || state == 3) {
        b->SetTriState(true);
        b->SetDown(true);
    }
    if (state == 1 || state == 3)
        QTimer::singleShot(0, b, [b] { enter(b); });
    if (state == 4)
        b->setEnabled(false);
    return b;
}

void labels(QWidget* page, int top) {
    heading(page, 20, top, QStringLiteral("Markup labels"));
    const char* captions[] = {"a_0^-^6",       "B_e_x_t||z",      "[Ar]3d^1^04s^2",          "!m_B",
                              "!c _x_,_y_,_z", "@A = 10^-^1^0 m", "paramagnetic$      state"};
    int x = 30;
    for (const char* caption : captions) {
        label(page, x, top + 38, QString::fromLatin1(caption), 10);
        x += 90;
    }
    label(page, 30, top + 80, QStringLiteral("normal 8 pt: 1/!c (T/!m_B)"));
    auto* disabled = label(page, 230, top + 80, QStringLiteral("disabled: [Xe]4f^1^45d^16s^2"));
    disabled->setEnabled(false);
    label(page, 450, top + 80, QStringLiteral("bold 9 pt: Hamiltonian H_C_E_F"), 9, true);
    auto* boxed = new TMyLabel(page, QStringLiteral("centred in its box"));
    boxed->SetAutoSize(false);
    boxed->SetTransparent(false);
    boxed->SetColor(Qt::white);
    boxed->SetAlignment(taCenter);
    boxed->SetAlignmentVertical(taCenter);
    boxed->setGeometry(660, top + 38, 170, 60);
    auto* vertical = new TMyVertLabel(page, QStringLiteral("!c (10^-^3 !m_B/T)"));
    vertical->setFont(viewerFont(QStringLiteral("Tahoma"), 10));
    vertical->move(870 - vertical->width(), top + 34);
}

void buttons(QWidget* page, int top) {
    heading(
        page, 20, top,
        QStringLiteral("Image buttons: normal, hovered, pressed, pressed and hovered, disabled"));
    const QString captions[5] = {"close", "save ALL", "K_2 terms", "B_e_x_t", "print"};
    for (int s = 0; s < 5; ++s) {
        button(page, QStringLiteral("button"), QRect(30 + s * 90, top + 40, 75, 23), captions[s],
               s);
        button(page, QStringLiteral("tool"), QRect(500 + s * 30, top + 40, 24, 23),
               QStringLiteral("?"), s);
        auto* swatch = button(page, QStringLiteral("swatch"), QRect(680 + s * 30, top + 40, 24, 23),
                              QString(), s);
        const QColor curves[5] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 170, 0),
                                  QColor(48, 48, 48), QColor(0, 160, 255)};
        swatch->SetColor(curves[s]);
    }
    button(page, QStringLiteral("button"), QRect(30, top + 76, 75, 23), QStringLiteral("left"), 0)
        ->SetAlignment(taLeftJustify);
    button(page, QStringLiteral("button"), QRect(120, top + 76, 75, 23), QStringLiteral("right"), 0)
        ->SetAlignment(taRightJustify);
    button(page, QStringLiteral("button"), QRect(210, top + 76, 75, 23),
           QStringLiteral("K a_0^-^2"), 0);
}

void smallControls(QWidget* page, int top) {
    heading(page, 20, top, QStringLiteral("Up-down, combo box, track bar"));
    for (int s = 0; s < 3; ++s) {
        auto* updown = new TMyUpDown(page);
        updown->setGeometry(30 + s * 70, top + 42, 56, 18);
        updown->SetPosition(0.3 + 0.2 * s);
        if (s > 0)
            pressAt(updown, QPoint(updown->width() - 3, s == 1 ? 3 : updown->height() - 3));
    }
    for (int s = 0; s < 2; ++s) {
        auto* combo = new TMyComboBox(page);
        combo->addItems(
            {QStringLiteral("standard"), QStringLiteral("warm"), QStringLiteral("black-white")});
        combo->setGeometry(250 + s * 140, top + 40, 128, 21);
        if (s == 1)
            QTimer::singleShot(0, combo,
                               [combo] { moveOver(combo, QPoint(combo->width() - 6, 8)); });
    }
    const int thumbs[3][2] = {{20, 80}, {0, 100}, {45, 45}};
    for (int s = 0; s < 3; ++s) {
        auto* bar = new TMyTrackBar(page);
        bar->setGeometry(540 + s * 110, top + 38, 100, 24);
        bar->SetPositionRight(thumbs[s][1]);
        bar->SetPositionLeft(thumbs[s][0]);
    }
}

void panels(QWidget* page, int top) {
    heading(page, 20, top, QStringLiteral("Decorated panels: plain, textured, title band"));
    auto* plain = new TNicePanel(page);
    loadPanelSet(*plain, QStringLiteral("panel"));
    plain->setGeometry(30, top + 40, 260, 90);
    label(plain, 14, 12, QStringLiteral("Curie's law:"), 9, true);
    label(plain, 14, 36, QStringLiteral("p_e_f_f = g [J(J+1)]^1^/^2"), 10);
    auto* textured = new TNicePanel(page);
    loadPanelSet(*textured, QStringLiteral("panel"));
    textured->SetRandomized(true);
    textured->setGeometry(310, top + 40, 260, 90);
    label(textured, 14, 12, QStringLiteral("textured (Randomized)"), 9, true);
    auto* band = new TNicePanel(page);
    loadPanelSet(*band, QStringLiteral("band"));
    band->setGeometry(590, top + 40, 280, 41);
    label(band, 12, 12, QStringLiteral("Magnetic moments"), 10, true);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installViewerFonts();
    const QString output =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery.png");
    TNicePanel page;
    loadPanelSet(page, QStringLiteral("panel"));
    page.setWindowTitle(QStringLiteral("Vintrel controls"));
    page.resize(900, 520);
    labels(&page, 16);
    buttons(&page, 150);
    smallControls(&page, 270);
    panels(&page, 370);
    page.show();
    QTimer::singleShot(300, [&] {
        const bool saved = page.grab().save(output);
        std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(output));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
