#include "ui/dialogs/frm_voeg_systeem_toe.h"

#include "services/cls_applicatie.h"
#include "services/cls_cpt_ui.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/dialogs/pion_plaatje.h"
#include "ui/lettertype.h"
#include "ui/venster.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr double punten_kop = 12.0;
constexpr int pion = dialoog_pion_twips;

// 2055 x 2775 twips: every team's pawn on the left, the chosen ones' on the right, a row apart.
// clang-format off
constexpr std::array tabel{
    // name                          kind          left, top, width, height pt          caption        accessible name, indexes, place
    ontwerp{"lbl_gebied",           soort::label, {240, 120, 1575, 495},   punten_kop, "",            ""},
    ontwerp{"im_pion",              soort::pion,  {360, 720, pion, pion},  0,          "",            QT_TRANSLATE_NOOP("frm_voeg_systeem_toe", "team %1, without a system"), 1, 4, onder_elkaar},
    ontwerp{"im_pion_geselecteerd", soort::pion,  {1440, 720, pion, pion}, 0,          "",            QT_TRANSLATE_NOOP("frm_voeg_systeem_toe", "team %1, with a system"), 1, 4, onder_elkaar},
    ontwerp{"knp_voeg_systeem_toe", soort::knop,  {240, 2280, 1575, 375},  0,          QT_TRANSLATE_NOOP3("frm_voeg_systeem_toe", "add systems", "button: places and removes the systems chosen, then closes"), QT_TRANSLATE_NOOP3("frm_voeg_systeem_toe", "add systems", "button: places and removes the systems chosen, then closes")},
};
// clang-format on

} // namespace

frm_voeg_systeem_toe::frm_voeg_systeem_toe(cls_status& status, cls_tbl_speler& tbl_speler,
                                           cls_subcpt_ui& subcpt_ui, cls_cpt_ui& cpt_ui,
                                           const frm_speelbord& speelbord, frm_pion& pion,
                                           QWidget* parent)
    : QWidget(parent), m_status(status), m_tbl_speler(tbl_speler), m_subcpt_ui(subcpt_ui),
      m_cpt_ui(cpt_ui), m_speelbord(speelbord), m_pion(pion),
      m_indeling(*this, lettertype::standaard_punten) {
    setObjectName("frm_voeg_systeem_toe");
    richt_dialoog_in(*this, tr("systems", "window title"), {2055, 2775}, speelbord.schaal());
    m_indeling.bouw(tabel);
    m_lbl_gebied = m_indeling.control<QLabel>("lbl_gebied");
    m_indeling.array("im_pion", m_im_pion);
    m_indeling.array("im_pion_geselecteerd", m_im_pion_geselecteerd);
    for (int i = 1; i <= 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m_im_pion[k]->klikbaar(true);
        m_im_pion_geselecteerd[k]->klikbaar(true);
        connect(m_im_pion[k], &pion_plaatje::clicked, this,
                bewaak([this, i] { im_pion_Click(i); }));
        connect(m_im_pion_geselecteerd[k], &pion_plaatje::clicked, this,
                bewaak([this, i] { im_pion_geselecteerd_Click(i); }));
        // Without a mouse: key k moves row k's team to the other column, as a click does.
        connect(new QShortcut(QKeySequence(Qt::Key_0 + i), this), &QShortcut::activated, this,
                bewaak([this, i] {
                    m_im_pion_geselecteerd.at(static_cast<std::size_t>(i))->isHidden()
                        ? im_pion_Click(i)
                        : im_pion_geselecteerd_Click(i);
                }));
    }

    auto* knop = m_indeling.control<QPushButton>("knp_voeg_systeem_toe");
    knop->setDefault(true);
    connect(knop, &QPushButton::clicked, this, bewaak([this] { knp_voeg_systeem_toe_Click(); }));
    // Escape closes it as its close box does: nothing applied, the square released.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
            bewaak([this] { close(); }));
    knop->setFocus();

    m_indeling.pas_toe(speelbord.schaal());
    Form_Load();
}

void frm_voeg_systeem_toe::Form_Load() {
    const std::int16_t vak_nummer = m_status.vak_nummer();
    m_subcpt_ui.srvc_speler_heeft_systeem_in_vak(vak_nummer, m_speler_heeft_systeem_in_vak);
    m_vak = m_speelbord.lbl_vak_nummer(vak_nummer).text();
    for (std::int16_t i = 1; i <= m_tbl_speler.aantal_rijen(); ++i) {
        const auto& rij = *m_tbl_speler.rij(i);
        const auto k = static_cast<std::size_t>(i);
        m_im_pion.at(k)->setPixmap(m_pion.im_pion(rij.pion_nummer()));
        m_im_pion_geselecteerd.at(k)->setPixmap(m_pion.im_pion(rij.pion_nummer()));
        const bool had_systeem = m_speler_heeft_systeem_in_vak.at(k);
        m_im_pion_geselecteerd.at(k)->setVisible(had_systeem);
        if (had_systeem) {
            disable_pion(rij.team_nummer());
        }
    }
    vertaal();
}

void frm_voeg_systeem_toe::vertaal() {
    setWindowTitle(tr("systems", "window title"));
    setAccessibleDescription(tr("Keys 1 to 4 move the team in that row between the columns, as a "
                                "click on its pawn does; add systems applies the choice."));
    m_indeling.vertaal();
    m_lbl_gebied->setText(
        tr("segment %1", "heading of the dialog: the square's number follows").arg(m_vak));
    m_lbl_gebied->setAccessibleName(m_lbl_gebied->text());
    noem_pionnen();
}

// What was chosen stays: only the texts change.
void frm_voeg_systeem_toe::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        cls_applicatie::bewaakt([this] { vertaal(); });
    }
}

// Each pawn says its team, its look and whether the team is chosen; an empty slot, nothing.
void frm_voeg_systeem_toe::noem_pionnen() {
    for (std::size_t k = 1; k <= 4; ++k) {
        QString naam;
        if (is_teamrij(static_cast<int>(k))) {
            const cls_rij_speler& rij = *m_tbl_speler.rij(static_cast<std::int16_t>(k));
            naam = QString("%1, %2, %3")
                       .arg(QString::fromStdString(rij.speler_naam()),
                            frm_pion::beschrijving(rij.pion_nummer()),
                            m_im_pion_geselecteerd[k]->isHidden()
                                ? tr("not chosen", "a team without a system on the square")
                                : tr("chosen", "a team with a system on the square"));
        }
        m_im_pion[k]->setAccessibleName(naam);
        m_im_pion_geselecteerd[k]->setAccessibleName(naam);
    }
}

// A click on a slot without a team row has nothing to act on.
bool frm_voeg_systeem_toe::is_teamrij(int Index) const {
    return Index >= 1 && Index <= m_tbl_speler.aantal_rijen();
}

void frm_voeg_systeem_toe::im_pion_Click(int Index) {
    if (!is_teamrij(Index)) {
        return;
    }
    pion_plaatje* gekozen = m_im_pion_geselecteerd.at(static_cast<std::size_t>(Index));
    gekozen->setVisible(true);
    gekozen->setEnabled(true);
    disable_pion(m_tbl_speler.rij(static_cast<std::int16_t>(Index))->team_nummer());
    noem_pionnen();
}

void frm_voeg_systeem_toe::im_pion_geselecteerd_Click(int Index) {
    if (!is_teamrij(Index)) {
        return;
    }
    pion_plaatje* gekozen = m_im_pion_geselecteerd.at(static_cast<std::size_t>(Index));
    gekozen->setVisible(false);
    gekozen->setEnabled(false);
    enable_pion(m_tbl_speler.rij(static_cast<std::int16_t>(Index))->team_nummer());
    noem_pionnen();
}

void frm_voeg_systeem_toe::knp_voeg_systeem_toe_Click() {
    cls_subcpt_ui::per_team_int wijzigingen{};
    for (std::int16_t i = 1; i <= m_tbl_speler.aantal_rijen(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const bool bij_opening = m_speler_heeft_systeem_in_vak.at(k);
        const bool gekozen = !m_im_pion_geselecteerd.at(k)->isHidden();
        if (gekozen && !bij_opening) {
            wijzigingen.at(k) = 1;
        } else if (bij_opening && !gekozen) {
            wijzigingen.at(k) = -1;
        }
    }
    m_cpt_ui.srvc_voeg_systeem_toe(m_status.vak_nummer(), wijzigingen);
    m_status.vak_nummer(0);
    close();
}

void frm_voeg_systeem_toe::closeEvent(QCloseEvent* event) {
    cls_applicatie::bewaakt([this] { m_status.vak_nummer(0); });
    event->accept();
}

void frm_voeg_systeem_toe::disable_pion(std::int16_t team_nummer) {
    zet_pion(team_nummer, false);
}

void frm_voeg_systeem_toe::enable_pion(std::int16_t team_nummer) {
    zet_pion(team_nummer, true);
}

void frm_voeg_systeem_toe::zet_pion(std::int16_t team_nummer, bool aan) {
    for (std::int16_t i = 1; i <= m_tbl_speler.aantal_rijen(); ++i) {
        if (m_tbl_speler.rij(i)->team_nummer() == team_nummer) {
            m_im_pion.at(static_cast<std::size_t>(i))->setEnabled(aan);
        }
    }
}
