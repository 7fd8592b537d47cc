#pragma once

#include "graphs/graph_data.h"
#include "graphs/graph_page.h"
#include "graphs/page_looks.h"

#include <array>
#include <vector>

namespace vintrel {

class TMyUpDown;
class TGraphSidePanel;

/// What the specific-heat and entropy pages share: "o_spc.dup" of the current result, the
/// details window and the pair of mode buttons in the bottom bar.
class THeatPage : public TGraphPage {
    Q_OBJECT
public:
    const SpcData& data() const { return FData; }
    /// The second mode of the pair is chosen (c/T, ΔS).
    bool secondMode() const;
    /// Chooses a mode as the buttons do.
    void setSecondMode(bool second);
    TMyButton* modeButton(bool second) const { return second ? FSecond : FFirst; }

protected:
    THeatPage(GraphPageHost host, GraphPageConfig config, const QString& title,
              const QString& first, const QString& second);

    std::vector<std::filesystem::path>
    dataFiles(const std::filesystem::path& folder) const override;
    void loadData(const std::filesystem::path& folder, const TVariables& vars) override;
    void clearData() override { FData = {}; }
    bool hasData() const override { return FData.rowCount() > 0; }
    const std::vector<double>& temperatures() const override { return FData.T; }
    void fillDetails() override;
    /// The mode changed: the page recomputes its curves.
    virtual void modeChanged() {}

    SpcData FData;

private:
    TMyButton* FFirst = nullptr;
    TMyButton* FSecond = nullptr;
};

/// "specific heat": the magnetic (Schottky) specific heat c(T) or c/T, with the Debye
/// estimate of the phonon part for a Debye temperature and a number of atoms per formula unit,
/// and the sum of both.
class Tgraf_spech : public THeatPage {
    Q_OBJECT
public:
    explicit Tgraf_spech(GraphPageHost host, QWidget* parent = nullptr);

    TMyButton* debyeLawButton() const { return MyButtonDebyeLaw; }
    TGraphSidePanel* debyePanel() const { return PanelDebye; }
    TMyButton* curveButton(HeatCurve curve) const;
    QLineEdit* thetaEdit() const { return Edit1; }
    TMyUpDown* atomsEdit() const { return Edit2; }
    /// The Debye temperature in use (0: none, the Debye and sum curves are not drawn).
    double theta() const { return edit1Value; }
    /// Sets the Debye temperature as typing it does.
    void setThetaText(const QString& text);
    /// Shows or hides a curve as its button does.
    void setCurveShown(HeatCurve curve, bool shown);
    void showDebyePanel(bool shown);

protected:
    AxisRange defaultRange() const override;
    AxisRange fittedRange() const override;
    void describe(TemperaturePlot& plot, int width, int height) const override;
    DataTable exportTable(const ResultLocation& location, const std::string& name) const override;
    void dataChanged() override;
    void modeChanged() override;
    void plotResized() override;

private:
    void buildDebyePanel();
    void recompute();
    bool curveShown(HeatCurve curve) const;
    void thetaTyped();
    void stepTheta(double step);

    TMyButton* MyButtonDebyeLaw = nullptr;
    TGraphSidePanel* PanelDebye = nullptr;
    QLineEdit* Edit1 = nullptr;
    TMyUpDown* Edit2 = nullptr;
    std::array<TMyButton*, 3> FCurveButtons{};
    std::array<bool, 3> FHighlighted{};
    double edit1Value = 350.0;
    std::array<std::vector<double>, 3> FCurves;
};

/// "entropy": the magnetic entropy S(T) or its change from row to row, with the reference
/// lines R ln k of the statistical entropy.
class Tgraf_entr : public THeatPage {
    Q_OBJECT
public:
    explicit Tgraf_entr(GraphPageHost host, QWidget* parent = nullptr);

    TMyButton* statisticalButton() const { return MyButtonStatistical; }

protected:
    AxisRange defaultRange() const override;
    AxisRange fittedRange() const override;
    void describe(TemperaturePlot& plot, int width, int height) const override;
    DataTable exportTable(const ResultLocation& location, const std::string& name) const override;
    void dataChanged() override;
    void modeChanged() override;

private:
    const std::vector<double>& curve() const;

    TMyButton* MyButtonStatistical = nullptr;
    std::vector<double> FSteps;
};

} // namespace vintrel
