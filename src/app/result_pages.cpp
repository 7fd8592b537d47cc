#include "app/result_pages.h"

#include "controls/messages.h"
#include "description/belka_form.h"
#include "graphs/graph_details.h"
#include "graphs/heat_pages.h"
#include "graphs/mean_field_pages.h"
#include "graphs/susceptibility_pages.h"
#include "hamiltonian/ham_form.h"
#include "levels/detail_forms.h"
#include "levels/level_overlay_view.h"
#include "levels/poziomy.h"
#include "levels/poziomy_d.h"
#include "levels/spectroscopy_page.h"
#include "parameters/elem_panel_result_form.h"
#include "parameters/mini_param_form.h"
#include "parameters/param_result_form.h"
#include "parameters/parameters_refresh.h"
#include "potential/pot_vis_form.h"
#include "tabs/reader_panel.h"
#include "tabs/result_page.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <memory>

namespace vintrel {

namespace {

// The "parameters" page with the element panel it holds.
class ParametersPage : public TResultPage {
public:
    explicit ParametersPage(PageHost host) : host_(std::move(host)), panel_(form_) {}

    QList<QWidget*> hostedPanels() override { return {form_.PanelAAA}; }
    void wczytajDane(const PageContext&) override {
        runGuarded(host_.mainWindow,
                   [this] { showResultParameters(host_.currentResult(), panel_, form_); });
    }
    void resultAdded(const PageContext&) override { form_.disableAllInputs(); }

private:
    PageHost host_;
    TParamResultForm form_;
    TElemPanelResultForm panel_;
};

// The "Hamiltonian" page.
class HamiltonianPage : public TResultPage {
public:
    explicit HamiltonianPage(PageHost host) : host_(std::move(host)) {}

    QList<QWidget*> hostedPanels() override { return {form_.Panel1}; }
    void wczytajDane(const PageContext&) override {
        runGuarded(host_.mainWindow, [this] {
            form_.setResultLocation(host_.currentResult());
            form_.wczytajDane();
        });
        form_.ukryjWartosci();
    }

private:
    PageHost host_;
    THamForm form_;
};

// The small parameter window that the graph and level pages draw.
class MiniParamCompanion : public QObject, public TResultCompanion {
public:
    MiniParamCompanion(QObject* owner, const PageHost& host) : QObject(owner) {
        QObject::connect(&form_, &TMiniParamForm::przelaczNaParametryResult, this,
                         [show = host.showParameters] {
                             if (show)
                                 show();
                         });
    }
    void schowaj() override { form_.schowaj(); }
    void wczytajDane() override { form_.wczytajDane(); }
    TMiniParamForm& form() { return form_; }

private:
    TMiniParamForm form_;
};

// The detail windows of the level pages: each exists once, for both level pages.
struct LevelDetailWindows {
    TEigenenergyForm energies;
    TEigenVectorsForm vectors;
    TScatteringForm scattering;

    // The windows show the previous result: they close, and their toggles with them.
    void close() {
        energies.close();
        vectors.close();
        scattering.close();
    }
};

// The "energy levels" page with its detail windows; it draws the small parameter view.
class EnergyLevelsPage : public TResultPage {
public:
    EnergyLevelsPage(PageHost host, TMiniParamForm* mini,
                     std::shared_ptr<LevelDetailWindows> windows)
        : host_(std::move(host)), windows_(std::move(windows)) {
        page_.setDetailForms(&windows_->energies, &windows_->vectors, &windows_->scattering);
        new TLevelOverlays(page_); // owned by the page
        if (host_.mainWindow)
            page_.setMainWindow(host_.mainWindow);
        if (!mini)
            return;
        page_.setMiniParamPainter([mini](QPainter& painter, const QRect& area, int opacity) {
            painter.save();
            painter.setOpacity(opacity / 255.0);
            painter.drawImage(area, mini->picture());
            painter.restore();
        });
        page_.setMiniParamMouse([mini](QMouseEvent* event) {
            if (event->button() != Qt::LeftButton)
                return;
            if (event->type() == QEvent::MouseButtonPress) {
                mini->allMouseDown();
            } else if (event->type() == QEvent::MouseButtonRelease) {
                mini->allMouseUp();
                mini->FormClick();
            }
        });
    }

    QList<QWidget*> hostedPanels() override { return {page_.p0()}; }
    void initFormForResult() override { page_.UstawViewNaCalosc(); }
    void wczytajDane(const PageContext&) override {
        windows_->close();
        runGuarded(host_.mainWindow, [this] {
            page_.setResultLocation(host_.currentResult());
            page_.resultChanged();
            page_.czytaj();
        });
    }
    bool wheel(QWheelEvent* event) override {
        page_.scrollByWheel(event->angleDelta().y());
        return true;
    }
    void windowMoved() override { page_.diagram()->update(); }

private:
    PageHost host_;
    std::shared_ptr<LevelDetailWindows> windows_;
    Tpoziomy page_;
};

// The "energy (MF)" page, the first page of a mean-field result, with the level page's
// eigenvalue and eigenvector windows.
class MeanFieldLevelsPage : public TResultPage {
public:
    MeanFieldLevelsPage(PageHost host, std::shared_ptr<LevelDetailWindows> windows)
        : host_(std::move(host)), windows_(std::move(windows)) {
        page_.setDetailForms(&windows_->energies, &windows_->vectors);
        if (host_.mainWindow)
            page_.setMainWindow(host_.mainWindow);
    }

    QList<QWidget*> hostedPanels() override { return {page_.p0()}; }
    void initFormForResult() override { page_.UstawViewNaCalosc(); }
    void wczytajDane(const PageContext&) override {
        windows_->close();
        runGuarded(host_.mainWindow, [this] {
            page_.setResultLocation(host_.currentResult());
            page_.czytaj();
        });
    }
    // A mean-field result that was just added is shown whole ("1:1").
    void resultAdded(const PageContext& context) override {
        if (context.resultKind != TKind::tkDynamic)
            return;
        runGuarded(host_.mainWindow, [this] {
            page_.setResultLocation(host_.currentResult());
            page_.UstawViewNaCalosc();
        });
    }
    bool wheel(QWheelEvent* event) override {
        page_.scrollByWheel(event->angleDelta().y());
        return true;
    }

private:
    PageHost host_;
    std::shared_ptr<LevelDetailWindows> windows_;
    TpoziomyD page_;
};

// The description editor: one form for both kinds of result. Its panel goes into the
// "description" page of the current result's kind, and it loads the result's description
// whenever a result becomes current.
class DescriptionEditor : public QObject, public TResultCompanion {
public:
    DescriptionEditor(TMyReaderPanel2& panel, const PageHost& host)
        : QObject(&panel), panel_(panel), host_(host) {
        QObject::connect(&form_, &TBelkaForm::descriptionEdited, this, [this] {
            if (host_.resultEdited)
                host_.resultEdited();
        });
    }

    void resultChanged() override {
        const TTab* result = panel_.Zakladki->Tabs(panel_.Zakladki->ActiveTab());
        if (!result)
            return;
        const PageId page =
            result->Kind() == TKind::tkDynamic ? PageId::DescriptionD : PageId::Description;
        if (TContentPage* holder = panel_.resultPage(page);
            holder && form_.PanelDescr->parentWidget() != holder) {
            form_.PanelDescr->setParent(holder);
            form_.PanelDescr->show();
        }
        const ResultLocation location = host_.currentResult();
        if (!location.resultFolder.empty())
            form_.loadDescription(location.workingRoot / location.resultFolder);
    }

    TBelkaForm& form() { return form_; }

private:
    TMyReaderPanel2& panel_;
    PageHost host_;
    TBelkaForm form_;
};

// A "description" page: the shared editor's panel while a result of the page's kind is current.
class DescriptionPage : public TResultPage {
public:
    explicit DescriptionPage(DescriptionEditor& editor) : editor_(editor) {}
    QList<QWidget*> hostedPanels() override { return {editor_.form().PanelDescr}; }

private:
    DescriptionEditor& editor_;
};

// What the graph pages get: the current result, and the small parameter view they draw.
GraphPageHost graphHost(const PageHost& host, TMiniParamForm* mini) {
    GraphPageHost graph;
    graph.currentResult = host.currentResult;
    graph.mainWindow = host.mainWindow;
    if (!mini)
        return graph;
    graph.miniParam = [mini](QPainter& painter, const QRect& area, int opacity) {
        painter.save();
        painter.setOpacity(opacity / 255.0);
        painter.drawImage(area, mini->picture());
        painter.restore();
    };
    graph.miniParamEvent = [mini](MiniParamEvent event) {
        switch (event) {
        case MiniParamEvent::Enter:
            mini->allMouseEnter();
            break;
        case MiniParamEvent::Leave:
            mini->allMouseLeave();
            break;
        case MiniParamEvent::Press:
            mini->allMouseDown();
            break;
        case MiniParamEvent::Release:
            mini->allMouseUp();
            break;
        case MiniParamEvent::Click:
            mini->FormClick();
            break;
        }
    };
    return graph;
}

// A graph page made with the details window it shares with the other page of its pair.
template <typename Page>
std::unique_ptr<TResultPage> graphPage(const GraphPageHost& host,
                                       const std::shared_ptr<TGraphDetailsLink>& details) {
    auto page = std::make_unique<Page>(host);
    page->setDetailsLink(details.get());
    return page;
}

// What the potential pages get: the current result and the window their messages belong to.
PotVisHost potVisHost(const PageHost& host) {
    PotVisHost potential;
    potential.currentResult = host.currentResult;
    potential.mainWindow = host.mainWindow;
    return potential;
}

} // namespace

void registerResultPages(TMyReaderPanel2& panel, const PageHost& host) {
    panel.registerPage(PageId::Parameters,
                       [host] { return std::make_unique<ParametersPage>(host); });
    panel.registerPage(PageId::Hamiltonian,
                       [host] { return std::make_unique<HamiltonianPage>(host); });
    panel.registerPage(PageId::Potentials,
                       [host] { return std::make_unique<TPotVisResultForm>(potVisHost(host)); });
    panel.registerPage(PageId::PotVisD,
                       [host] { return std::make_unique<TPotVisMFAForm>(potVisHost(host)); });
    auto* mini = new MiniParamCompanion(&panel, host);
    panel.registerCompanion(mini);
    const auto levelWindows = std::make_shared<LevelDetailWindows>();
    panel.registerPage(PageId::Energy, [host, form = &mini->form(), levelWindows] {
        return std::make_unique<EnergyLevelsPage>(host, form, levelWindows);
    });
    panel.registerPage(PageId::EnergyD, [host, levelWindows] {
        return std::make_unique<MeanFieldLevelsPage>(host, levelWindows);
    });
    auto* editor = new DescriptionEditor(panel, host);
    panel.registerCompanion(editor);
    for (const PageId page : {PageId::Description, PageId::DescriptionD})
        panel.registerPage(page, [editor] { return std::make_unique<DescriptionPage>(*editor); });

    const GraphPageHost graphs = graphHost(host, &mini->form());
    const auto susceptibility = std::make_shared<TGraphDetailsLink>(new TSusceptibilityForm);
    const auto heat = std::make_shared<TGraphDetailsLink>(new TEntropySpechForm);
    panel.registerPage(PageId::MagneticSus, [graphs, susceptibility] {
        return graphPage<Tgraf_chi>(graphs, susceptibility);
    });
    panel.registerPage(PageId::InverseSus, [graphs, susceptibility] {
        return graphPage<Tgraf_1chi>(graphs, susceptibility);
    });
    panel.registerPage(PageId::SpecificHeat,
                       [graphs, heat] { return graphPage<Tgraf_spech>(graphs, heat); });
    panel.registerPage(PageId::Entropy,
                       [graphs, heat] { return graphPage<Tgraf_entr>(graphs, heat); });

    // The mean-field pages draw no small parameter view; their pairs have details windows of
    // their own, and the moment page one for itself.
    GraphPageHost meanField = graphs;
    meanField.miniParam = {};
    meanField.miniParamEvent = {};
    const auto moment = std::make_shared<TGraphDetailsLink>(new TMomentDetailsForm);
    const auto chiD = std::make_shared<TGraphDetailsLink>(new TSusceptibilityForm);
    const auto heatD = std::make_shared<TGraphDetailsLink>(new TEntropySpechForm);
    panel.registerPage(PageId::MomentD,
                       [meanField, moment] { return graphPage<Tgraf_momentD>(meanField, moment); });
    panel.registerPage(PageId::MagneticSusD,
                       [meanField, chiD] { return graphPage<Tgraf_chiD>(meanField, chiD); });
    panel.registerPage(PageId::InverseSusD,
                       [meanField, chiD] { return graphPage<Tgraf_1chiD>(meanField, chiD); });
    panel.registerPage(PageId::AnisotropyD, [meanField] {
        auto page = std::make_unique<Tgraf_anisoD>(meanField);
        return std::unique_ptr<TResultPage>(std::move(page));
    });
    panel.registerPage(PageId::SpecificHeatD,
                       [meanField, heatD] { return graphPage<Tgraf_specD>(meanField, heatD); });
    panel.registerPage(PageId::EntropyD,
                       [meanField, heatD] { return graphPage<Tgraf_entrD>(meanField, heatD); });
    panel.registerPage(PageId::Spectroscopy,
                       [graphs] { return std::make_unique<Tgraf_spectroscopy>(graphs); });
}

} // namespace vintrel
