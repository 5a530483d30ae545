#include "first_paint.h"

#include <QApplication>

// The yardstick for start-up: a Qt process that shows one empty window of the board's size.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    first_paint_marker marker("empty");
    app.installEventFilter(&marker);
    QWidget window;
    window.setObjectName("empty");
    window.resize(1016, 745);
    window.show();
    return app.exec();
}
