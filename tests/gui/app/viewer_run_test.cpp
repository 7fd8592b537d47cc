#include "support/viewer_fixture.h"

#include "app/instance_channel.h"
#include "app/startup.h"
#include "support/result_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTest>

#include <memory>

namespace fs = std::filesystem;
using namespace vintrel;

/// The viewer executable run as the user runs it, in a working root of its own.
class ViewerRunTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        root = dir->path() / "xdg" / "Vintrel";
    }
    void cleanup() { dir.reset(); }

    void exportWritesEveryPageOfEveryResult();
    void exportOfARefusedContainerFails();
    void startUpClearsTheLastRunAndLogsInOrder();
    void badCommandLineIsRefused();
    void batchRunBesideARunningViewerKeepsItsFolders();
    void relativePathsBelongToTheStartFolder();

private:
    int run(const QStringList& arguments, QString* errors = nullptr,
            const fs::path& startFolder = {}) {
        QProcess viewer;
        if (!startFolder.empty())
            viewer.setWorkingDirectory(QString::fromStdString(startFolder.string()));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           QString::fromStdString((dir->path() / "xdg").string()));
        viewer.setProcessEnvironment(environment);
        viewer.start(QStringLiteral(VINTREL_VIEWER_PATH),
                     QStringList{QStringLiteral("--channel"), channel()} + arguments);
        if (!viewer.waitForFinished(60000)) {
            viewer.kill();
            return -1;
        }
        if (errors)
            *errors = QString::fromLocal8Bit(viewer.readAllStandardError());
        return viewer.exitCode();
    }
    QString channel() const {
        return QStringLiteral("vintrel-run-test-%1").arg(QCoreApplication::applicationPid());
    }
    QString out() const { return QString::fromStdString((dir->path() / "pages").string()); }

    std::unique_ptr<test::TempDir> dir;
    fs::path root;
};

void ViewerRunTest::exportWritesEveryPageOfEveryResult() {
    const QString plain = test::makeContainer(dir->path(), "plain.zrvn", {"Ce/cubic", "Second"});
    QCOMPARE(run({"--export-pages", out(), "--size", "1100x800", plain}), 0);
    QStringList files = QDir(out()).entryList({"*.png"}, QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 20);
    QVERIFY(files.contains("Ce_cubic-0-parameters.png"));
    QVERIFY(files.contains("Ce_cubic-5-magnetic_sus..png"));
    QVERIFY(files.contains("Second-9-description.png"));
    const QImage shot(QDir(out()).filePath("Second-3-energy_levels.png"));
    QVERIFY(!shot.isNull());
    QCOMPARE(shot.size(), QSize(1100, 800));

    QDir(out()).removeRecursively();
    const QString field = test::makeContainer(dir->path(), "field.mfa", {"MF"}, true);
    QCOMPARE(run({"--export-pages", out(), "--size", "1100x800", field}), 0);
    files = QDir(out()).entryList({"*.png"}, QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 9);
    QVERIFY(files.contains("MF-10-energy_(MF).png"));
    QVERIFY(files.contains("MF-18-description.png"));
}

void ViewerRunTest::exportOfARefusedContainerFails() {
    const fs::path bad = dir->path() / "bad.zrvn";
    test::writeFile(bad, std::string(500, 'x'));
    QString errors;
    QCOMPARE(run({"--export-pages", out(), QString::fromStdString(bad.string())}, &errors), 1);
    QVERIFY2(errors.contains("Damaged or not Zorvane file:"), qPrintable(errors));
    QVERIFY(QDir(out()).entryList({"*.png"}, QDir::Files).isEmpty());
}

void ViewerRunTest::startUpClearsTheLastRunAndLogsInOrder() {
    for (const char* left : {"Result05", "Result42", "Result100", "Result5"})
        fs::create_directories(root / left);
    fs::create_directories(root / "input");
    test::writeFile(root / "input" / "old.dup", "old");
    const QString plain = test::makeContainer(dir->path(), "plain.zrvn", {"A"});
    QCOMPARE(run({"--export-pages", out(), plain}), 0);
    QVERIFY(!fs::exists(root / "Result05"));
    QVERIFY(!fs::exists(root / "Result42"));
    QVERIFY(fs::exists(root / "Result100"));
    QVERIFY(fs::exists(root / "Result5"));
    QVERIFY(fs::exists(root / "input"));
    QVERIFY(!fs::exists(root / "input" / "old.dup"));

    const std::string log = test::readFile(root / "log.txt");
    std::size_t at = log.find("Running version 1.2 (20.01.17), 32-bit on ");
    QVERIFY(at != std::string::npos);
    for (const char* line : kModuleStartupLines) {
        const std::size_t next = log.find(std::string(": ") + line, at);
        QVERIFY2(next != std::string::npos, line);
        at = next;
    }
    for (const char* line :
         {"Looking for previously undeleted results", "  Removing Result05", "  Removing Result42",
          "  Removing input", "Analyzing file ", "Done opening file "}) {
        const std::size_t next = log.find(line, at);
        QVERIFY2(next != std::string::npos, line);
        at = next;
    }
}

void ViewerRunTest::badCommandLineIsRefused() {
    QCOMPARE(run({"--size", "wide"}), 2);
    QCOMPARE(run({"--bogus"}), 2);
    QCOMPARE(run({"--export-pages", out()}), 2);
}

void ViewerRunTest::batchRunBesideARunningViewerKeepsItsFolders() {
    test::writeResult(root / "Result05", test::ResultRecipe::withoutInputFiles().withFile(
                                             kLevelsFile, "the running viewer's result"));
    InstanceChannel running(channel());
    QVERIFY(running.listen());
    const QString plain = test::makeContainer(dir->path(), "plain.zrvn", {"A"});
    QCOMPARE(run({"--export-pages", out(), plain}), 0);
    QCOMPARE(QDir(out()).entryList({QStringLiteral("*.png")}).size(), 10);
    QCOMPARE(test::readFile(root / "Result05" / "o_E.dup"),
             std::string("the running viewer's result"));
    QVERIFY(!fs::exists(root / "Result00"));
}

void ViewerRunTest::relativePathsBelongToTheStartFolder() {
    // The viewer makes its own folder the current one; the user's relative paths still mean
    // what they meant in the user's shell.
    const fs::path start = dir->path() / "here";
    fs::create_directories(start);
    test::makeContainer(dir->path() / "boxes", "plain.zrvn", {"A"});
    QString errors;
    QCOMPARE(run({"--export-pages", "shots/pages", "../boxes/plain.zrvn"}, &errors, start), 0);
    const QDir shots(QString::fromStdString((start / "shots" / "pages").string()));
    QCOMPARE(shots.entryList({QStringLiteral("*.png")}).size(), 10);
    QVERIFY(shots.exists(QStringLiteral("A-0-parameters.png")));
    const QDir beside(QFileInfo(QStringLiteral(VINTREL_VIEWER_PATH)).absolutePath());
    QVERIFY(!beside.exists(QStringLiteral("shots")));
}

QTEST_MAIN(ViewerRunTest)
#include "viewer_run_test.moc"
