#include "ui/board/frm_speelbord.h"

#include "services/cls_applicatie.h"
#include "services/cls_cpt_ui.h"
#include "services/navigatie.h"
#include "ui/board/achtergrond.h"
#include "ui/board/naamvakken.h"
#include "ui/board/ontwerp_speelbord.h"
#include "ui/board/percentage_tekst.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/dialogs/frm_voeg_systeem_toe.h"
#include "ui/klok/klok_label.h"
#include "ui/klok/rondeklok.h"
#include "ui/lettertype.h"
#include "ui/noem.h"
#include "ui/venster.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include <QCloseEvent>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

namespace {

// Below half its size the board's default text would be six pixels high.
constexpr double kleinste_schaal = 0.5;

// Setting a text leaves the cursor at its end, so a name longer than its box would show its
// end, shifting at every redraw; the beginning says whose it is. A name that is already there
// is not set again: that would only move the cursor there and back and repaint the box.
void toon_naam(QLineEdit& vak, const QString& tekst) {
    if (vak.text() != tekst) {
        vak.setText(tekst);
    }
    vak.setCursorPosition(0);
}

} // namespace

frm_speelbord::frm_speelbord(cls_tbl_speler& tbl_speler, cls_tbl_speelbord& tbl_speelbord,
                             cls_status& status, cls_subcpt_ui& subcpt_ui, frm_pion& pion,
                             QWidget* parent)
    : QWidget(parent), m_tbl_speler(tbl_speler), m_tbl_speelbord(tbl_speelbord), m_status(status),
      m_subcpt_ui(subcpt_ui), m_pion(pion), m_indeling(*this, lettertype::standaard_punten),
      m_achtergrond(lees_achtergrond()), m_rand(m_achtergrond) {
    if (m_achtergrond.isNull()) {
        throw std::runtime_error("the board picture is missing from the program");
    }
    setObjectName("frm_speelbord");
    zet_titel();
    setMinimumSize(in_pixels(ontwerp_speelbord::client_twips, kleinste_schaal).size());
    new vensterplaats(*this, ontwerp_speelbord::ontworpen_maat(), kleinste_schaal);

    m_indeling.bouw(ontwerp_speelbord::tabel, [](QWidget& ouder) {
        return new klok_label(klok_label::variant::bord, &ouder);
    });
    neem_controls();
    m_indeling.zet_tabvolgorde(ontwerp_speelbord::tabvolgorde());
    // First in the tab order, so it has the focus when the window opens.
    m_knp_vooruit->setFocus();
    verbind_handlers();
    new naamvakken(*this, m_tb_naam_speler);

    resize(ontwerp_speelbord::ontworpen_maat());
    schaal_mee();
    Form_Load();
}

void frm_speelbord::neem_controls() {
    m_indeling.control<achtergrond>("im_background")->setPixmap(m_achtergrond);

    // A light, slightly see-through card keeps the scoreboard readable over any backdrop.
    auto* scorebord = m_indeling.control<QFrame>("shp_background_scoreboard");
    QPalette kaart = scorebord->palette();
    kaart.setColor(QPalette::Window, QColor(255, 255, 255, 215));
    kaart.setColor(QPalette::WindowText, QColor(0xB8, 0xC0, 0xCA));
    scorebord->setPalette(kaart);
    scorebord->setAutoFillBackground(true);

    m_knp_achteruit = m_indeling.control<QPushButton>("knp_achteruit");
    m_knp_vooruit = m_indeling.control<QPushButton>("knp_vooruit");
    m_lbl_ronde_nummer = m_indeling.control<QLabel>("lbl_ronde_nummer");
    m_indeling.array("tb_naam_speler", m_tb_naam_speler);
    m_indeling.array("im_pion_speler", m_im_pion_speler);
    m_indeling.array("tb_marktaandeel_speler", m_tb_marktaandeel_speler);
    m_indeling.array("lbl_vak_nummer", m_lbl_vak_nummer);
    m_indeling.array("knp_voeg_systeem_toe", m_knp_voeg_systeem_toe);
    m_indeling.array("im_nieuw", m_im_nieuw);
    m_indeling.array("tb_marktaandeel_systeem", m_tb_marktaandeel_systeem);
}

void frm_speelbord::cpt_ui(cls_cpt_ui& let_cpt_ui) {
    m_cpt_ui = &let_cpt_ui;
}

void frm_speelbord::klok(rondeklok& let_klok) {
    m_klok = &let_klok;
    m_indeling.control<klok_label>("lbl_klok")->volg(let_klok);
}

void frm_speelbord::zet_klok_terug() {
    if (m_klok) {
        m_klok->zet_terug();
    }
}

void frm_speelbord::Form_Load() {
    for (int r = 1; r <= 4; ++r) {
        element(m_tb_naam_speler, r).hide();
        element(m_im_pion_speler, r).hide();
        element(m_tb_marktaandeel_speler, r).hide();
        m_inverse_volgorde.at(static_cast<std::size_t>(r)) = static_cast<std::int16_t>(r);
    }
    // No game exists before the first refresh: a rewind now would drop the only board.
    m_knp_achteruit->setEnabled(false);
}

void frm_speelbord::initialiseer() {
    m_teams_toegevoegd = true;
    const std::int16_t n = m_tbl_speler.aantal_rijen();
    for (std::int16_t t = 1; t <= n; ++t) {
        element(m_tb_naam_speler, t).show();
        element(m_im_pion_speler, t).show();
        element(m_tb_marktaandeel_speler, t).show();
        const cls_rij_speler& team = vereist(m_tbl_speler.rij(t), "a team row");
        toon_naam(element(m_tb_naam_speler, t), QString::fromStdString(team.speler_naam()));
        element(m_im_pion_speler, t).setPixmap(m_pion.im_pion(team.pion_nummer()));
    }
}

void frm_speelbord::refresh_me() {
    m_knp_achteruit->setEnabled(kan_achteruit(m_status));
    m_knp_vooruit->setEnabled(kan_vooruit(m_status));
    m_lbl_ronde_nummer->setText(QString::number(m_status.ronde()));
    noem_ronde();
    const std::int16_t stap = m_status.stap();
    if (stap != 1 && stap != 4) {
        enable_toevoegen_systeem();
    } else {
        disable_toevoegen_systeem();
    }
    const bordbeeld nu = beeld();
    teken_scorebord(nu);
    teken_vakken(nu);
    noem_pionnen(nu);
    emit getekend(nu);
}

// A label's accessible name is all a screen reader says of it: the year goes in it.
void frm_speelbord::noem_ronde() {
    if (!m_lbl_ronde_nummer->text().isEmpty()) {
        noem(*m_lbl_ronde_nummer,
             tr("fiscal year %1", "a screen reader's name of the year's number")
                 .arg(m_lbl_ronde_nummer->text()));
    }
}

void frm_speelbord::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        cls_applicatie::bewaakt([this] { vertaal(); });
    }
}

void frm_speelbord::toon_terugblik(int jaar) {
    m_terugblik = jaar;
    zet_titel();
}

// The game master sees at a glance that the projector does not show the game being played.
void frm_speelbord::zet_titel() {
    setWindowTitle(m_terugblik == 0
                       ? tr("Corvanta 5", "the window's title: the game's name and edition")
                       : tr("Corvanta 5 - class view: replay of fiscal year %1",
                            "the window's title while the class view replays a year")
                             .arg(m_terugblik));
}

void frm_speelbord::vertaal() {
    zet_titel();
    m_indeling.vertaal();
    noem_ronde();
    if (m_teams_toegevoegd) {
        noem_pionnen(beeld());
    }
}

// A pawn says whose it is and what it looks like; an empty slot says nothing.
void frm_speelbord::noem_pionnen(const bordbeeld& beeld) {
    for (std::size_t r = 1; r <= beeld.scorebord.size(); ++r) {
        const bordbeeld::regel& rij = beeld.scorebord[r - 1];
        noem(element(m_im_pion_speler, static_cast<int>(r)),
             frm_pion::beschrijving(rij.pion, rij.naam));
    }
    for (int v = 1; v <= 9; ++v) {
        for (int k = 1; k <= 4; ++k) {
            const bordbeeld::regel& regel =
                beeld.vakken.at(static_cast<std::size_t>(v)).at(static_cast<std::size_t>(k - 1));
            noem(element(m_im_nieuw, ontwerp_speelbord::slot_op(v, k)),
                 frm_pion::beschrijving(regel.pion, regel.naam));
        }
    }
}

bordbeeld frm_speelbord::beeld() {
    return lees_bordbeeld(m_tbl_speler, m_tbl_speelbord, m_status, m_subcpt_ui, m_status.ronde(),
                          m_inverse_volgorde);
}

void frm_speelbord::teken_scorebord(const bordbeeld& beeld) {
    for (std::size_t r = 1; r <= beeld.scorebord.size(); ++r) {
        const bordbeeld::regel& rij = beeld.scorebord[r - 1];
        const int ri = static_cast<int>(r);
        element(m_tb_marktaandeel_speler, ri).setText(rij.aandeel);
        toon_naam(element(m_tb_naam_speler, ri), rij.naam);
        element(m_im_pion_speler, ri).setPixmap(m_pion.im_pion(rij.pion));
    }
}

void frm_speelbord::teken_vakken(const bordbeeld& beeld) {
    for (int v = 1; v <= 9; ++v) {
        for (int k = 1; k <= 4; ++k) {
            const int i = ontwerp_speelbord::slot_op(v, k);
            const bordbeeld::regel& regel =
                beeld.vakken.at(static_cast<std::size_t>(v)).at(static_cast<std::size_t>(k - 1));
            QLineEdit& aandeel = element(m_tb_marktaandeel_systeem, i);
            QLabel& pion = element(m_im_nieuw, i);
            if (regel.pion == 0) {
                pion.clear();
                aandeel.hide();
                continue;
            }
            pion.setPixmap(m_pion.im_pion(regel.pion));
            aandeel.setText(regel.aandeel);
            aandeel.show();
        }
    }
}

// The buttons stay enabled at every step on purpose: between two actions the game always rests
// at step 1, so disabling them at steps 1 and 4 would lock the game master out of the board.
void frm_speelbord::disable_toevoegen_systeem() {}

void frm_speelbord::enable_toevoegen_systeem() {
    for (int v = 1; v <= 9; ++v) {
        element(m_knp_voeg_systeem_toe, v).setEnabled(true);
    }
}

const cls_subcpt_ui::per_team_int& frm_speelbord::inverse_volgorde() const {
    return m_inverse_volgorde;
}

const QLabel& frm_speelbord::lbl_vak_nummer(int v) const {
    return element(m_lbl_vak_nummer, v);
}

double frm_speelbord::schaal() const {
    return m_schaal;
}

void frm_speelbord::paintEvent(QPaintEvent* /*event*/) {
    // The board itself is covered by im_background; only the margins are left to paint.
    QPainter schilder(this);
    m_rand.teken(schilder, rect(), m_bord);
}

void frm_speelbord::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    cls_applicatie::bewaakt([this] { schaal_mee(); });
}

// The board fills the window as far as its proportions allow, centred; every control's place
// and font follow from the layout table at that scale.
void frm_speelbord::schaal_mee() {
    m_schaal =
        std::min(static_cast<double>(width()) / ontwerp_speelbord::ontworpen_maat().width(),
                 static_cast<double>(height()) / ontwerp_speelbord::ontworpen_maat().height());
    const QSize bord = in_pixels(ontwerp_speelbord::client_twips, m_schaal).size();
    m_bord = QRect(QPoint((width() - bord.width()) / 2, (height() - bord.height()) / 2), bord);
    m_indeling.pas_toe(m_schaal, m_bord.topLeft());
}

void frm_speelbord::verbind_handlers() {
    connect(m_knp_achteruit, &QPushButton::clicked, this,
            bewaak([this] { knp_achteruit_Click(); }));
    connect(m_knp_vooruit, &QPushButton::clicked, this, bewaak([this] { knp_vooruit_Click(); }));
    for (int v = 1; v <= 9; ++v) {
        connect(&element(m_knp_voeg_systeem_toe, v), &QPushButton::clicked, this,
                bewaak([this, v] { knp_voeg_systeem_toe_Click(v); }));
    }
    for (int r = 1; r <= 4; ++r) {
        connect(&element(m_tb_naam_speler, r), &QLineEdit::textChanged, this,
                bewaak([this, r] { tb_naam_speler_Change(r); }));
    }
}

cls_cpt_ui& frm_speelbord::facade() const {
    if (!m_cpt_ui) {
        throw std::logic_error("the board window is not connected to the game");
    }
    return *m_cpt_ui;
}

void frm_speelbord::knp_achteruit_Click() {
    if (m_status.vak_nummer() != 0 || !kan_achteruit(m_status)) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        facade().srvc_achteruit();
    }
    zet_klok_terug();
}

void frm_speelbord::knp_vooruit_Click() {
    if (m_status.vak_nummer() != 0 || !kan_vooruit(m_status)) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        facade().srvc_vooruit();
    }
    zet_klok_terug();
}

void frm_speelbord::knp_voeg_systeem_toe_Click(int Index) {
    if (m_status.vak_nummer() != 0) {
        return;
    }
    m_status.vak_nummer(static_cast<std::int16_t>(Index));
    // Not modal; it deletes itself when it closes and then releases the square.
    auto* dialoog = new frm_voeg_systeem_toe(m_status, m_tbl_speler, m_subcpt_ui, facade(), *this,
                                             m_pion, this);
    dialoog->show();
}

void frm_speelbord::tb_naam_speler_Change(int Index) {
    const std::int16_t team = m_inverse_volgorde.at(static_cast<std::size_t>(Index));
    const QLineEdit& naam = element(m_tb_naam_speler, Index);
    std::shared_ptr<cls_rij_speler> rij = m_tbl_speler.rij(team);
    if (!rij) {
        throw std::logic_error("scoreboard row " + std::to_string(Index) + " shows no team");
    }
    // A redraw writes every name back unchanged; only a new name is news to the other views.
    const std::string nieuw = naam.text().toStdString();
    if (rij->speler_naam() != nieuw) {
        rij->speler_naam(nieuw);
        // The pawns say whose they are; every view follows the new name.
        const bordbeeld nu = beeld();
        noem_pionnen(nu);
        emit hernoemd(nu);
    }
}

void frm_speelbord::Form_Unload(int& cancel) {
    if (!bevestigd(*this, tr("Corvanta", "title of the exit confirmation: the program's name"),
                   tr("Do you want to close the application?"))) {
        cancel = 1;
        return;
    }
    // Ending the program closes whatever else is open: the pawn holder and any dialog.
    m_pion.close();
    for (QWidget* kind : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (kind->isWindow()) {
            kind->close();
        }
    }
}

void frm_speelbord::closeEvent(QCloseEvent* event) {
    // Stays open unless the game master confirmed, also when asking failed.
    int cancel = 1;
    cls_applicatie::bewaakt([&] {
        cancel = 0;
        Form_Unload(cancel);
    });
    event->setAccepted(cancel == 0);
}
