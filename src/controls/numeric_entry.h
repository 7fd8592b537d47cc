#pragma once

class QLineEdit;

namespace vintrel {

/// Lets only the keys of a number reach the field: digits, "+", "-", ".", "E", "e", the
/// editing keys and Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z; "," is typed as ".". Keys without text
/// and Enter, Escape, Tab and Delete pass. The filter lives as long as the field.
void installNumericKeyFilter(QLineEdit* edit);

} // namespace vintrel
