#include "eerste_verf.h"
#include "services/cls_applicatie.h"
#include "services/mdl_start.h"

// Corvanta's own start-up, as main.cpp does it, marking the board window's first paint.
int main(int argc, char** argv) {
    cls_applicatie app(argc, argv);
    eerste_verf_melder melder("frm_speelbord");
    app.installEventFilter(&melder);
    return app.voer_uit(mdl_start::Main);
}
