#pragma once

#include "services/cls_subcpt_ui.h"
#include "services/navigatie.h"

#include <initializer_list>
#include <string>
#include <string_view>

// A game of its own for each test: fresh records, the rules on them, and the four-step round
// cycle that the board's "forward" and "rewind" buttons drive through the facade.
struct spel {
    cls_tbl_speler tbl_speler;
    cls_tbl_speelbord tbl_speelbord;
    cls_status status;
    cls_subcpt_ui subcpt_ui{tbl_speler, tbl_speelbord, status};

    // Starts a game with a team for each number given (1 to 4), in that order.
    explicit spel(std::initializer_list<std::int16_t> team_nummers = {}) {
        subcpt_ui.srvc_initialiseer_spel();
        for (std::int16_t t : team_nummers) {
            subcpt_ui.srvc_voeg_speler_toe("team " + std::to_string(t), t, 4 * t - 3);
        }
    }

    cls_systeem& cel(std::int16_t ronde, std::int16_t vak, std::int16_t team) const {
        return *tbl_speelbord.rij(ronde)->systeem(vak, team);
    }
    cls_systeem& cel(std::int16_t vak, std::int16_t team) const {
        return cel(status.ronde(), vak, team);
    }
    // Places a system per {row, square} given.
    void plaats(std::initializer_list<std::pair<std::int16_t, std::int16_t>> systemen) {
        for (auto [rij, vak] : systemen) {
            subcpt_ui.srvc_voeg_systeem_toe(rij, vak);
        }
    }
    void haal_weg(std::int16_t rij, std::int16_t vak) {
        subcpt_ui.srvc_verwijder_systeem(rij, vak);
    }
    // Row rij ends up with a system on exactly the squares listed: "159" is squares 1, 5 and 9.
    void bezet(std::int16_t rij, std::string_view vakken) {
        const std::int16_t team = tbl_speler.rij(rij)->team_nummer();
        for (std::int16_t vak = 1; vak <= 9; ++vak) {
            const bool gewenst = vakken.find(static_cast<char>('0' + vak)) != vakken.npos;
            if (gewenst != cel(vak, team).aanwezig()) {
                gewenst ? plaats({{rij, vak}}) : haal_weg(rij, vak);
            }
        }
    }
    void stappen(int aantal) { // forward when positive, back when negative
        for (int i = 0; i < aantal; ++i) {
            stap_vooruit(subcpt_ui, status);
        }
        for (int i = 0; i > aantal; --i) {
            stap_achteruit(subcpt_ui, status);
        }
    }
};
