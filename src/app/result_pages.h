#pragma once

namespace vintrel {

class TMyReaderPanel2;

/// Plugs the page forms into the result panel, one `registerPage` line per page form
/// (see app/result_page.h). Pages without a form stay empty.
void registerResultPages(TMyReaderPanel2& panel);

} // namespace vintrel
