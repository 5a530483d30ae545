#include "ui/dialogs/pawn_picture.h"

#include <QMouseEvent>
#include <QPainter>

pawn_picture::pawn_picture(QWidget* parent) : QWidget(parent) {}

void pawn_picture::setPixmap(const QPixmap& picture) {
    m_picture = picture;
    // Like the original picture control, it takes the size of the picture it shows.
    if (!m_picture.isNull()) {
        resize(m_picture.deviceIndependentSize().toSize());
    }
    update();
}

void pawn_picture::paintEvent(QPaintEvent* /*event*/) {
    if (!m_picture.isNull()) {
        QPainter(this).drawPixmap(0, 0, m_picture);
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
