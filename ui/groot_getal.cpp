#include "ui/groot_getal.h"

#include <cmath>

#include <QEvent>
#include <QPainter>
#include <QStyle>

// Each character stands where a plain label would draw it, rounded to the pixel.
void groot_getal::paintEvent(QPaintEvent* /*event*/) {
    qreal breedte = 0;
    for (QChar c : text()) {
        breedte += beeld_van(c).voortgang;
    }
    const QRectF vlak = contentsRect();
    QSizeF omvang(breedte, m_stijging + m_daling);
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
    if (testAttribute(Qt::WA_OpaquePaintEvent)) {
        schilder.fillRect(rect(), palette().brush(backgroundRole()));
    }
    if (krimp < 1.0) {
        schilder.setRenderHint(QPainter::SmoothPixmapTransform);
        schilder.translate(x, y);
        schilder.scale(krimp, krimp);
        qreal links = 0;
        for (QChar c : text()) {
            schilder.drawPixmap(QPointF(links, 0), beeld_van(c).beeld);
            links += beeld_van(c).voortgang;
        }
        return;
    }
    const int boven = qRound(y + m_stijging) - static_cast<int>(std::ceil(m_stijging));
    for (QChar c : text()) {
        schilder.drawPixmap(qRound(x), boven, beeld_van(c).beeld);
        x += beeld_van(c).voortgang;
    }
}

void groot_getal::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        m_tekens.clear();
    }
    QLabel::changeEvent(event);
}

// A character on its baseline, with room for what reaches past its advance.
const groot_getal::teken_beeld& groot_getal::beeld_van(QChar teken) {
    const qreal dpr = devicePixelRatioF();
    if (dpr != m_dpr) {
        m_tekens.clear();
        m_dpr = dpr;
    }
    if (const auto al = m_tekens.constFind(teken); al != m_tekens.cend()) {
        return *al;
    }
    const QFontMetricsF maat(font());
    if (m_tekens.isEmpty()) {
        m_stijging = maat.ascent();
        m_daling = maat.descent();
    }
    teken_beeld& getekend = m_tekens[teken];
    const QRectF omtrek = maat.boundingRect(teken);
    getekend.voortgang = maat.horizontalAdvance(teken);
    getekend.beeld = QPixmap((QSizeF(std::max(omtrek.right(), getekend.voortgang) + 2,
                                     std::ceil(m_stijging) + std::ceil(m_daling) + 2) *
                              dpr)
                                 .toSize());
    getekend.beeld.setDevicePixelRatio(dpr);
    // On its own plain background a character is copied, not blended, at every paint.
    getekend.beeld.fill(testAttribute(Qt::WA_OpaquePaintEvent) ? palette().color(backgroundRole())
                                                               : QColor(Qt::transparent));
    QPainter schilder(&getekend.beeld);
    schilder.setFont(font());
    schilder.setPen(palette().color(foregroundRole()));
    schilder.drawText(QPointF(0, std::ceil(m_stijging)), QString(teken));
    return getekend;
}
