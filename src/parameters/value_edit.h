#pragma once

#include <QLineEdit>

#include <string>

namespace vintrel {

/// A read-only value field of the parameters page: bold grey text on the light face colour;
/// a click selects the whole text so that it can be copied (`ValueClick`).
class TValueEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TValueEdit(QWidget* parent = nullptr);

    /// Shows a value with its hint.
    void showValue(const std::string& text, const std::string& hint);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace vintrel
