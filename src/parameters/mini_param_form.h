#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace vintrel {

class TMyLabel;

/// The small 80 x 90 summary of the current ion that the energy-level and graph pages draw into
/// their pictures (`picture`). It is never shown as a window; the pages forward their mouse
/// events to it, and a click asks the main window to show the "parameters" page.
class TMiniParamForm : public QWidget {
    Q_OBJECT

public:
    explicit TMiniParamForm(QWidget* parent = nullptr);

    /// Refreshes the captions from the shared TVariables (at the end of the pages' refresh).
    void wczytajDane();
    /// Hides the window without activating anything and lets pending events run.
    void schowaj();
    /// The summary as the pages draw it.
    QImage picture();

    /// Mouse events forwarded by the pages.
    void allMouseDown();
    void allMouseUp();
    void allMouseEnter();
    void allMouseLeave();
    void FormClick();

    QLabel* LabelElemSymbol = nullptr;
    QLabel* LabelIon = nullptr;
    QLabel* LabelAtomicNumber = nullptr;
    TMyLabel* MyLabelKonf = nullptr;
    TMyLabel* MyLabelBase = nullptr;
    QLabel* LabelField = nullptr;

signals:
    /// The main window connects this to `przelaczNaParametryResult`.
    void przelaczNaParametryResult();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setCaptionColour(const QColor& colour);

    std::vector<QLabel*> plainCaptions_;
    std::vector<TMyLabel*> markupCaptions_;
};

} // namespace vintrel
