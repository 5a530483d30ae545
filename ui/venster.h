#pragma once

class QWidget;

// Places a window centred on the screen it will appear on.
void centreer_op_scherm(QWidget& venster);

// The common look of the two small dialogs: a fixed client area on a white background.
void richt_dialoog_in(QWidget& dialoog, const char* titel, int breedte, int hoogte);
