#include "ui/board/achtergrond_rand.h"

#include <QPainter>
#include <QRect>

namespace {

// How deep into the backdrop an edge is read, in the backdrop's own pixels.
constexpr int strook = 16;

// One line of pixels along an edge of the backdrop: for each pixel along it, the lightest of the
// strip behind it. That is the backdrop's own colour there, and a grid line where one runs
// across the whole strip towards the margin; the lines running along the edge, and the small
// coloured patches near it, are darker than what surrounds them and drop out.
QPixmap rand_van(const QImage& beeld, const QRect& deel, Qt::Orientation langs) {
    const bool verticaal = langs == Qt::Vertical;
    const int lengte = verticaal ? deel.height() : deel.width();
    const int diepte = verticaal ? deel.width() : deel.height();
    QImage lijn(verticaal ? QSize(1, lengte) : QSize(lengte, 1), QImage::Format_RGB32);
    for (int i = 0; i < lengte; ++i) {
        QRgb lichtste = qRgb(0, 0, 0);
        for (int j = 0; j < diepte; ++j) {
            const QRgb kleur = verticaal ? beeld.pixel(deel.left() + j, deel.top() + i)
                                         : beeld.pixel(deel.left() + i, deel.top() + j);
            if (qGray(kleur) > qGray(lichtste)) {
                lichtste = kleur;
            }
        }
        lijn.setPixel(verticaal ? QPoint(0, i) : QPoint(i, 0), lichtste);
    }
    return QPixmap::fromImage(lijn);
}

} // namespace

achtergrond_rand::achtergrond_rand(const QPixmap& achtergrond)
    : m_achtergrond(achtergrond.toImage()) {}

void achtergrond_rand::maak_randen() const {
    const int b = m_achtergrond.width();
    const int h = m_achtergrond.height();
    m_links = rand_van(m_achtergrond, {0, 0, strook, h}, Qt::Vertical);
    m_rechts = rand_van(m_achtergrond, {b - strook, 0, strook, h}, Qt::Vertical);
    m_boven = rand_van(m_achtergrond, {0, 0, b, strook}, Qt::Horizontal);
    m_onder = rand_van(m_achtergrond, {0, h - strook, b, strook}, Qt::Horizontal);
}

void achtergrond_rand::teken(QPainter& schilder, const QRect& venster, const QRect& bord) const {
    if (bord.contains(venster)) {
        return;
    }
    if (m_links.isNull()) {
        maak_randen();
    }
    // Beside the board each line of the margin matches the board's line, so the backdrop's
    // horizontal grid runs on into it; above and below, the same with its vertical lines.
    schilder.drawPixmap(
        QRect(venster.left(), bord.top(), bord.left() - venster.left(), bord.height()), m_links);
    schilder.drawPixmap(
        QRect(bord.right() + 1, bord.top(), venster.right() - bord.right(), bord.height()),
        m_rechts);
    schilder.drawPixmap(QRect(bord.left(), venster.top(), bord.width(), bord.top() - venster.top()),
                        m_boven);
    schilder.drawPixmap(
        QRect(bord.left(), bord.bottom() + 1, bord.width(), venster.bottom() - bord.bottom()),
        m_onder);
}
