#pragma once

#include "state/cls_systeem.h"

#include <array>
#include <cstdint>
#include <memory>

// One round's board: a cell reference per square (0 to 9) and team number (0 to 4). Slots of
// square 0 or team 0 stay empty; the game fills the 36 others. The getter hands out the stored
// reference, so writing a field through it changes this board.
class cls_rij_speelbord {
public:
    static constexpr std::int16_t max_vak = 9;
    static constexpr std::int16_t max_team = 4;

    const std::shared_ptr<cls_systeem>& systeem(std::int16_t vak_nummer,
                                                std::int16_t team_nummer) const;
    void systeem(std::int16_t vak_nummer, std::int16_t team_nummer,
                 std::shared_ptr<cls_systeem> let_systeem);

private:
    std::array<std::array<std::shared_ptr<cls_systeem>, max_team + 1>, max_vak + 1> m_systemen;
};
