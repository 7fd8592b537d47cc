#include "levels/level_page_parts.h"

#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "levels/detail_forms.h"

#include <QLabel>

namespace vintrel {

TMyButton* makeLevelButton(QWidget* parent, const QString& caption, const QString& hint, int width,
                           bool toggle, const QString& glyphs) {
    return makeToolButton(parent, caption, hint, width, toggle, glyphs);
}

QLabel* makeLevelText(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setFont(viewerFont());
    return label;
}

void bindDetailToggle(TMyButton* toggle, TDetailForm* form, std::function<void()> fill,
                      std::function<QWidget*()> centreOn, QWidget* messageParent) {
    QObject::connect(toggle, &TMyButton::OnClick, form, [=] {
        if (!toggle->Down()) {
            form->closeQuietly();
            return;
        }
        if (!runGuarded(messageParent, fill)) {
            toggle->SetDown(false);
            return;
        }
        form->showCentredOn(centreOn());
    });
    QObject::connect(form, &TDetailForm::closed, toggle, [toggle] { toggle->SetDown(false); });
}

} // namespace vintrel
