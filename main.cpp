#include "services/cls_applicatie.h"
#include "services/mdl_start.h"

int main(int argc, char** argv) {
    cls_applicatie app(argc, argv);
    return app.voer_uit(mdl_start::Main);
}
