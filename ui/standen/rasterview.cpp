#include "ui/standen/rasterview.h"

#include <QChart>
#include <QPainter>
#include <QValueAxis>

rasterview::rasterview(QChart* grafiek, QValueAxis& as, QWidget* parent)
    : QChartView(grafiek, parent), m_as(as) {
    m_as.setGridLineVisible(false);
    grafiek->setBackgroundVisible(false);
    setBackgroundBrush(Qt::white);
    setCacheMode(QGraphicsView::CacheBackground);
    // The picture is made again when the axis or the plot area moves.
    connect(&m_as, &QValueAxis::rangeChanged, this, [this] { resetCachedContent(); });
    connect(&m_as, &QValueAxis::tickIntervalChanged, this, [this] { resetCachedContent(); });
    connect(grafiek, &QChart::plotAreaChanged, this, [this] { resetCachedContent(); });
}

void rasterview::drawBackground(QPainter* schilder, const QRectF& gebied) {
    QChartView::drawBackground(schilder, gebied);
    const QRectF vlak = chart()->plotArea();
    const double bereik = m_as.max() - m_as.min();
    if (bereik <= 0 || m_as.tickInterval() <= 0) {
        return;
    }
    schilder->save();
    schilder->setRenderHint(QPainter::Antialiasing, false);
    schilder->setPen(QColor(0xE2, 0xE2, 0xE2));
    for (double waarde = m_as.min(); waarde <= m_as.max(); waarde += m_as.tickInterval()) {
        const double y = vlak.bottom() - (waarde - m_as.min()) / bereik * vlak.height();
        schilder->drawLine(QPointF(vlak.left(), y), QPointF(vlak.right(), y));
    }
    schilder->restore();
}
