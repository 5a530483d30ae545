#include "ui/standen/standen.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

using maker = standen* (*)(cls_tbl_speler&, cls_status&, cls_subcpt_ui&, frm_pion&, QWidget*);

// In lib/corvanta/modules beside the program, as the build lays it out; one level up from bin/, as
// it is installed, and from the build's folders of tests, benchmark and tools.
maker laad_module(QString& waarom) {
    const QString map = QCoreApplication::applicationDirPath();
    for (const QString& waar : {map + "/lib/corvanta/modules", map + "/../lib/corvanta/modules"}) {
        QLibrary module(waar + "/corvanta_standen.so");
        // Every symbol now, so that a module that does not fit the program fails here.
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (auto maak = reinterpret_cast<maker>(module.resolve("corvanta_maak_standen"))) {
            return maak;
        }
        waarom = module.errorString();
    }
    return nullptr;
}

} // namespace

standen* maak_standen(cls_tbl_speler& tbl_speler, cls_status& status, cls_subcpt_ui& subcpt_ui,
                      frm_pion& pion, QWidget* ouder, QString& waarom) {
    static maker maak = nullptr;
    if (!maak) {
        maak = laad_module(waarom);
    }
    return maak ? maak(tbl_speler, status, subcpt_ui, pion, ouder) : nullptr;
}
