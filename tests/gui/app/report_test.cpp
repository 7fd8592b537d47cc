// `vintrel-cli report`: the PDF of a result, drawn without a display by the report program.
#include "support/temp_dir.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = VINTREL_SOURCE_DIR;

struct Run {
    int status = -1;
    QString out, err;
};

// vintrel-cli from beside the test, with neither a display nor a platform chosen.
Run cli(const QStringList& args) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vintrel-cli"), args);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The pages of a PDF as the writer lays them out: one "/Type /Page" object each.
int pageCount(const std::string& pdf) {
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") != 0;
    return pages;
}

// The text of the PDF through pdftotext, page by page (split at form feeds); empty without it.
QStringList pdfText(const fs::path& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), QString::fromStdString(pdf.string()),
                         QStringLiteral("-")});
    process.waitForFinished(60000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT

private slots:
    void ceriumReportHasItsNinePagesAndTheirText();
    void meanFieldReportHasTheMeanFieldGraphs();
    void wrongCommandLinesAreRefused();
};

void ReportTest::ceriumReportHasItsNinePagesAndTheirText() {
    vintrel::test::TempDir dir;
    const fs::path pdf = dir.path() / "ce.pdf";
    const Run run =
        cli({QStringLiteral("report"),
             QString::fromStdString((kSourceDir / "examples/Ce-cubic.zrvn").string()),
             QStringLiteral("--output"), QString::fromStdString(pdf.string()),
             QStringLiteral("--temperatures"), QStringLiteral("2"), QStringLiteral("150")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err)); // no platform chatter
    QVERIFY(run.out.contains(QStringLiteral(": 9 pages")));
    const std::string bytes = vintrel::test::readFile(pdf);
    QVERIFY(bytes.starts_with("%PDF-"));
    // Parameters, levels, eigenstates, two spectra, χ, 1/χ, c, S.
    QCOMPARE(pageCount(bytes), 9);
    // The figures are vectors: no page is a picture.
    QVERIFY(bytes.find("/Subtype /Image") == std::string::npos);
    const QStringList pages = pdfText(pdf);
    if (pages.isEmpty())
        QSKIP("pdftotext is not installed: the text of the pages is not checked");
    QCOMPARE(pages.size(), 9);
    const QString titles[] = {QStringLiteral("Parameters"),
                              QStringLiteral("Energy levels"),
                              QStringLiteral("Eigenstates"),
                              QStringLiteral("Spectrum at T = 2 K"),
                              QStringLiteral("Spectrum at T = 150 K"),
                              QStringLiteral("Susceptibility"),
                              QStringLiteral("Inverse susceptibility"),
                              QStringLiteral("Specific heat"),
                              QStringLiteral("Entropy")};
    for (int p = 0; p < 9; ++p) {
        // Every page names the result, the ion and the field.
        QVERIFY2(pages[p].contains(QStringLiteral("Ce3+ cubic Gamma8 ground")),
                 qPrintable(pages[p]));
        QVERIFY(pages[p].contains(QStringLiteral("Ce3+ (4f^1)")));
        QVERIFY(pages[p].contains(QStringLiteral("field 0 T")));
        QVERIFY(pages[p].contains(QStringLiteral("page %1").arg(p + 1)));
        QVERIFY2(pages[p].contains(titles[p]), qPrintable(titles[p]));
    }
    QVERIFY(pages[0].contains(QStringLiteral("-297.9944500504541"))); // A_4^4
    QVERIFY(pages[2].contains(QStringLiteral("|5/2,-5/2>")));
    QVERIFY(pages[2].contains(QStringLiteral("540.154")));
    // The figures' captions name the result, not its temporary folder.
    QVERIFY(pages[5].contains(QStringLiteral("Ce3+ cubic Gamma8 ground: magnetic susceptibility")));
    QVERIFY(!pages.join(QString()).contains(QStringLiteral("Result00")));
}

void ReportTest::meanFieldReportHasTheMeanFieldGraphs() {
    vintrel::test::TempDir dir;
    const fs::path pdf = dir.path() / "nd.pdf";
    const Run run =
        cli({QStringLiteral("report"),
             QString::fromStdString((kSourceDir / "examples/Nd-meanfield.mfa").string()),
             QStringLiteral("--output"), QString::fromStdString(pdf.string())});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    // Parameters, moment, χ, 1/χ, anisotropy, c, S.
    QCOMPARE(pageCount(vintrel::test::readFile(pdf)), 7);
    const QStringList pages = pdfText(pdf);
    if (pages.isEmpty())
        QSKIP("pdftotext is not installed: the text of the pages is not checked");
    QVERIFY(pages[1].contains(QStringLiteral("Magnetic moment")));
    QVERIFY(pages[4].contains(QStringLiteral("Anisotropy constants")));
}

void ReportTest::wrongCommandLinesAreRefused() {
    vintrel::test::TempDir dir;
    const QString ce = QString::fromStdString((kSourceDir / "examples/Ce-cubic.zrvn").string());
    const QString out = QString::fromStdString((dir.path() / "x.pdf").string());
    const QList<QStringList> wrong = {
        {QStringLiteral("report"), ce},
        {QStringLiteral("report"), QStringLiteral("--output"), out},
        {QStringLiteral("report"), ce, QStringLiteral("--output"),
         QString::fromStdString((dir.path() / "x.png").string())},
        {QStringLiteral("report"), ce, QStringLiteral("--output"), out,
         QStringLiteral("--temperatures"), QStringLiteral("-1"), QStringLiteral("5")},
        {QStringLiteral("report"), ce, QStringLiteral("--output"), out, QStringLiteral("--unit")},
        {QStringLiteral("report"), ce, QStringLiteral("--output"), out, QStringLiteral("--result"),
         QStringLiteral("no such result")},
    };
    for (const QStringList& args : wrong) {
        const Run run = cli(args);
        QVERIFY2(run.status == 2, qPrintable(args.join(' ') + ": " + run.err));
        QVERIFY(!run.err.isEmpty());
    }
    // A damaged container: status 1, nothing written.
    const fs::path damaged = dir.path() / "damaged.zrvn";
    vintrel::test::writeFile(damaged, "not a container");
    const Run run = cli({QStringLiteral("report"), QString::fromStdString(damaged.string()),
                         QStringLiteral("--output"), out});
    QCOMPARE(run.status, 1);
    QVERIFY(!fs::exists(dir.path() / "x.pdf"));
}

QTEST_GUILESS_MAIN(ReportTest)
#include "report_test.moc"
