#include "state/cls_tbl_speler.h"

#include <stdexcept>
#include <string>
#include <utility>

void cls_tbl_speler::voeg_toe(std::shared_ptr<cls_rij_speler> rij_voeg_toe) {
    m_rijen.voeg_toe(std::move(rij_voeg_toe));
}

void cls_tbl_speler::verwijder(std::int16_t rij_nummer) {
    const std::shared_ptr<cls_rij_speler>& gemarkeerd = m_rijen.rij(rij_nummer);
    if (!gemarkeerd) {
        throw std::logic_error("team row " + std::to_string(rij_nummer) + " is empty");
    }
    gemarkeerd->verwijderd(true);
}

std::shared_ptr<cls_rij_speler> cls_tbl_speler::rij(std::int16_t rij_nummer) const {
    return m_rijen.rij(rij_nummer);
}

std::int16_t cls_tbl_speler::aantal_rijen() const {
    return m_rijen.aantal();
}
