#pragma once

#include "services/cls_subcpt_ui.h"
#include "state/checked_int16.h"

#include <initializer_list>
#include <string>

// A game of its own for each test: fresh records, the rules on them, and the four-step round
// cycle driven the way the board's "forward" and "rewind" buttons drive it.
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

    void stap_vooruit() {
        status.stap(static_cast<std::int16_t>(status.stap() % 4 + 1));
        if (status.stap() == 1) {
            status.ronde(checked_int16(status.ronde() + 1));
            subcpt_ui.srvc_voeg_speelbord_toe();
        } else if (status.stap() == 4) {
            subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit");
        }
    }

    void stap_achteruit() {
        switch (status.stap()) {
        case 1:
            subcpt_ui.srvc_verwijder_huidig_speelbord();
            status.ronde(checked_int16(status.ronde() - 1));
            break;
        case 2:
            subcpt_ui.srvc_naar_vorige_configuratie();
            break;
        case 4:
            subcpt_ui.srvc_bereken_marktaandeel_per_systeem("achteruit");
            break;
        default:
            break;
        }
        status.stap(static_cast<std::int16_t>((status.stap() - 5) % 4 + 4));
    }

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
