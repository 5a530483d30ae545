#pragma once

#include <QImage>
#include <QPixmap>

class QPainter;
class QRect;

// The margins of a board window whose shape differs from the board's: the board keeps its
// proportions in the middle, and the margins continue the backdrop's edges, so that the board
// sits on one backdrop.
class achtergrond_rand {
public:
    explicit achtergrond_rand(const QPixmap& achtergrond);

    // Paints the window's area outside the board's rectangle.
    void teken(QPainter& schilder, const QRect& venster, const QRect& bord) const;

private:
    void maak_randen() const;

    QImage m_achtergrond;
    // Made when a margin is first painted; at the designed size there is none.
    mutable QPixmap m_links, m_rechts, m_boven, m_onder;
};
