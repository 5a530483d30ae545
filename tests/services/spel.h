#pragma once

#include "services/cls_subcpt_ui.h"
#include "services/navigatie.h"

#include <initializer_list>
#include <string>

// A game of its own for each test: fresh records, the rules on them, and the four-step round
// cycle that the board's "forward" and "rewind" buttons drive through the facade.
struct spel {
    cls_tbl_speler tbl_speler;
    cls_tbl_speelbord tbl_speelbord;
    cls_status status;
    cls_subcpt_ui subcpt_ui{tbl_speler, tbl_speelbord, status};

    // Starts a game with a team for each number given (1 to 4), in that order.
    explicit spel(std::initializer_list<int> team_nummers = {}) {
        subcpt_ui.srvc_initialiseer_spel();
        for (int t : team_nummers) {
            subcpt_ui.srvc_voeg_speler_toe("team " + std::to_string(t),
                                           static_cast<std::int16_t>(t),
                                           static_cast<std::int16_t>(4 * t - 3));
        }
    }

    cls_systeem& cel(int ronde, int vak, int team) const {
        return *tbl_speelbord.rij(static_cast<std::int16_t>(ronde))
                    ->systeem(static_cast<std::int16_t>(vak), static_cast<std::int16_t>(team));
    }
    cls_systeem& cel(int vak, int team) const { return cel(status.ronde(), vak, team); }

    void plaats(int rij, int vak) {
        subcpt_ui.srvc_voeg_systeem_toe(static_cast<std::int16_t>(rij),
                                        static_cast<std::int16_t>(vak));
    }
    void haal_weg(int rij, int vak) {
        subcpt_ui.srvc_verwijder_systeem(static_cast<std::int16_t>(rij),
                                         static_cast<std::int16_t>(vak));
    }

    void stap_vooruit() { ::stap_vooruit(subcpt_ui, status); }
    void stap_achteruit() { ::stap_achteruit(subcpt_ui, status); }

    void vooruit() {
        for (int i = 0; i < 4; ++i) {
            stap_vooruit();
        }
    }
    void achteruit() {
        for (int i = 0; i < 4; ++i) {
            stap_achteruit();
        }
    }
};
