#include "ui/lijnkader.h"

#include <QPainter>
#include <QPalette>

lijnkader::lijnkader(QFrame::Shape vorm, QWidget* parent) : QFrame(parent) {
    setFrameShape(vorm);
    setFrameShadow(QFrame::Plain);
}

void lijnkader::paintEvent(QPaintEvent* /*event*/) {
    // Filled strips along the edges cover the same pixels as Qt's own lines at whole pixel
    // ratios, and at fractional ones always land inside the control.
    QPainter schilder(this);
    const QColor kleur = palette().color(QPalette::WindowText);
    const int d = lineWidth();
    const int b = width();
    const int h = height();
    if (frameShape() == QFrame::HLine) {
        schilder.fillRect(0, (h - d) / 2, b, d, kleur);
        return;
    }
    schilder.fillRect(0, 0, b, d, kleur);
    schilder.fillRect(0, h - d, b, d, kleur);
    schilder.fillRect(0, 0, d, h, kleur);
    schilder.fillRect(b - d, 0, d, h, kleur);
}
