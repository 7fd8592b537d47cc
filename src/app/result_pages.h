#pragma once

#include "resultdata/input_files.h"

#include <functional>

class QWidget;

namespace vintrel {

class TMyReaderPanel2;

/// What the page forms need from the main window.
struct PageHost {
    /// Where the current result's files are.
    std::function<ResultLocation()> currentResult;
    /// Jumps to the "parameters" page (`przelaczNaParametryResult`).
    std::function<void()> showParameters;
    /// The main window, which the detail windows open centred on.
    QWidget* mainWindow = nullptr;
    /// The user edited the current result's description: the result has unsaved changes.
    std::function<void()> resultEdited;
};

/// Plugs the page forms into the result panel, one `registerPage` line per page form
/// (see tabs/result_page.h). Pages without a form stay empty.
void registerResultPages(TMyReaderPanel2& panel, const PageHost& host);

} // namespace vintrel
