#include "ui/klas/frm_klas.h"

#include "services/cls_applicatie.h"
#include "ui/board/ontwerp_speelbord.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/klok/rondeklok.h"
#include "ui/lettertype.h"
#include "ui/noem.h"
#include "ui/venster.h"

#include <algorithm>
#include <utility>

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QShortcut>

namespace {

// The layout in pixels at 1920 x 1080, written as twips like every layout of the program.
constexpr QRect px(int links, int boven, int breedte, int hoogte) {
    return {15 * links, 15 * boven, 15 * breedte, 15 * hoogte};
}
constexpr QPoint px(int x, int y) {
    return {15 * x, 15 * y};
}

// Squares three by three; within one, its four lines two by two, line 1 at the top left, each
// share beside its pawn.
constexpr QPoint vak(int v) {
    return px(410 * ((v - 1) % 3), 345 * ((v - 1) / 3));
}
constexpr QPoint slot(int i) {
    const int k = ontwerp_speelbord::slot_regel(i) - 1;
    return vak(ontwerp_speelbord::slot_vak(i)) + px(192 * (k % 2), 115 * (k / 2));
}
constexpr QPoint rij(int r) {
    return px(0, 180 * (r - 1));
}

// Points at 1920 x 1080: a share's or total's digits stand 46 pixels tall, over 1/25 of the
// height; the year's and the round timer's twice that. Every number is drawn from pictures of
// its digits: a press changes up to 27 of them, and laying out their text anew each time made
// the press with the class view open two thirds slower than without it.
constexpr double jaar = 96, cijfer = 48, naam = 40, kop = 36;

// clang-format off
constexpr std::array tabel{
    // name                          kind             left, top, width, height     pt      caption        accessible name                 indexes  place
    ontwerp{"lbl_ronde_text",           soort::label,   px(40, 30, 270, 70),      kop,    QT_TRANSLATE_NOOP3("frm_klas", "fiscal year", "the round of the game, heading of its number"), QT_TRANSLATE_NOOP("frm_klas", "fiscal year heading")},
    ontwerp{"lbl_ronde_nummer",         soort::getal,   px(40, 100, 270, 140),    jaar,   "",            ""},
    ontwerp{"lbl_klok_text",            soort::label,   px(310, 30, 330, 70),     kop,    "",            ""},
    ontwerp{"lbl_klok",                 soort::getal,   px(310, 100, 330, 140),   jaar,   "",            ""},
    ontwerp{"im_pion_speler",           soort::plaatje, px(40, 320, 80, 80),      0,      "",            "",                             1, 4, rij},
    ontwerp{"lbl_naam_speler",          soort::label,   px(140, 300, 330, 120),   naam,   "",            "",                             1, 4, rij},
    ontwerp{"lbl_marktaandeel_speler",  soort::getal,   px(480, 300, 160, 120),   cijfer, "",            "",                             1, 4, rij},
    ontwerp{"Shape1",                   soort::kader,   px(680, 30, 400, 335),    0,      "",            QT_TRANSLATE_NOOP("frm_klas", "frame of square %1"), 1, 9, vak},
    ontwerp{"lbl_vak_nummer",           soort::label,   px(695, 38, 100, 80),     kop,    "%1",          QT_TRANSLATE_NOOP("frm_klas", "number of square %1"), 1, 9, vak},
    ontwerp{"im_nieuw",                 soort::plaatje, px(696, 154, 56, 56),     0,      "",            "", 4, 39, slot},
    ontwerp{"lbl_marktaandeel_systeem", soort::getal,   px(762, 125, 112, 115),   cijfer, "",            "", 4, 39, slot},
};
// clang-format on

constexpr double kleinste_schaal = 0.3;

} // namespace

frm_klas::frm_klas(frm_pion& pion, QWidget* parent)
    : QWidget(parent, Qt::Window), m_pion(pion), m_indeling(*this, lettertype::standaard_punten),
      m_plaats(new vensterplaats(*this, ontworpen, kleinste_schaal)) {
    setObjectName("frm_klas");
    setWindowTitle(tr("class view", "window title"));
    setAttribute(Qt::WA_DeleteOnClose);
    // On the projector while the game master goes on working on the board.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette licht = palette();
    licht.setColor(QPalette::Window, QColor(0xFA, 0xFA, 0xF7));
    licht.setColor(QPalette::WindowText, QColor(0x1A, 0x1A, 0x1A));
    setPalette(licht);
    setAutoFillBackground(true);

    m_indeling.bouw(tabel);
    m_lbl_ronde_nummer = m_indeling.control<QLabel>("lbl_ronde_nummer");
    m_lbl_klok = m_indeling.control<QLabel>("lbl_klok");
    m_lbl_klok_text = m_indeling.control<QLabel>("lbl_klok_text");
    m_lbl_klok->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lbl_klok_text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lbl_klok->hide();
    m_lbl_klok_text->hide();
    m_indeling.array("im_pion_speler", m_im_pion_speler);
    m_indeling.array("lbl_naam_speler", m_lbl_naam_speler);
    m_indeling.array("lbl_marktaandeel_speler", m_lbl_marktaandeel_speler);
    m_indeling.array("im_nieuw", m_im_nieuw);
    m_indeling.array("lbl_marktaandeel_systeem", m_lbl_marktaandeel_systeem);
    for (QLabel* aandeel : m_lbl_marktaandeel_speler) {
        if (aandeel) {
            aandeel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // The numbers that change paint their own plain background, so that a press does not
    // repaint the window and the squares' frames beneath each of them.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->objectName().startsWith("lbl_")) {
            label->setAutoFillBackground(true);
        }
    }
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, bewaak([this] {
                isFullScreen() ? m_plaats->verlaat_volledig_scherm() : (void)close();
            }));
    resize(ontworpen);
    schaal_mee();
}

// The board redraws after each of a press's four steps; the view shows the last, once.
void frm_klas::toon(const bordbeeld& beeld) {
    const bool gepland = m_beeld.has_value();
    m_beeld = beeld;
    if (!gepland) {
        QMetaObject::invokeMethod(this, bewaak([this] { teken(); }), Qt::QueuedConnection);
    }
}

// Every text again, in the new language: the whole view is drawn anew.
void frm_klas::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        cls_applicatie::bewaakt([this] {
            setWindowTitle(tr("class view", "window title"));
            m_indeling.vertaal();
            if (m_klok) {
                toon_klok(*m_klok);
            }
            if (m_getoond.ronde != 0) {
                // Nothing shown counts as unchanged, so every name is given again.
                const bordbeeld laatst = std::exchange(m_getoond, bordbeeld{});
                toon(m_beeld.value_or(laatst));
            }
        });
    }
}

// Only what changed since the last time is touched: a press changes a few numbers.
void frm_klas::teken() {
    if (!m_beeld) {
        return;
    }
    const bordbeeld beeld = *std::exchange(m_beeld, std::nullopt);
    const bordbeeld::regel leeg;
    const auto vorig = [&leeg](const std::vector<bordbeeld::regel>& regels, std::size_t i) {
        return i < regels.size() ? regels[i] : leeg;
    };
    // A label's accessible name is all a screen reader says of it, so each says its value.
    m_lbl_ronde_nummer->setText(QString::number(beeld.ronde));
    noem(*m_lbl_ronde_nummer,
         tr("fiscal year %1", "a screen reader's name of the year's number").arg(beeld.ronde));
    for (std::size_t r = 1; r <= 4; ++r) {
        const bordbeeld::regel& team = vorig(beeld.scorebord, r - 1);
        if (team != vorig(m_getoond.scorebord, r - 1) || m_getoond.ronde == 0) {
            toon_pion(*m_im_pion_speler.at(r), team);
            toon_aandeel(*m_lbl_marktaandeel_speler.at(r), team, team.naam);
            m_namen.at(r) = team.naam;
            toon_naam(static_cast<int>(r));
        }
    }
    for (std::size_t v = 1; v <= 9; ++v) {
        for (std::size_t k = 1; k <= 4; ++k) {
            const bordbeeld::regel& regel = beeld.vakken.at(v).at(k - 1);
            if (regel == m_getoond.vakken.at(v).at(k - 1) && m_getoond.ronde != 0) {
                continue;
            }
            const auto i = static_cast<std::size_t>(
                ontwerp_speelbord::slot_op(static_cast<int>(v), static_cast<int>(k)));
            toon_pion(*m_im_nieuw.at(i), regel);
            toon_aandeel(*m_lbl_marktaandeel_systeem.at(i), regel,
                         tr("square %1, %2", "a system's share: the square, then the team's name")
                             .arg(v)
                             .arg(regel.naam));
        }
    }
    m_getoond = beeld;
}

// The round timer is drawn at once: it changes once a second, and only itself.
void frm_klas::toon_klok(const rondeklok& klok) {
    m_klok = &klok;
    const bool let_op = klok.toon_in(*m_lbl_klok);
    m_lbl_klok_text->setVisible(klok.klok().in_gebruik());
    m_lbl_klok_text->setText(klok.klok().om() ? tr("time's up") : tr("time left"));
    if (let_op != m_klok_let_op) {
        m_klok_let_op = let_op;
        stijl_klok();
    }
}

// In the last minute the clock turns to white on dark red and bold: it changes in brightness
// and weight, not only in colour, for a pupil who cannot tell the colours apart.
void frm_klas::stijl_klok() {
    QPalette rood;
    if (m_klok_let_op) {
        rood.setColor(QPalette::Window, QColor(0xA0, 0x00, 0x18));
        rood.setColor(QPalette::WindowText, Qt::white);
    }
    m_lbl_klok->setPalette(rood);
    // The digits keep clear of the dark field's edges.
    const int rand = m_klok_let_op ? m_lbl_klok->height() / 10 : 0;
    m_lbl_klok->setContentsMargins(rand, 0, rand, 0);
    for (QLabel* label : {m_lbl_klok, m_lbl_klok_text}) {
        QFont letter = label->font();
        letter.setBold(m_klok_let_op);
        label->setFont(letter);
    }
}

void frm_klas::toon_aandeel(QLabel& label, const bordbeeld::regel& regel, const QString& wie) {
    label.setText(regel.aandeel);
    noem(label, regel.pion == 0 ? QString() : wie + ": " + regel.aandeel);
}

// A picture is set only when the pawn changes: a redraw of an unchanged view paints nothing.
void frm_klas::toon_pion(QLabel& plaatje, const bordbeeld::regel& regel) {
    noem(plaatje, frm_pion::beschrijving(regel.pion, regel.naam));
    if (plaatje.property("pion").toInt() != regel.pion) {
        zet_pion(plaatje, regel.pion);
    }
}

// Each pawn is scaled smoothly to its place once per size, not at every change of place.
void frm_klas::zet_pion(QLabel& plaatje, std::int16_t pion) {
    plaatje.setProperty("pion", pion);
    if (pion == 0) {
        plaatje.clear();
        return;
    }
    QPixmap& op_maat = m_op_maat[{pion, plaatje.width()}];
    if (op_maat.isNull()) {
        op_maat = m_pion.im_pion(pion).scaled(plaatje.size(), Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
    }
    plaatje.setPixmap(op_maat);
}

// A long name is cut at its end to fit its place; a screen reader hears it whole.
void frm_klas::toon_naam(int rij) {
    QLabel& label = *m_lbl_naam_speler.at(static_cast<std::size_t>(rij));
    const QString& naam = m_namen.at(static_cast<std::size_t>(rij));
    label.setText(QFontMetrics(label.font()).elidedText(naam, Qt::ElideRight, label.width()));
    noem(label, naam);
}

void frm_klas::schaal_mee() {
    const double schaal = std::min(static_cast<double>(width()) / ontworpen.width(),
                                   static_cast<double>(height()) / ontworpen.height());
    const QSize maat(qRound(ontworpen.width() * schaal), qRound(ontworpen.height() * schaal));
    m_indeling.pas_toe(schaal,
                       QPoint((width() - maat.width()) / 2, (height() - maat.height()) / 2));
    stijl_klok();
    for (int r = 1; r <= 4; ++r) {
        toon_naam(r);
    }
    for (QLabel* plaatje : findChildren<QLabel*>()) {
        if (plaatje->property("pion").toInt() != 0) {
            zet_pion(*plaatje, static_cast<std::int16_t>(plaatje->property("pion").toInt()));
        }
    }
}

void frm_klas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    cls_applicatie::bewaakt([this] { schaal_mee(); });
}
