#pragma once

#include "state/cls_rij_speelbord.h"
#include "state/tbl_opslag.h"

#include <cstdint>
#include <memory>

// The board history: configuration k is the board of round k, and the last one is the current
// board. Only the last configuration is ever changed; forward appends, rewind drops.
class cls_tbl_speelbord {
public:
    // Appends as configuration aantal_rijen() + 1; throws std::overflow_error past 32,767.
    void voeg_toe(std::shared_ptr<cls_rij_speelbord> rij_voeg_toe);
    // Throws std::out_of_range on an empty history.
    void verwijder_laatste_rij();
    // Configurations 1 to aantal_rijen(); rij(0) is empty on a non-empty history; any other
    // number throws std::out_of_range.
    std::shared_ptr<cls_rij_speelbord> rij(std::int16_t rij_nummer) const;
    std::int16_t aantal_rijen() const;

private:
    tbl_opslag<cls_rij_speelbord> m_rijen{"board configuration"};
};
