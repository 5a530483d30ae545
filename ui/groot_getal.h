#pragma once

#include <QHash>
#include <QLabel>
#include <QPixmap>

// A label for a number taller than Qt keeps glyphs for, 64 pixels: Qt would fill each digit as a
// path at every paint, as the class view's year would be at every press. Here each character is
// filled once per font, into a picture, and the number is put together from those pictures;
// digits stand at fixed widths, so it reads as a plain label's. It aligns its text as one does,
// and draws a number too wide for its place smaller, to fit.
class groot_getal : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const QPixmap& teken(QChar teken);

    // The characters drawn for the pixel ratio of the screen where they were drawn; a window
    // moved to a screen of another ratio draws them anew, or they would show soft or coarse.
    QHash<QChar, QPixmap> m_tekens;
    qreal m_dpr = 0;
};
