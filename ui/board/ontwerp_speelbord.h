#pragma once

#include "ui/indeling.h"

#include <array>
#include <vector>

#include <QCoreApplication>

// The board window as designed: 15240 x 11175 twips, 1016 x 745 pixels at scale 1. On the left
// the scoreboard, on the right the nine squares, three by three, numbered row by row. Square v
// owns the system slots 4v to 4v + 3, one per line, slot 4v + 3 on the top line.
namespace ontwerp_speelbord {

constexpr QRect client_twips(0, 0, 15240, 11175);
// The same in pixels, at scale 1.
inline QSize ontworpen_maat() {
    return in_pixels(client_twips, 1).size();
}

// Square v's controls stand where square 1's do, moved by the square's place in the grid.
constexpr QPoint vak(int v) {
    return {2760 * ((v - 1) % 3), 2640 * ((v - 1) / 3)};
}
// The slot on line k of square v, lines counted from the top; and back from a slot.
constexpr int slot_op(int v, int k) {
    return 4 * v + 4 - k;
}
constexpr int slot_vak(int i) {
    return i / 4;
}
constexpr int slot_regel(int i) {
    return slot_op(slot_vak(i), 0) - i;
}
constexpr QPoint slot(int i) {
    return vak(slot_vak(i)) + onder_elkaar(slot_regel(i));
}

inline QString slot_aandeel(int i) {
    return QCoreApplication::translate("frm_speelbord", "market share on line %1 of square %2")
        .arg(slot_regel(i))
        .arg(slot_vak(i));
}

// Tab starts at "forward" and runs through the scoreboard from the bottom up, "rewind", then the
// squares 3 to 9, 1 and 2, each button and its share boxes from the bottom line up.
inline std::vector<plek> tabvolgorde() {
    std::vector<plek> volgorde{{"knp_vooruit"}};
    for (const char* deel : {"tb_marktaandeel_speler", "tb_naam_speler"}) {
        for (int r = 4; r >= 1; --r) {
            volgorde.push_back({deel, r});
        }
    }
    volgorde.push_back({"knp_achteruit"});
    for (int v : {3, 4, 5, 6, 7, 8, 9, 1, 2}) {
        volgorde.push_back({"knp_voeg_systeem_toe", v});
        for (int i = 4 * v; i <= 4 * v + 3; ++i) {
            volgorde.push_back({"tb_marktaandeel_systeem", i});
        }
    }
    return volgorde;
}

// Font sizes in points: the scoreboard's headings and buttons, and the square numbers.
constexpr double groot = 13.5;
constexpr double nummer = 18;

// In stacking order: the board picture at the bottom, then the drawn items (within a square its
// frame, number, pawns, heading and, topmost, its line), then the text boxes and buttons. The
// rows of an array give its first element's rectangle.
// clang-format off
inline constexpr std::array tabel{
    // name                              kind             left, top, width, height  pt      caption         accessible name  indexes, place
    ontwerp{"im_background",             soort::achtergrond, {0, 0, 15255, 11175},     0,      "",             QT_TRANSLATE_NOOP("frm_speelbord", "board picture")},
    ontwerp{"shp_background_scoreboard", soort::kader,    {960, 2760, 3375, 2175},  0,      "",             QT_TRANSLATE_NOOP("frm_speelbord", "scoreboard background")},
    ontwerp{"lbl_ronde_text",            soort::label,    {1200, 2160, 1335, 375},  groot,  QT_TRANSLATE_NOOP3("frm_speelbord", "fiscal year", "the round of the game, heading of its number"), QT_TRANSLATE_NOOP("frm_speelbord", "fiscal year heading")},
    ontwerp{"lbl_ronde_nummer",          soort::label,    {2760, 2160, 495, 375},   groot,  "",             QT_TRANSLATE_NOOP3("frm_speelbord", "fiscal year", "the round of the game; a screen reader hears the number after it")},
    ontwerp{"lbl_klok",                  soort::eigen,    {3360, 2160, 975, 375},   groot,  "",             ""},
    ontwerp{"lbl_speler",                soort::label,    {1200, 2880, 1095, 375},  groot,  QT_TRANSLATE_NOOP3("frm_speelbord", "biz unit", "a team, as the board calls it; column heading over the team names"), QT_TRANSLATE_NOOP("frm_speelbord", "biz unit column heading")},
    ontwerp{"lbl_marktaandeel",          soort::label,    {2760, 2880, 1335, 375},  groot,  QT_TRANSLATE_NOOP3("frm_speelbord", "   share", "column heading over the teams' total market shares; the three leading blanks move it over the numbers"), QT_TRANSLATE_NOOP("frm_speelbord", "share column heading")},
    ontwerp{"im_pion_speler",            soort::plaatje,  {2520, 3360, 255, 255},   0,      "",             QT_TRANSLATE_NOOP("frm_speelbord", "pawn of team in row %1"), 1, 4, onder_elkaar},
    ontwerp{"Shape1",                    soort::kader,    {6000, 1320, 2655, 2535}, 0,      "",             QT_TRANSLATE_NOOP("frm_speelbord", "frame of square %1"), 1, 9, vak},
    ontwerp{"lbl_vak_nummer",            soort::label,    {6120, 1440, 255, 375},   nummer, "%1",           QT_TRANSLATE_NOOP("frm_speelbord", "number of square %1"), 1, 9, vak},
    ontwerp{"im_nieuw",                  soort::plaatje,  {6120, 2400, 255, 255},   0,      "",             "", 4, 39, slot},
    ontwerp{"lbl_marktaandeel_systeem",  soort::label,    {7080, 2040, 1455, 255},  0,      QT_TRANSLATE_NOOP3("frm_speelbord", "market share", "heading over a square's systems and their shares"), QT_TRANSLATE_NOOP("frm_speelbord", "market share heading of square %1"), 1, 9, vak},
    // From offset 0 to offset 2640 twips, both ends included, one pixel high.
    ontwerp{"Line1",                     soort::lijn,     {6000, 2280, 2655, 15},   0,      "",             QT_TRANSLATE_NOOP("frm_speelbord", "line under the heading of square %1"), 1, 9, vak},
    ontwerp{"knp_achteruit",             soort::knop,     {960, 1440, 1575, 495},   groot,  QT_TRANSLATE_NOOP3("frm_speelbord", "rewind", "button: back one whole round"), QT_TRANSLATE_NOOP3("frm_speelbord", "rewind", "button: back one whole round")},
    ontwerp{"knp_vooruit",               soort::knop,     {2760, 1440, 1575, 495},  groot,  QT_TRANSLATE_NOOP3("frm_speelbord", "forward", "button: on to the next round"), QT_TRANSLATE_NOOP3("frm_speelbord", "forward", "button: on to the next round")},
    ontwerp{"tb_naam_speler",            soort::tekstvak, {1200, 3360, 1095, 285},  0,      "",             QT_TRANSLATE_NOOP("frm_speelbord", "name of team in row %1"), 1, 4, onder_elkaar},
    ontwerp{"tb_marktaandeel_speler",    soort::tekstvak, {3000, 3360, 1095, 285},  0,      "",             QT_TRANSLATE_NOOP("frm_speelbord", "market share of team in row %1"), 1, 4, onder_elkaar},
    ontwerp{"knp_voeg_systeem_toe",      soort::knop,     {6600, 1440, 1935, 495},  0,      QT_TRANSLATE_NOOP3("frm_speelbord", "add systems", "button of a square: opens the dialog that places and removes systems"), QT_TRANSLATE_NOOP("frm_speelbord", "add systems to square %1"), 1, 9, vak},
    ontwerp{"tb_marktaandeel_systeem",   soort::tekstvak, {6720, 2400, 1695, 285},  0,      "",             "", 4, 39, slot, slot_aandeel},
};
// clang-format on

} // namespace ontwerp_speelbord
