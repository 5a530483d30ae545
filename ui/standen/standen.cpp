#include "ui/standen/standen.h"

#include <stdexcept>

#include <QCoreApplication>
#include <QLibrary>

namespace {

using maker = standen* (*)(cls_tbl_speler&, cls_status&, cls_subcpt_ui&, frm_pion&, QWidget*);

// In lib/corvanta/modules beside the program, as the build lays it out; one level up from bin/, as
// it is installed, and from the build's folders of tests, benchmark and tools.
maker laad_module() {
    const QString map = QCoreApplication::applicationDirPath();
    QString fout;
    for (const QString& waar : {map + "/lib/corvanta/modules", map + "/../lib/corvanta/modules"}) {
        QLibrary module(waar + "/corvanta_standen.so");
        // Every symbol now, so that a module that does not fit the program fails here.
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (auto maak = reinterpret_cast<maker>(module.resolve("corvanta_maak_standen"))) {
            return maak;
        }
        fout = module.errorString();
    }
    throw std::runtime_error("the standings cannot be loaded: " + fout.toStdString());
}

} // namespace

standen& maak_standen(cls_tbl_speler& tbl_speler, cls_status& status, cls_subcpt_ui& subcpt_ui,
                      frm_pion& pion, QWidget* ouder) {
    static const maker maak = laad_module();
    return *maak(tbl_speler, status, subcpt_ui, pion, ouder);
}
