#pragma once

#include "state/cls_rij_speelbord.h"
#include "state/cls_status.h"
#include "state/cls_tbl_speelbord.h"
#include "state/cls_tbl_speler.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// The rules of the game, working only on the three records it is given.
//
// Order of calls in a game: srvc_initialiseer_spel once (round 1, step 1, an empty board), then
// srvc_voeg_speler_toe per team. Each round, systems are placed and taken away on the current
// board (configuration `ronde`); at the end of the round srvc_bereken_marktaandeel_per_systeem
// ("vooruit") gives every present system its share, and after the round is raised
// srvc_voeg_speelbord_toe snapshots the board into the new round. A rewind runs the same calls
// backwards: srvc_verwijder_huidig_speelbord, the share computation "achteruit", and
// srvc_naar_vorige_configuratie. srvc_bereken_marktaandeel_speler and srvc_bereken_score_volgorde
// only read, for the scoreboard.
//
// Nothing here catches: failures reach the caller as std::out_of_range (a bad index),
// std::overflow_error (a 16-bit count), std::logic_error (an empty reference) or
// std::domain_error (a share that is not a finite number), with the records unchanged.
class cls_subcpt_ui {
public:
    using per_team_bool = std::array<bool, 5>;
    using per_team_double = std::array<double, 5>;
    using per_team_int = std::array<std::int16_t, 5>;

    cls_subcpt_ui(cls_tbl_speler& tbl_speler, cls_tbl_speelbord& tbl_speelbord, cls_status& status);

    void srvc_initialiseer_spel();
    void srvc_voeg_speler_toe(std::string speler_naam, std::int16_t team_nummer,
                              std::int16_t pion_nummer);
    // Element speler_nummer of each of the square's four cells becomes its presence; elements
    // that no cell names keep what the caller put there.
    void srvc_speler_heeft_systeem_in_vak(std::int16_t vak_nummer,
                                          per_team_bool& speler_heeft_systeem_in_vak);
    void srvc_voeg_speelbord_toe();
    // The placed system holds the share it had when the round began: 0 when it is new.
    void srvc_voeg_systeem_toe(std::int16_t speler_nummer, std::int16_t vak_nummer);
    void srvc_verwijder_systeem(std::int16_t speler_nummer, std::int16_t vak_nummer);
    void srvc_verwijder_huidig_speelbord();
    void srvc_naar_vorige_configuratie();
    // "vooruit" gives every present system its share of its square, each square one whole
    // market; "achteruit" gives every present system back the share it had when the round began.
    // richting is compared exactly; any other text changes nothing.
    void srvc_bereken_marktaandeel_per_systeem(std::string richting);
    // Adds each present system's share to its owner's element; the caller passes zeros.
    void srvc_bereken_marktaandeel_speler(per_team_double& marktaandeel_speler);
    // The same on the board of another round, 1 to the current one, as the history holds it.
    void srvc_bereken_marktaandeel_speler(std::int16_t ronde, per_team_double& marktaandeel_speler);
    // Fills, by row number, each team's place, and by place, the team's row number; place 1 has
    // the largest total and equal totals keep row order.
    void srvc_bereken_score_volgorde(const per_team_double& marktaandeel_speler,
                                     per_team_int& speler_volgorde, per_team_int& inverse_volgorde);

private:
    void sorteer_volgorde(per_team_double& waarden, per_team_int& volgorde, std::int16_t& plaats);

    std::shared_ptr<cls_rij_speelbord> huidig_speelbord() const;
    std::shared_ptr<cls_rij_speelbord> vorig_speelbord() const;
    std::int16_t team_van(std::int16_t speler_nummer) const;
    cls_systeem& cel_van_speler(std::int16_t speler_nummer, std::int16_t vak_nummer) const;

    cls_tbl_speler& m_tbl_speler;
    cls_tbl_speelbord& m_tbl_speelbord;
    cls_status& m_status;
};
