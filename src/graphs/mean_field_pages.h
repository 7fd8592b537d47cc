#pragma once

#include "graphs/graph_data.h"
#include "graphs/graph_page.h"
#include "graphs/mean_field_plots.h"
#include "graphs/page_parts.h"
#include "graphs/plot_component.h"

#include <optional>
#include <vector>

class QLineEdit;

namespace vintrel {

class TMyButton;
class TMyLabel;
class TMyTrackBar;
class TMyUpDown;

/// A curve of a mean-field page: its slot in the plot component, the caption of its toggle
/// (caption markup) and whether it starts shown.
struct MeanFieldCurve {
    int slot = 0;
    QString caption;
    Rgb colour;
    bool shown = true;
};

/// What the six mean-field temperature pages share on the shared graph page: the plot
/// component `TGraph` (margins, slots, exponent title, curves cut at every edge), a toggle per
/// curve in the bottom bar (the mouse over one draws its curve last), the ordering temperature
/// of "d_temp.dup" with its line and the state labels, the padlock over the mean-field results,
/// the range rules of their tool bars and the table of `vintrel-cli data meanfield`.
///
/// Their data are read when a result becomes current; a missing main file clears the graph and
/// says "no data" with the file's name.
class TMeanFieldPage : public TGraphPage {
    Q_OBJECT
public:
    const TGraph& graph() const { return FGraph; }
    /// T_c of the current result (none without "d_temp.dup").
    std::optional<double> transitionTemperature() const { return FTc; }
    /// What the ordering temperature put into the scene made last.
    const TransitionMarks& transitionMarks() const { return FMarks; }
    TMyButton* curveButton(int slot) const;
    /// Shows or hides a curve as its toggle does.
    void setCurveShown(int slot, bool shown);
    /// Whether a curve is drawn: its toggle is down and the page has it.
    bool curveShown(int slot) const;

protected:
    TMeanFieldPage(GraphPageHost host, GraphPageConfig config, std::vector<MeanFieldCurve> curves,
                   MeanFieldFit fit, double fitStep);

    std::vector<std::filesystem::path>
    dataFiles(const std::filesystem::path& folder) const override;
    void loadData(const std::filesystem::path& folder, const TVariables& vars) override;
    void clearData() override;
    bool hasData() const override { return !FGraph.getXaxisData().empty(); }
    const std::vector<double>& temperatures() const override { return FGraph.getXaxisData(); }
    AxisRange fittedRange() const override;
    void describe(TemperaturePlot& plot, int width, int height) const override;
    DataTable exportTable(const ResultLocation& location, const std::string& name) const override;

    // What a page says.
    /// The files the page reads besides "d_temp.dup" (the first is its main file).
    virtual std::vector<std::filesystem::path>
    pageFiles(const std::filesystem::path& folder) const = 0;
    /// Reads the page's data into the plot component (setCurves).
    virtual void readPageData(const std::filesystem::path& folder, const TVariables& vars) = 0;
    /// Forgets the page's own data.
    virtual void clearPageData() {}
    /// The value-axis title.
    virtual std::string title() const = 0;
    /// Whether the page has a slot's curve now (the y direction of a real Hamiltonian does
    /// not exist; the Debye curves need a Debye temperature).
    virtual bool slotAvailable(int) const { return true; }
    /// Adds the page's own overlays (after the ordering temperature).
    virtual void addPageOverlays(TemperaturePlot&, int, int) const {}

    // What a page uses.
    /// Gives the plot component the temperatures (the axis from 0 to the largest) and the
    /// values of each slot, in the slot's colour.
    void setCurves(const TAxisData& T, const std::vector<std::pair<int, TAxisData>>& curves);
    /// Shows a curve's toggle only when the result has the curve (released when not).
    void setCurveAvailable(int slot, bool available);
    /// Adds a widget to the bottom bar after the curve toggles.
    void addBottomWidget(QWidget* widget);
    /// Throws when no data are held (a default range is then not written).
    void requireData() const;

    // The plot component holds the curves; painting sets its visibility, range and markers
    // from the page's state, so it changes in const drawing code.
    mutable TGraph FGraph;

private:
    std::vector<MeanFieldCurve> FCurves;
    std::vector<TMyButton*> FButtons;
    std::vector<TMyLabel*> FLabels;
    QWidget* FCurvePanel = nullptr;
    MeanFieldFit FFit;
    double FFitStep;
    std::optional<double> FTc;
    double FChiTmax = 200;
    StateLabelWidths FStateWidths;
    mutable TransitionMarks FMarks;
};

/// "moment (MF)": |m_x|, |m_y|, |m_z| and |m_t| versus T, with its own details window.
class Tgraf_momentD : public TMeanFieldPage {
    Q_OBJECT
public:
    explicit Tgraf_momentD(GraphPageHost host, QWidget* parent = nullptr);
    const MomentData& data() const { return FData; }

protected:
    std::vector<std::filesystem::path>
    pageFiles(const std::filesystem::path& folder) const override;
    void readPageData(const std::filesystem::path& folder, const TVariables& vars) override;
    void clearPageData() override { FData = {}; }
    std::string title() const override { return kMomentTitle; }
    bool slotAvailable(int slot) const override { return slot != 1 || FComplex; }
    AxisRange defaultRange() const override;
    void fillDetails() override;

private:
    MomentData FData;
    bool FComplex = false;
};

/// What the two mean-field susceptibility pages share: the three "o_chi" files.
class TMeanFieldChiPage : public TMeanFieldPage {
    Q_OBJECT
public:
    const ChiData& data() const { return FData; }

protected:
    using TMeanFieldPage::TMeanFieldPage;
    std::vector<std::filesystem::path>
    pageFiles(const std::filesystem::path& folder) const override;
    void readChi(const std::filesystem::path& folder, const TVariables& vars);
    void clearPageData() override { FData = {}; }
    bool slotAvailable(int slot) const override { return slot != 1 || FData.hasY; }
    void fillDetails() override;

    ChiData FData;
};

/// "mag. susc. (MF)": χ for the field along x, y and z, the powder average of the ordinary
/// pages and a Curie-law curve for the effective moment of its up-down, with T_c.
class Tgraf_chiD : public TMeanFieldChiPage {
    Q_OBJECT
public:
    explicit Tgraf_chiD(GraphPageHost host, QWidget* parent = nullptr);
    TMyUpDown* momentEdit() const { return Edit1; }
    const std::optional<std::vector<double>>& average() const { return FAverage; }

protected:
    void readPageData(const std::filesystem::path& folder, const TVariables& vars) override;
    std::string title() const override { return kMeanFieldChiTitle; }
    bool slotAvailable(int slot) const override;
    AxisRange defaultRange() const override;

private:
    void curieChanged();

    TMyUpDown* Edit1 = nullptr;
    std::optional<std::vector<double>> FAverage;
};

/// "inv. susc. (MF)": 1/χ for the field along x, y and z with T_c, the two-thumb temperature
/// selector with the secants and the effective moments; markers kept as reciprocals.
class Tgraf_1chiD : public TMeanFieldChiPage {
    Q_OBJECT
public:
    explicit Tgraf_1chiD(GraphPageHost host, QWidget* parent = nullptr);
    TMyTrackBar* trackBar() const { return FSelector.trackBar(); }
    QString effectiveMomentText(Direction d) const;
    /// The selected rows (from 0): left and right thumb.
    std::size_t firstRow() const { return FSelector.firstRow(); }
    std::size_t secondRow() const { return FSelector.secondRow(); }
    /// Sets the thumbs (rows counted from 1).
    void selectRows(int left, int right) { FSelector.selectRows(left, right); }
    /// "Curie–Weiss fit" between the thumbs, as on the ordinary page: per direction and for the
    /// powder average, listed over the plot and drawn as dashed lines of 1/χ.
    TCurieWeissFitter& curieWeiss() { return FFitter; }

protected:
    void readPageData(const std::filesystem::path& folder, const TVariables& vars) override;
    std::string title() const override { return kMeanFieldInverseTitle; }
    AxisRange defaultRange() const override;
    AxisRange shownRange(const AxisRange& stored) const override;
    AxisRange storedRange(const AxisRange& range) const override;
    xy_array shownMarkers(const xy_array& stored) const override;
    xy_array storedMarkers(const xy_array& shown) const override;
    void addPageOverlays(TemperaturePlot& plot, int width, int height) const override;
    void dataChanged() override;
    void plotResized() override;
    /// No data, no fit: the previous result's box goes too.
    void clearPageData() override;

private:
    void MyTrackbarChange();
    void fitCurieWeiss();

    TEffectiveMomentSelector FSelector;
    TCurieWeissFitter FFitter;
    std::optional<std::vector<double>> FAverage;
};

/// "anisotropy (MF)": K1, K2, K2', K3 and K3' versus T, the range set by both ends.
class Tgraf_anisoD : public TMeanFieldPage {
    Q_OBJECT
public:
    explicit Tgraf_anisoD(GraphPageHost host, QWidget* parent = nullptr);
    const AnisoData& data() const { return FData; }

protected:
    std::vector<std::filesystem::path>
    pageFiles(const std::filesystem::path& folder) const override;
    void readPageData(const std::filesystem::path& folder, const TVariables& vars) override;
    void clearPageData() override { FData = {}; }
    std::string title() const override { return kAnisotropyTitle; }
    AxisRange defaultRange() const override;

private:
    AnisoData FData;
};

/// What the mean-field entropy and specific-heat pages share: "o_spc.dup".
class TMeanFieldHeatPage : public TMeanFieldPage {
    Q_OBJECT
public:
    const SpcData& data() const { return FData; }

protected:
    using TMeanFieldPage::TMeanFieldPage;
    std::vector<std::filesystem::path>
    pageFiles(const std::filesystem::path& folder) const override;
    void readSpc(const std::filesystem::path& folder);
    void clearPageData() override { FData = {}; }
    void fillDetails() override;

    SpcData FData;
};

/// "entropy (MF)": S versus T with the statistical-entropy lines R ln b.
class Tgraf_entrD : public TMeanFieldHeatPage {
    Q_OBJECT
public:
    explicit Tgraf_entrD(GraphPageHost host, QWidget* parent = nullptr);
    TMyButton* statisticalButton() const { return MyButtonStatistical; }

protected:
    void readPageData(const std::filesystem::path& folder, const TVariables& vars) override;
    std::string title() const override { return kMeanFieldEntropyTitle; }
    AxisRange defaultRange() const override;
    void addPageOverlays(TemperaturePlot& plot, int width, int height) const override;

private:
    TMyButton* MyButtonStatistical = nullptr;
};

/// "spec. heat (MF)": c or c/T versus T, with the Debye estimate for a Debye temperature and
/// a number of atoms per formula unit (or the file's fourth value without one) and their sum.
class Tgraf_specD : public TMeanFieldHeatPage {
    Q_OBJECT
public:
    explicit Tgraf_specD(GraphPageHost host, QWidget* parent = nullptr);
    /// c/T mode.
    bool perTemperature() const;
    void setPerTemperature(bool perT);
    QLineEdit* thetaEdit() const { return Edit1; }
    TMyUpDown* atomsEdit() const { return Edit2; }
    double theta() const { return edit1Value; }
    void setThetaText(const QString& text);

protected:
    void readPageData(const std::filesystem::path& folder, const TVariables& vars) override;
    std::string title() const override;
    bool slotAvailable(int slot) const override { return slot == 1 || edit1Value > 0; }
    AxisRange defaultRange() const override;

private:
    void recompute();

    TMyButton* MyButton_check_Normal = nullptr;
    TMyButton* MyButton_check_CT = nullptr;
    QLineEdit* Edit1 = nullptr;
    TMyUpDown* Edit2 = nullptr;
    double edit1Value = 350.0;
};

} // namespace vintrel
