#pragma once

#include <vector>

#include <QPoint>
#include <QRect>

class QWidget;

// A window's layout as data: every control with its designed rectangle in twips (15 to a pixel
// at the designed size) and its font size in points. The window lays itself out from this one
// table when it is made and again whenever its scale changes, so every number is written once.
class indeling {
public:
    // Gives the window its default font, of this size, which every control without a size of
    // its own uses; before the controls exist, so that they are made with it.
    indeling(QWidget& venster, double standaard_punten);

    // punten 0: the window's default font.
    void voeg_toe(QWidget* control, const QRect& twips, double punten = 0);

    // Lays the window out at this scale with the design's top-left corner at oorsprong: every
    // control's rectangle, every font including the window's own, and the lines of frames.
    void pas_toe(double schaal, QPoint oorsprong = {}) const;

private:
    struct regel {
        QWidget* control;
        QRect twips;
        double punten;
    };

    QWidget& m_venster;
    double m_standaard_punten;
    std::vector<regel> m_regels;
};

// A designed rectangle in pixels at a scale. The edges are rounded, not the sizes, so controls
// that meet in the design still meet; a control with a size never shrinks to nothing.
QRect in_pixels(const QRect& twips, double schaal, QPoint oorsprong = {});
