#include "app/result_pages.h"

#include "app/result_page.h"
#include "parameters/elem_panel_result_form.h"
#include "parameters/mini_param_form.h"
#include "parameters/param_result_form.h"
#include "parameters/parameters_refresh.h"
#include "tabs/reader_panel.h"

#include <memory>

namespace vintrel {

namespace {

// The "parameters" page with the element panel it holds.
class ParametersPage : public TResultPage {
public:
    explicit ParametersPage(PageHost host) : host_(std::move(host)), panel_(form_) {}

    QList<QWidget*> hostedPanels() override { return {form_.PanelAAA}; }
    void wczytajDane(const PageContext&) override {
        showResultParameters(host_.currentResult(), panel_, form_);
    }
    void resultAdded(const PageContext&) override { form_.disableAllInputs(); }

private:
    PageHost host_;
    TParamResultForm form_;
    TElemPanelResultForm panel_;
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

} // namespace

void registerResultPages(TMyReaderPanel2& panel, const PageHost& host) {
    panel.registerPage(kPageParameters, [host] { return std::make_unique<ParametersPage>(host); });
    panel.registerCompanion(new MiniParamCompanion(&panel, host));
}

} // namespace vintrel
