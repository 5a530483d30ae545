#include "eerste_verf.h"

#include <QApplication>
#include <QLabel>

// The yardstick for start-up: a Qt process that shows one empty window of the board's size.
// With --text the window shows one word in the default font, which is what brings in the
// system's font configuration.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    eerste_verf_melder melder("leeg");
    app.installEventFilter(&melder);
    QWidget venster;
    venster.setObjectName("leeg");
    venster.resize(1016, 745);
    if (QCoreApplication::arguments().contains("--text")) {
        new QLabel("Corvanta", &venster);
    }
    venster.show();
    return app.exec();
}
