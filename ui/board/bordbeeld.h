#pragma once

#include "services/cls_subcpt_ui.h"

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <QString>

// What the board shows of the game, worked out once per redraw from the records, so that every
// view of it shows the same: the round; the teams in score order, the leader first, with pawn,
// name and total share; and each square's systems line by line from the top, in team-number
// order without gaps, with pawn and share. Shares are whole percent as the board writes them.
//
// Read for a closed fiscal year, it is the board as "forward" closed that year, and marks what
// changed in it: the systems placed during the year, and those taken away, which keep their line
// but have no share.
struct bordbeeld {
    enum class wijziging : std::uint8_t { geen, nieuw, weg };

    struct regel {
        std::int16_t pion = 0; // the pawn number; 0 on an empty line
        QString naam;          // the team's
        QString aandeel;
        wijziging merk = wijziging::geen;

        bool operator==(const regel&) const = default;
    };

    std::int16_t ronde = 0;
    // A closed year, not the year being played.
    bool terugblik = false;
    std::vector<regel> scorebord;                  // scoreboard row r at r - 1
    std::array<std::array<regel, 4>, 10> vakken{}; // square v's line k at [v][k - 1]
};

// The board of fiscal year jaar, 1 to the current round: the current board as it stands, or a
// closed year's as it was closed. Asks the rules for that year's team totals and score order,
// which also rewrites inverse_volgorde for the scoreboard rows of the teams. A year is read from
// its own board and the one before it, whatever the length of the game.
bordbeeld lees_bordbeeld(const cls_tbl_speler& tbl_speler, const cls_tbl_speelbord& tbl_speelbord,
                         const cls_status& status, cls_subcpt_ui& subcpt_ui, std::int16_t jaar,
                         cls_subcpt_ui::per_team_int& inverse_volgorde);

// The object a reference names; an empty one is an error, never a null dereference.
template <class T> const T& vereist(const std::shared_ptr<T>& verwijzing, const char* wat) {
    if (!verwijzing) {
        throw std::logic_error(std::string("the board needs ") + wat +
                               ", but the reference is empty");
    }
    return *verwijzing;
}
