#include "ui/standen/rasterview.h"

#include <algorithm>

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

void rasterview::markeer(int jaar) {
    if (jaar != m_jaar) {
        m_jaar = jaar;
        viewport()->update();
    }
}

// A dark line across the plot, as wide as a thick line of the chart's.
void rasterview::drawForeground(QPainter* schilder, const QRectF& gebied) {
    QChartView::drawForeground(schilder, gebied);
    if (m_jaar == 0 || chart()->series().isEmpty()) {
        return;
    }
    const QRectF vlak = chart()->plotArea();
    const double x = chart()->mapToPosition({static_cast<double>(m_jaar), m_as.min()}).x();
    schilder->save();
    schilder->setPen(QPen(QColor(0x20, 0x20, 0x20), std::max(2.0, vlak.width() / 200)));
    schilder->drawLine(QPointF(x, vlak.top()), QPointF(x, vlak.bottom()));
    schilder->restore();
}
