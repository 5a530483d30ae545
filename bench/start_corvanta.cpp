#include "first_paint.h"
#include "services/cls_applicatie.h"
#include "services/mdl_start.h"

// Corvanta's own start-up, as main.cpp does it, marking the board window's first paint.
int main(int argc, char** argv) {
    cls_applicatie app(argc, argv);
    first_paint_marker marker("frm_speelbord");
    app.installEventFilter(&marker);
    return app.voer_uit(mdl_start::Main);
}
