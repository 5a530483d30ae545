#pragma once

#include <QMargins>
#include <QSize>

class QIcon;
class QWidget;

// The frame the window manager draws around a window: known once it has framed the window,
// estimated until then.
QMargins kader_om(const QWidget& venster);
bool kader_bekend(const QWidget& venster);

// The largest scale, at most 1 and at least kleinste, at which a window with this designed
// client size fits the available area of its screen together with its frame.
double passende_schaal(const QWidget& venster, QSize ontworpen, double kleinste);

// Places a window, frame included, in the middle of the available area of its screen (a
// dialog: of its owner's screen), its title bar on the screen even when it does not fit.
void centreer_op_scherm(QWidget& venster);

// The program's icon, in every size it is drawn in, from the pictures compiled into the program.
// Each window sets it itself, so that it carries it under any application object.
QIcon programma_icoon();

// The common look of the two small dialogs: a white client area of the designed size in twips at
// the board's scale, fixed, centred on the screen.
void richt_dialoog_in(QWidget& dialoog, const char* titel, QSize twips, double schaal);

// A dialog's pawn control, in twips: its picture control was drawn 255 twips wide, but the pawn
// shows at its own 20 x 20 pixels.
constexpr int dialoog_pion_twips = 300;
