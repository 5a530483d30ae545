#pragma once

#include "services/cls_subcpt_ui.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class cls_cpt_ui;
class frm_pion;

// The board window: the scoreboard on the left, the nine squares on the right. It draws the game
// from the records (initialiseer once the teams exist, refresh_me after every change) and keeps
// no copy of the game, only which team each scoreboard row shows.
class frm_speelbord : public QWidget {
    Q_OBJECT

public:
    frm_speelbord(cls_tbl_speler& tbl_speler, cls_tbl_speelbord& tbl_speelbord, cls_status& status,
                  cls_subcpt_ui& subcpt_ui, frm_pion& pion, QWidget* parent = nullptr);

    // The facade that the window's buttons drive; set once, by start-up, before events arrive.
    void cpt_ui(cls_cpt_ui& let_cpt_ui);

    void initialiseer();
    void refresh_me();
    void disable_toevoegen_systeem();
    void enable_toevoegen_systeem();

    // Which team (row number) each scoreboard row 1 to 4 shows.
    const cls_subcpt_ui::per_team_int& inverse_volgorde() const;
    // The square-number label of square v (1 to 9), whose caption the add-systems dialog reads.
    const QLabel& lbl_vak_nummer(int v) const;
};
