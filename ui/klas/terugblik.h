#pragma once

#include <array>
#include <utility>

#include <QtGlobal>

// Which fiscal year the class view shows after a replay key. 0 is the live game, the year being
// played (ronde); only the closed years, 1 to ronde - 1, can be replayed. Back goes a year back,
// from the live game to the last closed year; forward a year on, from the last closed year to
// the live game; first to year 1; live back to the game. Where there is nowhere to go, as in
// year 1 or before the teams are in (ronde 0), the choice stays as it was.
namespace terugblik {

enum class toets { terug, vooruit, eerste, live };

// Left, Right, Home and End, in the class view and in the standings alike.
inline constexpr std::array<std::pair<Qt::Key, toets>, 4> toetsen{{{Qt::Key_Left, toets::terug},
                                                                   {Qt::Key_Right, toets::vooruit},
                                                                   {Qt::Key_Home, toets::eerste},
                                                                   {Qt::Key_End, toets::live}}};

constexpr int na(int gekozen, int ronde, toets welke) {
    const int laatste = ronde - 1;
    if (laatste < 1) {
        return 0;
    }
    switch (welke) {
    case toets::terug:
        return gekozen == 0 ? laatste : gekozen > 1 ? gekozen - 1 : gekozen;
    case toets::vooruit:
        return gekozen == 0 || gekozen >= laatste ? 0 : gekozen + 1;
    case toets::eerste:
        return 1;
    case toets::live:
        return 0;
    }
    return gekozen;
}

} // namespace terugblik
