#pragma once

#include "state/cls_rij_speler.h"
#include "state/tbl_opslag.h"

#include <cstdint>
#include <memory>

// The teams in the order they were added; a team's row number is its place here. Rows are
// shared: rij() hands out the stored reference, so a rename through it renames the table's row.
class cls_tbl_speler {
public:
    // Appends as row aantal_rijen() + 1; throws std::overflow_error past 32,767 rows.
    void voeg_toe(std::shared_ptr<cls_rij_speler> rij_voeg_toe);
    // Only marks the row; nothing in the game reads the mark.
    void verwijder(std::int16_t rij_nummer);
    // Rows 1 to aantal_rijen(); rij(0) is empty on a non-empty table; any other number throws
    // std::out_of_range.
    std::shared_ptr<cls_rij_speler> rij(std::int16_t rij_nummer) const;
    std::int16_t aantal_rijen() const;

private:
    tbl_opslag<cls_rij_speler> m_rijen{"team row"};
};
