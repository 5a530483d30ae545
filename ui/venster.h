#pragma once

class QIcon;
class QWidget;

// Places a window centred on the screen it will appear on.
void centreer_op_scherm(QWidget& venster);

// The program's icon, in every size it is drawn in, from the pictures compiled into the program.
// Each window sets it itself, so that it carries it under any application object.
QIcon programma_icoon();

// The common look of the two small dialogs: a fixed client area on a white background.
void richt_dialoog_in(QWidget& dialoog, const char* titel, int breedte, int hoogte);
