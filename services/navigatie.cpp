#include "services/navigatie.h"

#include "state/naar_int16.h"

#include <limits>
#include <stdexcept>
#include <string>

bool kan_vooruit(const cls_status& status) {
    return status.ronde() < std::numeric_limits<std::int16_t>::max();
}

bool kan_achteruit(const cls_status& status) {
    return status.ronde() > 1 || (status.ronde() == 1 && status.stap() > 1);
}

void stap_vooruit(cls_subcpt_ui& subcpt_ui, cls_status& status) {
    if (!kan_vooruit(status)) {
        throw std::overflow_error("round " + std::to_string(status.ronde()) +
                                  " is the last the game can count");
    }
    status.stap(naar_int16(status.stap() % 4 + 1));
    switch (status.stap()) {
    case 1:
        // The round goes up first: the snapshot copies the board of round ronde - 1.
        status.ronde(naar_int16(status.ronde() + 1));
        subcpt_ui.srvc_voeg_speelbord_toe();
        break;
    case 4:
        subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit");
        break;
    default:
        break;
    }
}

void stap_achteruit(cls_subcpt_ui& subcpt_ui, cls_status& status) {
    if (!kan_achteruit(status)) {
        throw std::out_of_range("round " + std::to_string(status.ronde()) + ", step " +
                                std::to_string(status.stap()) + " has no step before it");
    }
    switch (status.stap()) {
    case 1:
        subcpt_ui.srvc_verwijder_huidig_speelbord();
        status.ronde(naar_int16(status.ronde() - 1));
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
    // 1 -> 4, 2 -> 1, 3 -> 2, 4 -> 3: C++'s % truncates toward zero, as the step rule wants.
    status.stap(naar_int16((status.stap() - 5) % 4 + 4));
}
