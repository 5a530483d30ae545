#include "services/mdl_start.h"

#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"

namespace mdl_start {

namespace {

// The board window drives the facade and the facade redraws the window; the link is made once,
// as soon as the facade exists.
cls_cpt_ui& maak_cpt_ui() {
    static cls_cpt_ui facade(subcpt_ui(), status(), tbl_speler(), speelbord(), pion());
    speelbord().cpt_ui(facade);
    return facade;
}

} // namespace

cls_cpt_ui& cpt_ui() {
    static cls_cpt_ui& instantie = maak_cpt_ui();
    return instantie;
}

cls_subcpt_ui& subcpt_ui() {
    static cls_subcpt_ui instantie(tbl_speler(), tbl_speelbord(), status());
    return instantie;
}

cls_tbl_speler& tbl_speler() {
    static cls_tbl_speler instantie;
    return instantie;
}

cls_tbl_speelbord& tbl_speelbord() {
    static cls_tbl_speelbord instantie;
    return instantie;
}

cls_status& status() {
    static cls_status instantie;
    return instantie;
}

// The windows are made with new and never deleted: they belong to the whole run of the program,
// and a widget must not outlive the QApplication, which a static object would.
frm_speelbord& speelbord() {
    static frm_speelbord* const instantie =
        new frm_speelbord(tbl_speler(), tbl_speelbord(), status(), subcpt_ui(), pion());
    return *instantie;
}

frm_pion& pion() {
    static frm_pion* const instantie = new frm_pion();
    return *instantie;
}

void Main() {
    speelbord().show();
    cpt_ui().srvc_start_nieuw_spel();
}

} // namespace mdl_start
