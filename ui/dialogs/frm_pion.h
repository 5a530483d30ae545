#pragma once

#include <array>

#include <QPixmap>
#include <QWidget>

class QLabel;

// The hidden holder of the sixteen pawn pictures. Pawn number n = 4 * (colour - 1) + shape:
// colours red, green, blue, yellow; shapes square, disc, triangle, star. Never shown.
class frm_pion : public QWidget {
    Q_OBJECT

public:
    explicit frm_pion(QWidget* parent = nullptr);

    // Picture n, 1 to 16; any other number throws std::out_of_range.
    QPixmap im_pion(int n) const;
    // What picture n looks like, for a screen reader: "red square", "blue disc".
    static QString beschrijving(int n);
    // A team's pawn as a screen reader says it: "red square, Alfa"; no team, nothing.
    static QString beschrijving(int n, const QString& team);

private:
    std::array<QLabel*, 17> m_im_pion{};
};
