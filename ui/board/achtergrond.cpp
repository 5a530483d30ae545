#include "ui/board/achtergrond.h"

#include <QImage>
#include <QPainter>

achtergrond::achtergrond(QWidget* parent) : QWidget(parent) {
    // Every pixel is the picture's, so nothing beneath it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void achtergrond::setPixmap(const QPixmap& beeld) {
    m_beeld = beeld;
    m_op_maat = {};
    update();
}

void achtergrond::paintEvent(QPaintEvent* /*event*/) {
    const QSize maat = size() * devicePixelRatio();
    if (m_op_maat.size() != maat) {
        if (maat == m_beeld.size()) {
            m_op_maat = m_beeld;
        } else if (maat.width() >= m_beeld.width() && maat.height() >= m_beeld.height()) {
            m_op_maat = QPixmap(maat);
            QPainter schilder(&m_op_maat);
            schilder.setRenderHint(QPainter::SmoothPixmapTransform);
            schilder.drawPixmap(QRect(QPoint(), maat), m_beeld);
        } else {
            m_op_maat = QPixmap::fromImage(
                m_beeld.toImage().scaled(maat, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
        m_op_maat.setDevicePixelRatio(devicePixelRatio());
    }
    QPainter(this).drawPixmap(0, 0, m_op_maat);
}
