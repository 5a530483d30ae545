#include "ui/standen/merkteken.h"

#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int maat = 64;

QPainterPath vorm_pad(int vorm) {
    const QRectF vak(9, 9, maat - 18, maat - 18);
    QPainterPath pad;
    switch (vorm) {
    case 2:
        pad.addEllipse(vak);
        break;
    case 3:
        pad.moveTo(vak.center().x(), vak.top());
        pad.lineTo(vak.bottomRight());
        pad.lineTo(vak.bottomLeft());
        pad.closeSubpath();
        break;
    case 4:
        for (int punt = 0; punt < 10; ++punt) {
            const double hoek = -std::numbers::pi / 2 + punt * std::numbers::pi / 5;
            const double straal = (punt % 2 == 0 ? 0.5 : 0.27) * vak.width();
            const QPointF p = vak.center() + QPointF(std::cos(hoek), std::sin(hoek)) * straal;
            punt == 0 ? pad.moveTo(p) : pad.lineTo(p);
        }
        pad.closeSubpath();
        break;
    default:
        pad.addRect(vak.adjusted(4, 4, -4, -4));
        break;
    }
    return pad;
}

} // namespace

QImage merkteken(int vorm, const QColor& kleur, bool hol) {
    QImage beeld(maat, maat, QImage::Format_ARGB32_Premultiplied);
    beeld.fill(Qt::transparent);
    QPainter schilder(&beeld);
    schilder.setRenderHint(QPainter::Antialiasing);
    const QPainterPath pad = vorm_pad(vorm);
    const auto omlijn = [&schilder, &pad](const QColor& kleur, int breedte) {
        schilder.strokePath(pad, QPen(kleur, breedte, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    };
    schilder.fillPath(pad, hol ? QColor(Qt::white) : kleur);
    // A dark edge on both sides of the colour: a yellow ring stays in sight on white.
    omlijn(kleur.darker(170), hol ? 16 : 4);
    if (hol) {
        omlijn(kleur, 8);
    }
    return beeld;
}
