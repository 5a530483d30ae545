#include "ui/indeling.h"

#include "ui/board/board_font.h"

#include <algorithm>
#include <cmath>

#include <QFrame>
#include <QLineEdit>
#include <QStyle>
#include <QWidget>

namespace {

constexpr double twips_per_pixel = 15.0;

// Qt clips a text box's text to the inside of its frame and centres the line by the font's
// ascent and descent, but a capital's accent rises above the ascent: in a small box its top
// would be cut off. Letting the text use the frame's own rows keeps it whole; the centring stays.
void laat_tekst_heel(QLineEdit& vak) {
    const int kader = vak.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &vak);
    vak.setTextMargins(0, -kader, 0, -kader);
}

} // namespace

indeling::indeling(QWidget& venster, double standaard_punten)
    : m_venster(venster), m_standaard_punten(standaard_punten) {
    m_venster.setFont(board_font::font(m_standaard_punten));
}

void indeling::voeg_toe(QWidget* control, const QRect& twips, double punten) {
    m_regels.push_back({control, twips, punten});
}

void indeling::pas_toe(double schaal, QPoint oorsprong) const {
    m_venster.setFont(board_font::font(m_standaard_punten * schaal));
    const int lijn = std::max(1, static_cast<int>(std::lround(schaal)));
    for (const regel& r : m_regels) {
        r.control->setGeometry(in_pixels(r.twips, schaal, oorsprong));
        if (r.punten > 0) {
            r.control->setFont(board_font::font(r.punten * schaal));
        }
        if (auto* kader = qobject_cast<QFrame*>(r.control);
            kader && kader->frameShape() != QFrame::NoFrame) {
            kader->setLineWidth(lijn);
        }
        if (auto* vak = qobject_cast<QLineEdit*>(r.control)) {
            laat_tekst_heel(*vak);
        }
    }
}

QRect in_pixels(const QRect& twips, double schaal, QPoint oorsprong) {
    const auto pixel = [schaal](int t) {
        return static_cast<int>(std::lround(t * schaal / twips_per_pixel));
    };
    const auto maat = [&](int begin, int lengte) {
        return lengte > 0 ? std::max(1, pixel(begin + lengte) - pixel(begin)) : 0;
    };
    return {oorsprong.x() + pixel(twips.left()), oorsprong.y() + pixel(twips.top()),
            maat(twips.left(), twips.width()), maat(twips.top(), twips.height())};
}
