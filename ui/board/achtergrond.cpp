#include "ui/board/achtergrond.h"

#include <QImage>
#include <QPainter>
#include <QResource>

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

// Its width and height, then its pixels, uncompressed in the program's own memory, where the
// picture reads them in place.
QPixmap lees_achtergrond() {
    const QResource bron(":/assets/speelbord.rgb32");
    const auto* maat = reinterpret_cast<const quint32*>(bron.data());
    const qint64 kop = 2 * sizeof(quint32);
    if (!bron.isValid() || bron.compressionAlgorithm() != QResource::NoCompression ||
        reinterpret_cast<quintptr>(maat) % alignof(quint32) != 0 || bron.size() < kop ||
        bron.size() != kop + qint64(maat[0]) * maat[1] * 4) {
        return {};
    }
    return QPixmap::fromImage(QImage(bron.data() + kop, static_cast<int>(maat[0]),
                                     static_cast<int>(maat[1]), QImage::Format_RGB32));
}
