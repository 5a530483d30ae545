#include "ui/klas/frm_klas.h"

#include "services/cls_applicatie.h"
#include "ui/board/ontwerp_speelbord.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/groot_getal.h"
#include "ui/klok/klok_label.h"
#include "ui/lettertype.h"
#include "ui/noem.h"
#include "ui/venster.h"

#include <algorithm>
#include <utility>

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
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
// A square's controls stand in its frame: a press repaints a few of the view's controls, and
// Qt walks the others beside them at every one of those.
constexpr plek in_kader(int v) {
    return {"Shape1", v};
}
constexpr plek slot_in_kader(int i) {
    return in_kader(ontwerp_speelbord::slot_vak(i));
}
constexpr QPoint rij(int r) {
    return px(0, 180 * (r - 1));
}

// Points at 1920 x 1080: a share's or total's digits stand 46 pixels tall, over 1/25 of the
// height; the year's and the round timer's twice that. Every number is drawn from pictures of
// its digits: a press changes up to 27 of them, and laying out their text anew each time made
// the press with the class view open two thirds slower than without it.
constexpr double jaar = 96, cijfer = 48, naam = 40, kop = 36, band = 28, merk = 18;

// clang-format off
constexpr std::array tabel{
    // name                          kind             left, top, width, height     pt      caption        accessible name                 indexes  place
    ontwerp{"lbl_ronde_text",           soort::label,   px(40, 30, 270, 70),      kop,    QT_TRANSLATE_NOOP3("frm_klas", "fiscal year", "the round of the game, heading of its number"), QT_TRANSLATE_NOOP("frm_klas", "fiscal year heading")},
    ontwerp{"lbl_ronde_nummer",         soort::getal,   px(40, 100, 270, 140),    jaar,   "",            ""},
    ontwerp{"lbl_klok_text",            soort::label,   px(310, 30, 330, 70),     kop,    "",            ""},
    ontwerp{"lbl_klok",                 soort::eigen,   px(310, 100, 330, 140),   jaar,   "",            ""},
    ontwerp{"im_pion_speler",           soort::plaatje, px(40, 320, 80, 80),      0,      "",            "",                             1, 4, rij},
    ontwerp{"lbl_naam_speler",          soort::label,   px(140, 320, 330, 80),    naam,   "",            "",                             1, 4, rij},
    ontwerp{"lbl_marktaandeel_speler",  soort::getal,   px(480, 320, 160, 80),    cijfer, "",            "",                             1, 4, rij},
    ontwerp{"lbl_terugblik",            soort::label,   px(40, 246, 600, 48),     band,   QT_TRANSLATE_NOOP3("frm_klas", "replay", "band over a closed year's board shown again in the debrief"), ""},
    ontwerp{"Shape1",                   soort::kader,   px(680, 30, 400, 335),    0,      "",            QT_TRANSLATE_NOOP("frm_klas", "frame of square %1"), 1, 9, vak},
    ontwerp{"lbl_vak_nummer",           soort::label,   px(695, 38, 100, 80),     kop,    "%1",          QT_TRANSLATE_NOOP("frm_klas", "number of square %1"), 1, 9, vak, nullptr, in_kader},
    ontwerp{"im_nieuw",                 soort::plaatje, px(696, 140, 56, 56),     0,      "",            "", 4, 39, slot, nullptr, slot_in_kader},
    ontwerp{"lbl_marktaandeel_systeem", soort::getal,   px(762, 125, 112, 85),    cijfer, "",            "", 4, 39, slot, nullptr, slot_in_kader},
    ontwerp{"lbl_verandering",          soort::label,   px(696, 210, 178, 30),    merk,   "",            "", 4, 39, slot, nullptr, slot_in_kader},
};
// clang-format on

constexpr double kleinste_schaal = 0.3;

// The replay's frame and band, dark in any colour vision.
const QColor terugblik_kleur(0x1F, 0x29, 0x37);

} // namespace

frm_klas::frm_klas(frm_pion& pion, lezer lees, QWidget* parent)
    : QWidget(parent, Qt::Window), m_pion(pion), m_lees(std::move(lees)),
      m_indeling(*this, lettertype::standaard_punten),
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

    m_indeling.bouw(
        tabel, [](QWidget& ouder) { return new klok_label(klok_label::variant::klas, &ouder); });
    m_lbl_ronde_nummer = m_indeling.control<QLabel>("lbl_ronde_nummer");
    m_lbl_klok = m_indeling.control<klok_label>("lbl_klok");
    m_lbl_klok->bijschrift(*m_indeling.control<QLabel>("lbl_klok_text"));
    m_indeling.array("im_pion_speler", m_im_pion_speler);
    m_indeling.array("lbl_naam_speler", m_lbl_naam_speler);
    m_indeling.array("lbl_marktaandeel_speler", m_lbl_marktaandeel_speler);
    m_indeling.array("im_nieuw", m_im_nieuw);
    m_indeling.array("lbl_marktaandeel_systeem", m_lbl_marktaandeel_systeem);
    m_indeling.array("lbl_verandering", m_lbl_verandering);
    richt_terugblik_in();
    for (QLabel* aandeel : m_lbl_marktaandeel_speler) {
        if (aandeel) {
            aandeel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // What a press changes, numbers, names and pawns, paints its own plain background, so that
    // the press does not repaint the window and the squares' frames beneath each of them. The
    // numbers, and the pawns, which cover their places whole and show only with a pawn, paint
    // without Qt's fill first.
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setAutoFillBackground(true);
        // Pawns come scaled to their places (zet_pion): QLabel would make a copy of each again.
        label->setScaledContents(false);
        const bool pion = label->objectName().startsWith("im_");
        if (pion || qobject_cast<groot_getal*>(label)) {
            label->setAttribute(Qt::WA_OpaquePaintEvent);
        }
        // Hidden, not shown: the replay's band and marks, hidden above, stay so until the
        // first picture, so that a window painted before it never says "replay".
        if (pion) {
            label->hide();
        }
    }
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, bewaak([this] {
                isFullScreen() ? m_plaats->verlaat_volledig_scherm() : (void)close();
            }));
    verbind_toetsen(*this, [this](terugblik::toets welke) { stap(welke); });
    resize(ontworpen);
    schaal_mee();
}

// The board redraws after each of a press's four steps; the view shows the last, once.
void frm_klas::toon(const bordbeeld& beeld) {
    m_live = beeld;
    if (m_jaar != 0) {
        m_jaar = 0;
        emit terugblik(0);
    }
    plan(beeld);
}

void frm_klas::hernoem(const bordbeeld& beeld) {
    m_live = beeld;
    plan(m_jaar == 0 ? beeld : m_lees(m_jaar));
}

void frm_klas::kies_jaar(int jaar) {
    if (jaar == m_jaar || jaar < 0 || jaar >= m_live.ronde) {
        return;
    }
    m_jaar = jaar;
    plan(jaar == 0 ? m_live : m_lees(jaar));
    emit terugblik(jaar);
}

void frm_klas::verbind_toetsen(QWidget& venster, std::function<void(terugblik::toets)> stap) {
    for (const auto& paar : terugblik::toetsen) {
        const terugblik::toets welke = paar.second;
        connect(new QShortcut(paar.first, &venster), &QShortcut::activated, &venster,
                bewaak([stap, welke] { stap(welke); }));
    }
}

void frm_klas::stap(terugblik::toets toets) {
    kies_jaar(terugblik::na(m_jaar, m_live.ronde, toets));
}

void frm_klas::plan(const bordbeeld& beeld) {
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
            if (m_getoond.ronde != 0) {
                // Nothing shown counts as unchanged, so every name is given again.
                plan(m_beeld.value_or(std::exchange(m_getoond, bordbeeld{})));
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
    teken_kop(beeld);
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
            if (regel != m_getoond.vakken.at(v).at(k - 1) || m_getoond.ronde == 0) {
                teken_regel(v, k, regel);
            }
        }
    }
    m_getoond = beeld;
}

// A label's accessible name is all a screen reader says of it, so each says its value. A replay
// is framed and banded in dark, which shows from the back of the room in any colour vision.
void frm_klas::teken_kop(const bordbeeld& beeld) {
    m_lbl_ronde_nummer->setText(QString::number(beeld.ronde));
    noem(*m_lbl_ronde_nummer,
         tr("fiscal year %1", "a screen reader's name of the year's number").arg(beeld.ronde));
    noem(*this, beeld.terugblik ? tr("replay of fiscal year %1").arg(beeld.ronde) : QString());
    if (beeld.terugblik != m_getoond.terugblik || m_getoond.ronde == 0) {
        m_lbl_terugblik->setVisible(beeld.terugblik);
        update();
    }
}

void frm_klas::teken_regel(std::size_t v, std::size_t k, const bordbeeld::regel& regel) {
    const auto i = static_cast<std::size_t>(
        ontwerp_speelbord::slot_op(static_cast<int>(v), static_cast<int>(k)));
    using wijziging = bordbeeld::wijziging;
    toon_pion(*m_im_nieuw.at(i), regel);
    QString wie = tr("square %1, %2", "a system's share: the square, then the team's name")
                      .arg(v)
                      .arg(regel.naam);
    if (regel.merk == wijziging::nieuw) {
        wie = tr("%1, new this year", "a system's share placed in the year replayed").arg(wie);
    }
    toon_aandeel(*m_lbl_marktaandeel_systeem.at(i), regel, wie);
    QLabel& merkteken = *m_lbl_verandering.at(i);
    merkteken.setText(regel.merk == wijziging::nieuw ? tr("new", "a system placed in the year")
                      : regel.merk == wijziging::weg ? tr("taken away", "a system taken away")
                                                     : QString());
    merkteken.setVisible(regel.merk != wijziging::geen);
    // An empty line is no widget to paint round at every press.
    m_lbl_marktaandeel_systeem.at(i)->setVisible(regel.pion != 0);
}

// The round timer is drawn at once: it changes once a second, and only itself.
void frm_klas::volg_klok(const rondeklok& klok) {
    m_lbl_klok->volg(klok);
}

// A system taken away has no share.
void frm_klas::toon_aandeel(QLabel& label, const bordbeeld::regel& regel, const QString& wie) {
    label.setText(regel.aandeel);
    noem(label, regel.aandeel.isEmpty() ? QString() : wie + ": " + regel.aandeel);
}

// A picture is set only when the pawn changes: a redraw of an unchanged view paints nothing. The
// pawn of a system taken away is drawn faint.
void frm_klas::toon_pion(QLabel& plaatje, const bordbeeld::regel& regel) {
    const bool weg = regel.merk == bordbeeld::wijziging::weg;
    const QString beschrijving = frm_pion::beschrijving(regel.pion, regel.naam);
    noem(plaatje, weg ? tr("%1, taken away this year", "the pawn of a system taken away in the "
                                                       "year replayed")
                            .arg(beschrijving)
                      : beschrijving);
    if (plaatje.property("pion").toInt() != regel.pion ||
        plaatje.property("vaag").toBool() != weg) {
        zet_pion(plaatje, regel.pion, weg);
    }
    // Without a pawn there is nothing to show.
    plaatje.setVisible(regel.pion != 0);
}

// Each pawn is scaled smoothly to its place once per size, not at every change of place.
void frm_klas::zet_pion(QLabel& plaatje, std::int16_t pion, bool vaag) {
    plaatje.setProperty("pion", pion);
    plaatje.setProperty("vaag", vaag);
    if (pion == 0) {
        plaatje.clear();
        return;
    }
    QPixmap& op_maat = m_op_maat[{pion, plaatje.width(), vaag}];
    if (op_maat.isNull()) {
        op_maat = m_pion.im_pion(pion).scaled(plaatje.size(), Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
        if (vaag) {
            QPixmap doorzichtig(op_maat.size());
            doorzichtig.fill(palette().color(QPalette::Window));
            QPainter schilder(&doorzichtig);
            schilder.setOpacity(0.25);
            schilder.drawPixmap(0, 0, op_maat);
            op_maat = doorzichtig;
        }
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
    m_ontwerp = QRect(QPoint((width() - maat.width()) / 2, (height() - maat.height()) / 2), maat);
    m_indeling.pas_toe(schaal, m_ontwerp.topLeft());
    for (int r = 1; r <= 4; ++r) {
        toon_naam(r);
    }
    for (QLabel* plaatje : findChildren<QLabel*>()) {
        if (plaatje->property("pion").toInt() != 0) {
            zet_pion(*plaatje, static_cast<std::int16_t>(plaatje->property("pion").toInt()),
                     plaatje->property("vaag").toBool());
        }
    }
}

void frm_klas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    cls_applicatie::bewaakt([this] { schaal_mee(); });
}

// The band says "replay" in white on the frame's dark; the marks of what changed in the year
// are white on dark too, so that they stand out as the band does.
void frm_klas::richt_terugblik_in() {
    m_lbl_terugblik = m_indeling.control<QLabel>("lbl_terugblik");
    QPalette donker = m_lbl_terugblik->palette();
    donker.setColor(QPalette::Window, terugblik_kleur);
    donker.setColor(QPalette::WindowText, Qt::white);
    for (QLabel* label : m_lbl_verandering) {
        if (label) {
            label->setPalette(donker);
            label->setAutoFillBackground(true);
            label->setAlignment(Qt::AlignCenter);
            label->hide();
        }
    }
    m_lbl_terugblik->setPalette(donker);
    m_lbl_terugblik->setAutoFillBackground(true);
    m_lbl_terugblik->setAlignment(Qt::AlignCenter);
    m_lbl_terugblik->hide();
}

void frm_klas::paintEvent(QPaintEvent* /*event*/) {
    if (m_getoond.terugblik) {
        QPainter schilder(this);
        const int dikte = std::max(4, m_ontwerp.height() / 90);
        schilder.setPen(QPen(terugblik_kleur, dikte, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        schilder.drawRect(
            rect().adjusted(dikte / 2, dikte / 2, -(dikte + 1) / 2, -(dikte + 1) / 2));
    }
}
