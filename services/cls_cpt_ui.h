#pragma once

#include "services/cls_subcpt_ui.h"

#include <array>
#include <cstdint>
#include <string>

#include <QPointer>

class frm_pion;
class frm_speelbord;
class frm_voeg_speler_toe;

// The one entry point through which the windows change the game. Each operation turns a user
// action into a fixed sequence of rule calls, moves the status through rounds and steps, and
// then has the board window redraw from the records. It holds no game state of its own.
//
// A round has four steps. srvc_vooruit and srvc_achteruit each move one step; the board window
// calls them four at a time, so between two user actions the game rests at step 1.
class cls_cpt_ui {
public:
    using namen = std::array<std::string, 5>;

    cls_cpt_ui(cls_subcpt_ui& subcpt_ui, cls_status& status, cls_tbl_speler& tbl_speler,
               frm_speelbord& speelbord, frm_pion& pion);
    ~cls_cpt_ui();
    cls_cpt_ui(const cls_cpt_ui&) = delete;
    cls_cpt_ui& operator=(const cls_cpt_ui&) = delete;

    // The add-teams dialog, made on first use.
    frm_voeg_speler_toe& voeg_speler_toe();
    void voeg_speler_toe(frm_voeg_speler_toe& let_voeg_speler_toe);

    void srvc_start_nieuw_spel();
    // Elements 1 to 4 are the names typed in boxes 1 to 4; an empty name adds no team.
    void srvc_voeg_speler_toe(const namen& speler);
    void srvc_achteruit();
    void srvc_vooruit();
    // speler holds, by team row, 1 to place that team's system on the square, -1 to take it
    // away, anything else to leave it.
    void srvc_voeg_systeem_toe(std::int16_t vak_nummer, const cls_subcpt_ui::per_team_int& speler);

private:
    cls_subcpt_ui& m_subcpt_ui;
    cls_status& m_status;
    cls_tbl_speler& m_tbl_speler;
    frm_speelbord& m_speelbord;
    frm_pion& m_pion;
    QPointer<frm_voeg_speler_toe> m_voeg_speler_toe;
};
