#include "state/cls_tbl_speelbord.h"

#include <utility>

void cls_tbl_speelbord::voeg_toe(std::shared_ptr<cls_rij_speelbord> rij_voeg_toe) {
    m_rijen.voeg_toe(std::move(rij_voeg_toe));
}

void cls_tbl_speelbord::verwijder_laatste_rij() {
    m_rijen.verwijder_laatste();
}

std::shared_ptr<cls_rij_speelbord> cls_tbl_speelbord::rij(std::int16_t rij_nummer) const {
    return m_rijen.rij(rij_nummer);
}

std::int16_t cls_tbl_speelbord::aantal_rijen() const {
    return m_rijen.aantal();
}
