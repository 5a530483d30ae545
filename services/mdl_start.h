#pragma once

#include "services/cls_cpt_ui.h"
#include "services/cls_subcpt_ui.h"

class frm_pion;
class frm_speelbord;

// Start-up and the program's one game. The first time anything asks for one of the globals, the
// whole program is made and wired (cls_programma); it is kept, never replaced, until the
// process ends. The windows need a running QApplication.
namespace mdl_start {

cls_cpt_ui& cpt_ui();
cls_subcpt_ui& subcpt_ui();
cls_tbl_speler& tbl_speler();
cls_tbl_speelbord& tbl_speelbord();
cls_status& status();
frm_speelbord& speelbord();
frm_pion& pion();

// Reads the command line and sets the language (--language, else the desktop's), then shows
// the board window and starts a new game, which opens the add-teams dialog above it. --help,
// --version and a wrong option end the program instead.
void Main();

} // namespace mdl_start
