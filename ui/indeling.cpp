#include "ui/indeling.h"

#include "ui/board/achtergrond.h"
#include "ui/dialogs/pion_plaatje.h"
#include "ui/groot_getal.h"
#include "ui/lettertype.h"
#include "ui/lijnkader.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

namespace {

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
    m_venster.setFont(lettertype::maak(m_standaard_punten));
}

void indeling::bouw(std::span<const ontwerp> tabel, const maker& eigen) {
    for (const ontwerp& rij : tabel) {
        for (int index = rij.eerste; index <= rij.laatste; ++index) {
            QWidget* ouder = &m_venster;
            QRect in_twips;
            if (rij.binnen) {
                const plek p = rij.binnen(index);
                const regel& omvat = gemaakt(p.naam, p.index);
                ouder = omvat.control;
                in_twips = omvat.twips;
            }
            QWidget* control = maak(rij, ouder, eigen);
            control->setObjectName(index == 0 ? QString::fromUtf8(rij.naam)
                                              : QString("%1_%2").arg(rij.naam).arg(index));
            const QRect twips = rij.plaats ? rij.twips.translated(rij.plaats(index)) : rij.twips;
            m_regels.push_back({control, &rij, index, twips, in_twips});
            benoem(m_regels.back());
        }
    }
}

const indeling::regel& indeling::gemaakt(const char* naam, int index) const {
    for (const regel& r : m_regels) {
        if (r.index == index && std::string_view(r.rij->naam) == naam) {
            return r;
        }
    }
    throw std::logic_error(std::string("the layout has no control ") + naam + " " +
                           std::to_string(index) + " made before the rows that stand in it");
}

void indeling::zet_tabvolgorde(std::span<const plek> volgorde) const {
    for (std::size_t j = 1; j < volgorde.size(); ++j) {
        QWidget::setTabOrder(control<QWidget>(volgorde[j - 1].naam, volgorde[j - 1].index),
                             control<QWidget>(volgorde[j].naam, volgorde[j].index));
    }
}

void indeling::vertaal() const {
    for (const regel& r : m_regels) {
        benoem(r);
    }
}

// The window's class is the texts' context, as tr() in its own code would have it.
QString indeling::vertaald(const vertaalbaar& tekst, int index) const {
    const QString bron = QString::fromUtf8(tekst.bron);
    // A square's number is no word: it stays in every language.
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    if (!bron.contains(letter)) {
        return bron.contains(QLatin1String("%1")) ? bron.arg(index) : bron;
    }
    const QString uit =
        QCoreApplication::translate(m_venster.metaObject()->className(), tekst.bron, tekst.uitleg);
    return uit.contains(QLatin1String("%1")) ? uit.arg(index) : uit;
}

void indeling::benoem(const regel& r) const {
    r.control->setAccessibleName(r.rij->noem ? r.rij->noem(r.index)
                                             : vertaald(r.rij->toegankelijk, r.index));
    if (*r.rij->tekst.bron == '\0') {
        return;
    }
    const QString tekst = vertaald(r.rij->tekst, r.index);
    if (auto* label = qobject_cast<QLabel*>(r.control)) {
        label->setText(tekst);
    } else if (auto* knop = qobject_cast<QPushButton*>(r.control)) {
        knop->setText(tekst);
    }
}

QWidget* indeling::maak(const ontwerp& rij, QWidget* ouder, const maker& eigen) {
    switch (rij.wat) {
    case soort::knop:
        return new QPushButton(ouder);
    case soort::label:
        return new QLabel(ouder);
    case soort::getal:
        return new groot_getal(QString(), ouder);
    case soort::tekstvak:
        return new QLineEdit(ouder);
    case soort::plaatje: {
        auto* plaatje = new QLabel(ouder);
        plaatje->setScaledContents(true);
        return plaatje;
    }
    case soort::achtergrond:
        return new ::achtergrond(ouder);
    case soort::kader:
        return new lijnkader(QFrame::Box, ouder);
    case soort::lijn:
        return new lijnkader(QFrame::HLine, ouder);
    case soort::pion:
        return new pion_plaatje(ouder);
    case soort::eigen:
        if (eigen) {
            return eigen(*ouder);
        }
        break;
    }
    throw std::logic_error("a layout row of no known kind");
}

QWidget* indeling::zoek(const char* naam, int index) const {
    for (const regel& r : m_regels) {
        if (r.index == index && std::string_view(r.rij->naam) == naam) {
            return r.control;
        }
    }
    return nullptr;
}

void indeling::pas_toe(double schaal, QPoint oorsprong) const {
    // One font per size for the whole pass: the controls of a size share it.
    std::vector<std::pair<double, QFont>> letters{
        {0.0, lettertype::maak(m_standaard_punten * schaal)}};
    const auto letter = [&](double punten) -> const QFont& {
        for (const auto& [maat, gemaakt] : letters) {
            if (maat == punten) {
                return gemaakt;
            }
        }
        return letters.emplace_back(punten, lettertype::maak(punten * schaal)).second;
    };
    m_venster.setFont(letter(0));
    const int lijn = std::max(1, static_cast<int>(std::lround(schaal)));
    for (const regel& r : m_regels) {
        // Where it stands in the window, relative to what it stands in: edges as if in the
        // window, so that controls meet as they do there.
        const QRect in_venster = in_pixels(r.twips, schaal, oorsprong);
        r.control->setGeometry(
            r.in_twips.isEmpty()
                ? in_venster
                : in_venster.translated(-in_pixels(r.in_twips, schaal, oorsprong).topLeft()));
        if (r.rij->punten > 0) {
            r.control->setFont(letter(r.rij->punten));
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
