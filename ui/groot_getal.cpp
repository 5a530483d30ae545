#include "ui/groot_getal.h"

#include <cmath>

#include <QEvent>
#include <QPainter>
#include <QStyle>

// Each character stands where a plain label would draw it, rounded to the pixel.
void groot_getal::paintEvent(QPaintEvent* /*event*/) {
    const QFontMetricsF maat(font());
    const QRectF vlak = contentsRect();
    QSizeF omvang(maat.horizontalAdvance(text()), maat.ascent() + maat.descent());
    // A number wider than its place is drawn smaller to fit, not cut off.
    const qreal krimp = omvang.width() > vlak.width() ? vlak.width() / omvang.width() : 1.0;
    omvang *= krimp;
    const Qt::Alignment richting = QStyle::visualAlignment(layoutDirection(), alignment());
    qreal x = vlak.left();
    qreal y = vlak.top();
    if (richting & Qt::AlignRight) {
        x = vlak.right() - omvang.width();
    } else if (richting & Qt::AlignHCenter) {
        x += (vlak.width() - omvang.width()) / 2;
    }
    if (richting & Qt::AlignBottom) {
        y = vlak.bottom() - omvang.height();
    } else if (richting & Qt::AlignVCenter) {
        y += (vlak.height() - omvang.height()) / 2;
    }
    QPainter schilder(this);
    if (krimp < 1.0) {
        schilder.setRenderHint(QPainter::SmoothPixmapTransform);
        schilder.translate(x, y);
        schilder.scale(krimp, krimp);
        qreal links = 0;
        for (QChar c : text()) {
            schilder.drawPixmap(QPointF(links, 0), teken(c));
            links += maat.horizontalAdvance(c);
        }
        return;
    }
    const int boven = qRound(y + maat.ascent()) - static_cast<int>(std::ceil(maat.ascent()));
    for (QChar c : text()) {
        schilder.drawPixmap(qRound(x), boven, teken(c));
        x += maat.horizontalAdvance(c);
    }
}

void groot_getal::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        m_tekens.clear();
    }
    QLabel::changeEvent(event);
}

// A character on its baseline, with room for what reaches past its advance.
const QPixmap& groot_getal::teken(QChar teken) {
    const qreal dpr = devicePixelRatioF();
    if (dpr != m_dpr) {
        m_tekens.clear();
        m_dpr = dpr;
    }
    QPixmap& plaatje = m_tekens[teken];
    if (plaatje.isNull()) {
        const QFontMetricsF maat(font());
        const QRectF omtrek = maat.boundingRect(teken);
        plaatje = QPixmap((QSizeF(std::max(omtrek.right(), maat.horizontalAdvance(teken)) + 2,
                                  std::ceil(maat.ascent()) + std::ceil(maat.descent()) + 2) *
                           dpr)
                              .toSize());
        plaatje.setDevicePixelRatio(dpr);
        plaatje.fill(Qt::transparent);
        QPainter schilder(&plaatje);
        schilder.setFont(font());
        schilder.setPen(palette().color(foregroundRole()));
        schilder.drawText(QPointF(0, std::ceil(maat.ascent())), QString(teken));
    }
    return plaatje;
}
