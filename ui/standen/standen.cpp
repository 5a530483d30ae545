#include "ui/standen/standen.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

using maker = standen* (*)(standen_bron&, QWidget*);

// In lib/corvanta/modules beside the program, as the build and the Windows installer lay it out;
// one level up from bin/, as it is installed on Linux, and from the build's folders of tests,
// benchmark and tools. QLibrary adds the system's suffix, .so or .dll.
maker laad_module(QString& waarom) {
    const QString map = QCoreApplication::applicationDirPath();
    for (const QString& waar : {map + "/lib/corvanta/modules", map + "/../lib/corvanta/modules"}) {
        QLibrary module(waar + "/corvanta_standen");
        if (auto maak = reinterpret_cast<maker>(module.resolve("corvanta_maak_standen"))) {
            return maak;
        }
        waarom = module.errorString();
    }
    return nullptr;
}

} // namespace

standen* maak_standen(standen_bron& bron, QWidget* ouder, QString& waarom) {
    static maker maak = nullptr;
    if (!maak) {
        maak = laad_module(waarom);
    }
    return maak ? maak(bron, ouder) : nullptr;
}
