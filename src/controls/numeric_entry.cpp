#include "controls/numeric_entry.h"

#include "base/number_text.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vintrel {

namespace {

class NumericKeyFilter : public QObject {
public:
    explicit NumericKeyFilter(QLineEdit* edit) : QObject(edit), edit_(edit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return false;
        default:
            break;
        }
        const QString text = key->text();
        if (text.size() != 1 || text.front().unicode() > 0x7f)
            return !text.isEmpty();
        const auto passed = numericKeyFilter(static_cast<char>(text.front().unicode()));
        if (!passed)
            return true;
        if (*passed != text.front().toLatin1()) {
            edit_->insert(QString(QChar(*passed)));
            return true;
        }
        return false;
    }

private:
    QLineEdit* edit_;
};

} // namespace

void installNumericKeyFilter(QLineEdit* edit) {
    edit->installEventFilter(new NumericKeyFilter(edit));
}

} // namespace vintrel
