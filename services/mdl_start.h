#pragma once

#include "services/cls_cpt_ui.h"
#include "services/cls_subcpt_ui.h"

#include <optional>

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

// Answers the command line before the windows need a screen: --help, --version and a wrong
// option or language are said in the language asked for, with only a QCoreApplication (on
// Windows, without a console, in a message box), and their exit status returned; nothing is
// returned when the program is to start. main() calls it before it makes the QApplication.
std::optional<int> opdrachtregel(int& argc, char** argv);

// Reads the command line and sets the language (--language, else the desktop's), then shows
// the board window and starts a new game, which opens the add-teams dialog above it. What the
// command line asks to be said, such as an option only the QApplication could judge, ends the
// program instead.
void Main();

} // namespace mdl_start
