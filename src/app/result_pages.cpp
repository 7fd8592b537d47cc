#include "app/result_pages.h"

#include "tabs/reader_panel.h"

namespace vintrel {

void registerResultPages(TMyReaderPanel2& panel) {
    // One line per page form, for example:
    //   panel.registerPage(kPageParameters, [] { return std::make_unique<ParametersPage>(); });
    (void)panel;
}

} // namespace vintrel
