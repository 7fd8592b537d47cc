#include "parameters/parameters_refresh.h"

#include "parameters/elem_panel_result_form.h"
#include "parameters/param_result_form.h"
#include "resultdata/result_variables.h"

namespace vintrel {

void showResultParameters(const ResultLocation& location, TElemPanelResultForm& panel,
                          TParamResultForm& page) {
    loadResultInputs(location);
    const TVariables& vars = sharedVariables();
    panel.refreshElement(vars.element);
    panel.setChoices(vars.baza, vars.cialo);
    panel.pressIonButton(vars.ionisation);
    loadResultInputs(location);
    panel.disableIonButtons();
    page.setResultLocation(location);
    page.wczytajDane(location.workingRoot / location.resultFolder);
    page.rearrangeInputs();
}

} // namespace vintrel
