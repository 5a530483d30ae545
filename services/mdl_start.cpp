#include "services/mdl_start.h"

#include "services/cls_programma.h"

namespace mdl_start {

namespace {

// Made with new and never deleted: the program's windows belong to the whole run, and a widget
// must not outlive the QApplication, which a static object would.
cls_programma& programma() {
    static cls_programma* const instantie = new cls_programma();
    return *instantie;
}

} // namespace

cls_cpt_ui& cpt_ui() {
    return programma().cpt_ui();
}

cls_subcpt_ui& subcpt_ui() {
    return programma().subcpt_ui();
}

cls_tbl_speler& tbl_speler() {
    return programma().tbl_speler();
}

cls_tbl_speelbord& tbl_speelbord() {
    return programma().tbl_speelbord();
}

cls_status& status() {
    return programma().status();
}

frm_speelbord& speelbord() {
    return programma().speelbord();
}

frm_pion& pion() {
    return programma().pion();
}

void Main() {
    programma().start();
}

} // namespace mdl_start
