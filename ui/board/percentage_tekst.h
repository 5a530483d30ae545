#pragma once

#include <QString>

// A share (a fraction of 1) as the board shows it: whole percent, halves to the even neighbour,
// no percent sign, "-" when negative. 0.125 gives "12", 0.375 "38", 5/3 "167".
// Throws std::domain_error for a share that is not a finite number and std::overflow_error when
// the rounded percentage does not fit the game's 16-bit Integer.
QString percentage_tekst(double aandeel);

// The same for a share already in percent, aandeel * 100.
QString procent_tekst(double procent);
