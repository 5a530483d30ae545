#include "ui/dialogs/pawn_picture.h"

#include <QMouseEvent>
#include <QPainter>

pawn_picture::pawn_picture(QWidget* parent) : QWidget(parent) {}

void pawn_picture::setPixmap(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void pawn_picture::paintEvent(QPaintEvent* /*event*/) {
    if (!m_picture.isNull()) {
        QPainter schilder(this);
        schilder.setRenderHint(QPainter::SmoothPixmapTransform);
        schilder.drawPixmap(rect(), m_picture);
    }
}

void pawn_picture::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
}

void pawn_picture::mouseReleaseEvent(QMouseEvent* event) {
    const bool klik = m_pressed && event->button() == Qt::LeftButton &&
                      rect().contains(event->position().toPoint());
    m_pressed = false;
    if (klik) {
        emit clicked();
    }
}
