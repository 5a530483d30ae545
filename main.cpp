#include "services/cls_applicatie.h"
#include "services/mdl_start.h"

int main(int argc, char** argv) {
    if (const std::optional<int> klaar = mdl_start::opdrachtregel(argc, argv)) {
        return *klaar;
    }
    cls_applicatie app(argc, argv);
    return app.voer_uit(mdl_start::Main);
}
