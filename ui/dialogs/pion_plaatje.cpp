#include "ui/dialogs/pion_plaatje.h"

#include <QMouseEvent>
#include <QPainter>

pion_plaatje::pion_plaatje(QWidget* parent) : QWidget(parent) {}

void pion_plaatje::setPixmap(const QPixmap& plaatje) {
    m_plaatje = plaatje;
    update();
}

void pion_plaatje::paintEvent(QPaintEvent* /*event*/) {
    if (!m_plaatje.isNull()) {
        QPainter schilder(this);
        schilder.setRenderHint(QPainter::SmoothPixmapTransform);
        schilder.drawPixmap(rect(), m_plaatje);
    }
}

void pion_plaatje::mousePressEvent(QMouseEvent* event) {
    m_ingedrukt = event->button() == Qt::LeftButton;
}

void pion_plaatje::mouseReleaseEvent(QMouseEvent* event) {
    const bool klik = m_ingedrukt && event->button() == Qt::LeftButton &&
                      rect().contains(event->position().toPoint());
    m_ingedrukt = false;
    if (klik) {
        emit clicked();
    }
}
