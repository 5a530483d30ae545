#include "services/cls_applicatie.h"
#include "services/mdl_start.h"

int main(int argc, char** argv) {
    cls_applicatie app(argc, argv);
    if (!app.bewaakt(mdl_start::Main)) {
        return 1;
    }
    return app.exec();
}
