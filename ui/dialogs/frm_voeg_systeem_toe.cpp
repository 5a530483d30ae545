#include "ui/dialogs/frm_voeg_systeem_toe.h"

#include "services/cls_applicatie.h"
#include "services/cls_cpt_ui.h"
#include "ui/board/board_font.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/dialogs/pawn_picture.h"
#include "ui/venster.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr double punten_kop = 12.0;

pawn_picture* maak_pion(indeling& tabel, QWidget* ouder, const char* naam, int i, int links,
                        const QString& toegankelijk) {
    auto* pion = new pawn_picture(ouder);
    pion->setObjectName(QString("%1_%2").arg(QLatin1String(naam)).arg(i));
    pion->setAccessibleName(toegankelijk.arg(i));
    tabel.voeg_toe(pion, {links, 720 + 360 * (i - 1), dialoog_pion_twips, dialoog_pion_twips});
    return pion;
}

} // namespace

frm_voeg_systeem_toe::frm_voeg_systeem_toe(cls_status& status, cls_tbl_speler& tbl_speler,
                                           cls_subcpt_ui& subcpt_ui, cls_cpt_ui& cpt_ui,
                                           const frm_speelbord& speelbord, frm_pion& pion,
                                           QWidget* parent)
    : QWidget(parent), m_status(status), m_tbl_speler(tbl_speler), m_subcpt_ui(subcpt_ui),
      m_cpt_ui(cpt_ui), m_speelbord(speelbord), m_pion(pion),
      m_indeling(*this, board_font::standaard_punten) {
    setObjectName("frm_voeg_systeem_toe");
    richt_dialoog_in(*this, "systems", {2055, 2775}, speelbord.schaal());

    m_lbl_gebied = new QLabel(this);
    m_lbl_gebied->setObjectName("lbl_gebied");
    m_indeling.voeg_toe(m_lbl_gebied, {240, 120, 1575, 495}, punten_kop);

    for (int i = 1; i <= 4; ++i) {
        auto* links = maak_pion(m_indeling, this, "im_pion", i, 360, "team %1, without a system");
        auto* rechts =
            maak_pion(m_indeling, this, "im_pion_geselecteerd", i, 1440, "team %1, with a system");
        connect(links, &pawn_picture::clicked, this, bewaak([this, i] { im_pion_Click(i); }));
        connect(rechts, &pawn_picture::clicked, this,
                bewaak([this, i] { im_pion_geselecteerd_Click(i); }));
        m_im_pion[static_cast<std::size_t>(i)] = links;
        m_im_pion_geselecteerd[static_cast<std::size_t>(i)] = rechts;
    }

    m_knp_voeg_systeem_toe = new QPushButton("add systems", this);
    m_knp_voeg_systeem_toe->setObjectName("knp_voeg_systeem_toe");
    m_knp_voeg_systeem_toe->setAccessibleName("add systems");
    m_indeling.voeg_toe(m_knp_voeg_systeem_toe, {240, 2280, 1575, 375});
    m_knp_voeg_systeem_toe->setDefault(true);
    connect(m_knp_voeg_systeem_toe, &QPushButton::clicked, this,
            bewaak([this] { knp_voeg_systeem_toe_Click(); }));
    // Escape closes it as its close box does: nothing applied, the square released.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
            bewaak([this] { close(); }));
    m_knp_voeg_systeem_toe->setFocus();

    m_indeling.pas_toe(speelbord.schaal());
    Form_Load();
}

void frm_voeg_systeem_toe::Form_Load() {
    const std::int16_t vak_nummer = m_status.vak_nummer();
    m_subcpt_ui.srvc_speler_heeft_systeem_in_vak(vak_nummer, m_speler_heeft_systeem_in_vak);
    m_lbl_gebied->setText("segment " + m_speelbord.lbl_vak_nummer(vak_nummer).text());
    m_lbl_gebied->setAccessibleName(m_lbl_gebied->text());
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
}

// A click on a slot without a team row has nothing to act on.
bool frm_voeg_systeem_toe::is_teamrij(int Index) const {
    return Index >= 1 && Index <= m_tbl_speler.aantal_rijen();
}

void frm_voeg_systeem_toe::im_pion_Click(int Index) {
    if (!is_teamrij(Index)) {
        return;
    }
    pawn_picture* gekozen = m_im_pion_geselecteerd.at(static_cast<std::size_t>(Index));
    gekozen->setVisible(true);
    gekozen->setEnabled(true);
    disable_pion(m_tbl_speler.rij(static_cast<std::int16_t>(Index))->team_nummer());
}

void frm_voeg_systeem_toe::im_pion_geselecteerd_Click(int Index) {
    if (!is_teamrij(Index)) {
        return;
    }
    pawn_picture* gekozen = m_im_pion_geselecteerd.at(static_cast<std::size_t>(Index));
    gekozen->setVisible(false);
    gekozen->setEnabled(false);
    enable_pion(m_tbl_speler.rij(static_cast<std::int16_t>(Index))->team_nummer());
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
