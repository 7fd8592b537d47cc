// The energy-level page of one result folder, saved as a picture for review:
//   vintrel-levels-shot WORKING_ROOT RESULT_FOLDER OUT.png [z|x|y] [unit 0-2]
//       [transitions|moment]
#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "levels/level_overlay_view.h"
#include "levels/poziomy.h"
#include "resultdata/input_files.h"

#include <QApplication>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>

using namespace vintrel;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s WORKING_ROOT RESULT_FOLDER OUT.png [z|x|y] [unit 0-2]\n",
                     argv[0]);
        return 2;
    }
    installViewerFonts();
    setMessagesToStandardError(true);
    const ResultLocation location{argv[1], argv[2],
                                  QCoreApplication::applicationDirPath().toStdString()};
    if (!runGuarded(nullptr, [&] { loadResultInputs(location); }))
        return 1;
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    Tpoziomy page;
    new TLevelOverlays(page);
    layout->addWidget(page.p0());
    host.resize(1100, 700);
    page.setResultLocation(location);
    page.czytaj();
    if (argc > 4)
        page.selectAxis(argv[4][0] == 'x' ? Axis::x : argv[4][0] == 'y' ? Axis::y : Axis::z);
    if (argc > 5)
        page.unitBox()->setCurrentIndex(std::atoi(argv[5]));
    host.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    if (argc > 6) {
        TMyButton* overlay =
            std::strcmp(argv[6], "moment") == 0 ? page.momentButton() : page.transitionsButton();
        overlay->SetDown(true);
        overlay->Click();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    return host.grab().toImage().save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
