#include "controls/dialog_frame.h"

#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/nice_panel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vintrel {

namespace {

TMyButton* dialogButton(QWidget* parent, const QString& caption) {
    auto* button = new TMyButton(parent);
    loadGlyphSet(*button, QStringLiteral("button"));
    button->SetCaption(caption);
    button->SetTransparent(true);
    button->setFixedSize(75, 23);
    return button;
}

} // namespace

TFramedDialog::TFramedDialog(QWidget* parent, const QString& caption) : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
    setFont(viewerFont());
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    PanelBack = new TNicePanel(this);
    loadPanelSet(*PanelBack, QStringLiteral("panel"));
    outer->addWidget(PanelBack);

    auto* inner = new QVBoxLayout(PanelBack);
    inner->setContentsMargins(14, 14, 14, 10);
    content = new QVBoxLayout;
    inner->addLayout(content, 1);
    PanelButtons = new QWidget(PanelBack);
    auto* row = new QHBoxLayout(PanelButtons);
    row->setContentsMargins(0, 6, 0, 0);
    row->addStretch(1);
    MyButtonOK = dialogButton(PanelButtons, QStringLiteral("OK"));
    MyButtonCancel = dialogButton(PanelButtons, QStringLiteral("Cancel"));
    row->addWidget(MyButtonOK);
    row->addWidget(MyButtonCancel);
    inner->addWidget(PanelButtons);

    connect(MyButtonOK, &TMyButton::OnClick, this, &QDialog::accept);
    connect(MyButtonCancel, &TMyButton::OnClick, this, &QDialog::reject);
}

void TFramedDialog::pressOk() {
    MyButtonOK->Click();
}

} // namespace vintrel
