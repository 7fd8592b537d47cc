// The report of one unpacked result as a PDF, for `vintrel-cli report`:
//   vintrel-report WORKING_ROOT RESULT_FOLDER NAME OUTPUT.pdf T_LOW T_HIGH
// (vintrel-cli unpacks the result and runs this beside itself on the offscreen platform).
// Exit status 0, or 1 when the result cannot be read or the file cannot be written.
#include "app/result_report.h"

#include "base/atomic_file.h"
#include "base/number_text.h"
#include "controls/fonts.h"
#include "controls/messages.h"

#include <QApplication>

#include <cstdio>
#include <exception>

using namespace vintrel;

namespace {

// The offscreen platform's notes on what it cannot do (window size hints, a runtime folder)
// say nothing about the report; everything else goes to standard error.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg &&
        (message.contains(QStringLiteral("propagateSizeHints")) ||
         message.contains(QStringLiteral("XDG_RUNTIME_DIR"))))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s WORKING_ROOT RESULT_FOLDER NAME OUTPUT.pdf T_LOW T_HIGH\n",
                     argv[0]);
        return 2;
    }
    installViewerFonts();
    setMessagesToStandardError(true);
    ReportRequest request;
    request.location = {argv[1], argv[2], QCoreApplication::applicationDirPath().toStdString()};
    request.resultName = argv[3];
    request.lowTemperature = strToFloatDot(argv[5]);
    request.highTemperature = strToFloatDot(argv[6]);
    try {
        int pages = 0;
        const QByteArray pdf = resultReportPdf(request, &pages);
        writeFileAtomically(argv[4], std::string_view(pdf.constData(), pdf.size()));
        std::printf("%s: %d pages\n", argv[4], pages);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vintrel-report: %s\n", e.what());
        return 1;
    }
    return 0;
}
