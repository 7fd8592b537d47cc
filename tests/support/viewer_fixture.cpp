#include "support/viewer_fixture.h"

#include "containers/container_format.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace vintrel::test {

namespace {

std::string lines(std::initializer_list<const char*> items) {
    std::string out;
    for (const char* item : items)
        out += std::string(item) + "\r\n";
    return out;
}

} // namespace

void writeResultFiles(const std::filesystem::path& folder, bool meanField) {
    std::filesystem::create_directories(folder);
    writeFile(folder / "input_e.dup", lines({"58", "1", "4f^1 Ce3+", "2", "1", "0", "0", "0", "640",
                                             "1", meanField ? "1" : "0", "0.5"}));
    std::string coefficients;
    for (int i = 0; i < 27; ++i)
        coefficients += (i == 10 ? "-120.5" : "0") + std::string("\r\n");
    writeFile(folder / "input_an.dup", coefficients);
    writeFile(folder / "input_bn.dup", coefficients);
    writeFile(folder / "input_s.dup", lines({"300", "100"}));
    writeFile(folder / "descr.dup", "{\\rtf1 Ce3+ in a cubic field}");
    writeFile(folder / "o_E.dup", lines({"0", "0", "340", "340"}));
}

QString makeContainer(const std::filesystem::path& dir, const QString& fileName,
                      const QStringList& names, bool meanField) {
    const auto source = dir / ("source-" + fileName.toStdString());
    writeResultFiles(source, meanField);
    const auto path = dir / fileName.toStdString();
    writeContainerHeader(path, meanField, true, static_cast<std::int32_t>(names.size()),
                         "Test container");
    for (const QString& name : names)
        appendResultRecord(path, source, name.toStdString(), meanField, true);
    return QString::fromStdString(path.string());
}

void whenShown(QWidget* widget, std::function<void()> action) {
    auto* timer = new QTimer(widget);
    QObject::connect(timer, &QTimer::timeout, widget, [widget, timer, action] {
        if (!widget->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start(10);
}

struct MessageCatcher::State {
    QTimer timer;
    QStringList texts;
};

MessageCatcher::MessageCatcher() : state_(std::make_unique<State>()) {
    QObject::connect(&state_->timer, &QTimer::timeout, [state = state_.get()] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible()) {
                state->texts << box->text();
                box->accept();
            }
        }
    });
    state_->timer.start(20);
}

MessageCatcher::~MessageCatcher() = default;

QStringList MessageCatcher::texts() const {
    return state_->texts;
}

} // namespace vintrel::test
