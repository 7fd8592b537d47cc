#include "support/viewer_fixture.h"

#include "app/reader_form.h"
#include "base/log.h"
#include "containers/container_format.h"
#include "controls/messages.h"
#include "support/result_writer.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace vintrel::test {

namespace {

// The one result every container of makeContainer holds: the input files of a 4f^1 ion (row
// 58 of the element table) with both coefficient sets, a description and a stand-in
// "o_E.dup" without level sections.
ResultRecipe containerResult(bool meanField) {
    ResultRecipe recipe = ionResult(58, 1, "4f^1 Ce3+", 2, 1, 0, 0, 0, 640, 1);
    recipe.meanField = meanField ? 1 : 0;
    recipe.exchange = 0.5;
    recipe.a.assign(27, "0");
    recipe.a[10] = "-120.5";
    recipe.b = recipe.a;
    recipe.settings = {"300", "100"};
    recipe.description = "{\\rtf1 Ce3+ in a cubic field}";
    recipe.withFile(kLevelsFile, dupLines({"0", "0", "340", "340"}));
    return recipe;
}

} // namespace

QString makeContainer(const std::filesystem::path& dir, const QString& fileName,
                      const QStringList& names, bool meanField) {
    const auto source = dir / ("source-" + fileName.toStdString());
    writeResult(source, containerResult(meanField));
    const auto path = dir / fileName.toStdString();
    writeContainerHeader(path, meanField, true, static_cast<std::int32_t>(names.size()),
                         "Test container");
    for (const QString& name : names)
        appendResultRecord(path, source, name.toStdString(), meanField, true);
    return QString::fromStdString(path.string());
}

ViewerSession::ViewerSession()
    : dir_(std::make_unique<TempDir>()),
      xdg_(std::make_unique<ScopedEnv>("XDG_DATA_HOME", (dir_->path() / "xdg").string())),
      root_(dir_->path() / "xdg" / "Vintrel") {
    std::filesystem::create_directories(root_);
    configureLog(root_, {[] { QCoreApplication::processEvents(); }, {}});
    restartLogRun();
    setMessagesToStandardError(true);
    form_ = std::make_unique<TReaderForm>(
        ViewerFolders{root_, QCoreApplication::applicationDirPath().toStdString()});
    form_->resize(1280, 900);
    form_->show();
    (void)QTest::qWaitForWindowExposed(form_.get());
}

ViewerSession::~ViewerSession() {
    form_.reset();
    disableLog();
}

const std::filesystem::path& ViewerSession::dir() const {
    return dir_->path();
}

TSuperTabs& ViewerSession::results() {
    return *form_->panel()->Zakladki;
}

TSuperTabs& ViewerSession::pages() {
    return *form_->panel()->Zakladki_Results;
}

void ViewerSession::importAll(const QString& path) {
    form_->pickAllResults = true;
    form_->openDataFile(path);
    form_->pickAllResults = false;
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
