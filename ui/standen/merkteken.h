#pragma once

#include <QColor>
#include <QImage>

// A team's marker on the standings chart, in the shape of the pawns, so that a pupil who cannot
// tell the colours apart tells the lines apart by their points: 1 square, 2 disc, 3 triangle,
// 4 star. Filled for a closed year; hollow, white inside, for the year being played. Drawn large
// with a dark edge; Qt Charts scales it to the marker's size.
QImage merkteken(int vorm, const QColor& kleur, bool hol);
