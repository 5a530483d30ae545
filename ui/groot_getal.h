#pragma once

#include <QHash>
#include <QLabel>
#include <QPixmap>

// A label for a number taller than Qt keeps glyphs for, 64 pixels: Qt would fill each digit as a
// path at every paint, as the class view's year would be at every press. Here each character is
// filled once per font, into a picture, and the number is put together from those pictures;
// digits stand at fixed widths, so it reads as a plain label's. It aligns its text as one does,
// and draws a number too wide for its place smaller, to fit. With Qt::WA_OpaquePaintEvent it
// paints its own plain background, and its characters on it, to be copied rather than blended.
class groot_getal : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct teken_beeld {
        QPixmap beeld;
        qreal voortgang = 0; // how far the next character stands
    };
    const teken_beeld& beeld_van(QChar teken);

    // The characters drawn for the pixel ratio of the screen where they were drawn; a window
    // moved to a screen of another ratio draws them anew, or they would show soft or coarse.
    // A paint only puts them together: laying the number out as text at every paint cost a
    // press a tenth of the class view's time.
    QHash<QChar, teken_beeld> m_tekens;
    qreal m_dpr = 0;
    qreal m_stijging = 0, m_daling = 0; // the font's ascent and descent
};
