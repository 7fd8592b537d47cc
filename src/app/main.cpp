#include "app/viewer_main.h"

int main(int argc, char** argv) {
    return vintrel::runViewer(argc, argv);
}
