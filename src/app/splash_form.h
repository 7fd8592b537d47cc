#pragma once

#include <QWidget>

class QLabel;

namespace vintrel {

class TMyButton;

/// The splash form: never shown as a window of its own; its credits panel `Panel1` (the
/// picture "splash-reader.bmp", the credits, the version and the visual theme) is moved into
/// the main window's start panel.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPanelWidth = 623;
    static constexpr int kPanelHeight = 240;

    explicit TSplashForm(QWidget* parent = nullptr);

    QWidget* Panel1;
    QLabel* Image1;
    QLabel* LabelTitle;
    QLabel* LabelCredits;
    QLabel* LabelVersion;
    QLabel* LabelStyle;
    TMyButton* MyButtonClose;
};

/// "Style: " and the name of the visual theme the application runs with.
QString visualThemeCaption();

} // namespace vintrel
