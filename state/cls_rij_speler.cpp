#include "state/cls_rij_speler.h"

#include <utility>

bool cls_rij_speler::verwijderd() const {
    return m_verwijderd;
}
void cls_rij_speler::verwijderd(bool let_verwijderd) {
    m_verwijderd = let_verwijderd;
}

const std::string& cls_rij_speler::speler_naam() const {
    return m_speler_naam;
}
void cls_rij_speler::speler_naam(std::string let_speler_naam) {
    m_speler_naam = std::move(let_speler_naam);
}

std::int16_t cls_rij_speler::team_nummer() const {
    return m_team_nummer;
}
void cls_rij_speler::team_nummer(std::int16_t let_team_nummer) {
    m_team_nummer = let_team_nummer;
}

std::int16_t cls_rij_speler::pion_nummer() const {
    return m_pion_nummer;
}
void cls_rij_speler::pion_nummer(std::int16_t let_pion_nummer) {
    m_pion_nummer = let_pion_nummer;
}
