#pragma once

#include "services/cls_cpt_ui.h"
#include "services/cls_klok.h"
#include "services/cls_subcpt_ui.h"

#include <memory>

#include <QList>
#include <QPointer>

class QAction;
class frm_pion;
class frm_speelbord;
class frm_klas;
class rondeklok;
class QWidget;
class spel_bron;
class standen;

// The whole program, made and wired in one place: the three records, the rules on them, the
// hidden holder of the pawn pictures, the board window, the facade between the windows and
// the rules, which owns the add-teams dialog, and the round timer, which the board and the class
// view show. The board drives the facade and the facade redraws
// the board; both links are made here, as are the board's menu and the two views it opens,
// the standings and the class view, which follow the board's redraws. Start-up keeps one for the
// life of the process, and each test, the benchmark and the picture tool make their own. Needs a
// running QApplication.
class cls_programma {
public:
    // nu: the round timer's time source; tests pass one they move themselves.
    explicit cls_programma(cls_klok::tijdbron nu = monotone_tijd);
    ~cls_programma();
    cls_programma(const cls_programma&) = delete;
    cls_programma& operator=(const cls_programma&) = delete;

    // Shows the board window and starts the one game, which opens the add-teams dialog above it.
    void start();
    // Shows the standings over the years, once the teams are known; it changes nothing. Without
    // their module it says why, and the game goes on.
    void toon_standen();
    // Opens the class view, once the teams are known, or closes it. With a second screen it
    // fills the one the board is not on.
    void wissel_klas();

    // The board and the standings follow the class view's replay.
    void toon_terugblik(int jaar);

    cls_tbl_speler& tbl_speler() { return m_tbl_speler; }
    cls_tbl_speelbord& tbl_speelbord() { return m_tbl_speelbord; }
    cls_status& status() { return m_status; }
    cls_subcpt_ui& subcpt_ui() { return m_subcpt_ui; }
    frm_pion& pion() { return *m_pion; }
    frm_speelbord& speelbord() { return *m_speelbord; }
    cls_cpt_ui& cpt_ui() { return m_cpt_ui; }
    rondeklok& klok() { return *m_klok; }
    // The standings window and the class view while they are open, else nullptr.
    ::standen* standen() const;
    frm_klas* klas() const;

private:
    cls_tbl_speler m_tbl_speler;
    cls_tbl_speelbord m_tbl_speelbord;
    cls_status m_status;
    cls_subcpt_ui m_subcpt_ui{m_tbl_speler, m_tbl_speelbord, m_status};
    std::unique_ptr<frm_pion> m_pion;
    std::unique_ptr<frm_speelbord> m_speelbord;
    cls_cpt_ui m_cpt_ui;
    // What the standings read of the game, for as long as any standings window may ask.
    std::unique_ptr<spel_bron> m_standen_bron;
    QPointer<QWidget> m_standen_venster;
    ::standen* m_standen = nullptr;
    QPointer<frm_klas> m_klas;
    // A child of the board window, which the timer's windows belong to.
    rondeklok* m_klok;
    // The board's keys that the class view and the standings take too.
    QList<QAction*> m_sneltoetsen;
};
