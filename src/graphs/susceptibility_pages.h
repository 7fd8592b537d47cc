#pragma once

#include "graphs/curie_weiss.h"
#include "graphs/graph_data.h"
#include "graphs/graph_page.h"
#include "graphs/page_looks.h"
#include "graphs/page_parts.h"

#include <array>
#include <optional>
#include <vector>

namespace vintrel {

class TMyTrackBar;
class TMyUpDown;
class TGraphSidePanel;

/// What the two susceptibility pages share: the three susceptibility files of the current
/// result, the direction buttons (z, x, y and, on the χ page, the powder average) with their
/// colours and hover highlight, the details window and the exported table.
class TSusceptibilityPage : public TGraphPage {
    Q_OBJECT
public:
    const ChiData& data() const { return FData; }
    /// Whether a curve is on show: its button is down and the result has it.
    bool shown(ChiCurve curve) const;
    TMyButton* directionButton(ChiCurve curve) const;
    TMyLabel* directionLabel(ChiCurve curve) const;
    /// Shows or hides a curve as its button does.
    void setShown(ChiCurve curve, bool shown);
    /// The mouse went over (or left) a curve's button.
    void setHighlighted(ChiCurve curve, bool highlighted);

protected:
    TSusceptibilityPage(GraphPageHost host, GraphPageConfig config, bool withAverage);

    std::vector<std::filesystem::path>
    dataFiles(const std::filesystem::path& folder) const override;
    void loadData(const std::filesystem::path& folder, const TVariables& vars) override;
    void clearData() override;
    bool hasData() const override { return FData.rowCount() > 0; }
    const std::vector<double>& temperatures() const override { return FData.T; }
    DataTable exportTable(const ResultLocation& location, const std::string& name) const override;
    void fillDetails() override;
    void dataChanged() override;
    /// The powder average when it is on show, else the first shown of z, x and y.
    const std::vector<double>* comparedCurve(QString& name) const override;

    /// The curves of the shown directions (and average), of χ or of 1/χ.
    void addDirectionCurves(TemperaturePlot& plot, bool inverse) const;
    /// Which of x, y, z are shown (for the title).
    std::array<bool, 3> shownDirections() const;
    /// A page-specific change when a direction is switched (the inverse page's fields).
    virtual void directionsChanged() {}

    ChiData FData;
    std::optional<std::vector<double>> FAverage;
    /// The direction buttons with their labels (`Panel4`).
    QWidget* FDirectionPanel = nullptr;

private:
    QWidget* buildDirectionPanel(bool withAverage);
    void paintLook(ChiCurve curve);

    bool FWithAverage;
    std::array<TMyButton*, 4> FButtons{};
    std::array<TMyLabel*, 4> FLabels{};
    std::array<bool, 4> FHighlighted{};
};

/// "magnetic sus.": χ(T) for the field along x, y and z and their powder average, with a
/// Curie-law curve for an effective moment set in the Curie panel.
class Tgraf_chi : public TSusceptibilityPage {
    Q_OBJECT
public:
    explicit Tgraf_chi(GraphPageHost host, QWidget* parent = nullptr);

    TMyButton* curieLawButton() const { return MyButton_curiesLaw; }
    TMyButton* curiePlotButton() const { return MyButtonCurie; }
    TMyUpDown* momentEdit() const { return Edit1; }
    TGraphSidePanel* curiePanel() const { return PanelCurie; }
    /// Shows or hides the Curie panel as "Curie's law" does.
    void showCuriePanel(bool shown);

protected:
    AxisRange defaultRange() const override;
    AxisRange fittedRange() const override;
    void describe(TemperaturePlot& plot, int width, int height) const override;
    void plotResized() override;
    void dataChanged() override;

private:
    void buildCuriePanel();
    void curieChanged();

    TMyButton* MyButton_curiesLaw = nullptr;
    TGraphSidePanel* PanelCurie = nullptr;
    TMyUpDown* Edit1 = nullptr;
    TMyButton* MyButtonCurie = nullptr;
    std::vector<double> FCurie;
    double FCurieMoment = -1;
};

/// "inverse sus.": 1/χ(T) for the field along x, y and z, with the two-thumb temperature
/// selector and the effective moment from the slope of 1/χ between its two rows.
class Tgraf_1chi : public TSusceptibilityPage {
    Q_OBJECT
public:
    explicit Tgraf_1chi(GraphPageHost host, QWidget* parent = nullptr);

    TMyTrackBar* trackBar() const { return FSelector.trackBar(); }
    /// The text of a direction's effective-moment field.
    QString effectiveMomentText(Direction d) const;
    QLineEdit* effectiveMomentField(Direction d) const { return FSelector.field(d); }
    /// The selected rows (from 0): left and right thumb.
    std::size_t firstRow() const { return FSelector.firstRow(); }
    std::size_t secondRow() const { return FSelector.secondRow(); }
    /// Sets the thumbs (rows counted from 1, as the selector shows them).
    void selectRows(int left, int right) { FSelector.selectRows(left, right); }

    /// "Curie–Weiss fit": the fit of χ = C/(T − θ) + χ₀ between the thumbs, per direction and
    /// for the powder average, listed over the plot and drawn as dashed lines of 1/χ.
    TMyButton* curieWeissButton() const { return FFitter.button(); }
    /// "χ₀ = 0": the fit holds χ₀ at 0.
    TMyButton* noChi0Button() const { return FFitter.noChi0Button(); }
    QLabel* curieWeissLabel() const { return FFitter.label(); }
    void showCurieWeiss(bool shown) { FFitter.setShown(shown); }
    void holdChi0(bool held) { FFitter.holdChi0(held); }
    /// The fit of x, y, z (by Direction) or the powder average (3); empty when not made.
    const std::optional<CurieWeissFit>& curieWeissFit(std::size_t index) const {
        return FFitter.fit(index);
    }

protected:
    AxisRange defaultRange() const override;
    AxisRange fittedRange() const override;
    AxisRange shownRange(const AxisRange& stored) const override;
    void describe(TemperaturePlot& plot, int width, int height) const override;
    void plotResized() override;
    void dataChanged() override;
    void directionsChanged() override;

private:
    void MyTrackbarChange();

    void fitCurieWeiss();
    void placeFitLabel();

    TEffectiveMomentSelector FSelector;
    TCurieWeissFitter FFitter;
    int FRowCount = 0;
};

} // namespace vintrel
