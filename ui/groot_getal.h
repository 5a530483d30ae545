#pragma once

#include <QHash>
#include <QLabel>
#include <QPixmap>

// A label for a number taller than Qt keeps glyphs for, 64 pixels: Qt would fill each digit as a
// path at every paint, as the class view's year would be at every press. Each character is drawn
// so once per font, into a picture, and the number is put together from those; digits stand at
// fixed widths, so nothing is lost. It aligns its text as a plain label does.
class groot_getal : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const QPixmap& teken(QChar teken);

    QHash<QChar, QPixmap> m_tekens;
};
