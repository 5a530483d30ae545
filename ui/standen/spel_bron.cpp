#include "ui/standen/spel_bron.h"

#include "services/cls_applicatie.h"
#include "services/cls_subcpt_ui.h"
#include "ui/board/bordbeeld.h"
#include "ui/board/percentage_tekst.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/lettertype.h"

#include <utility>

spel_bron::spel_bron(const cls_tbl_speler& tbl_speler, const cls_status& status,
                     cls_subcpt_ui& subcpt_ui, const frm_pion& pion, std::function<void(int)> kies)
    : m_tbl_speler(tbl_speler), m_status(status), m_subcpt_ui(subcpt_ui), m_pion(pion),
      m_kies(std::move(kies)) {}

int spel_bron::aantal_teams() const {
    return m_tbl_speler.aantal_rijen();
}

QString spel_bron::naam(int rij) const {
    return QString::fromStdString(
        vereist(m_tbl_speler.rij(static_cast<std::int16_t>(rij)), "a team row").speler_naam());
}

// The colour in the middle of the pawn, where every shape has it.
QColor spel_bron::kleur(int rij) const {
    const cls_rij_speler& team =
        vereist(m_tbl_speler.rij(static_cast<std::int16_t>(rij)), "a team row");
    return m_pion.im_pion(team.pion_nummer()).toImage().pixelColor(10, 10);
}

// The teams' pawns share one shape, so the markers take the shapes in the order of the name
// boxes: a team is told apart by its marker also where its colour is not.
int spel_bron::vorm(int rij) const {
    return vereist(m_tbl_speler.rij(static_cast<std::int16_t>(rij)), "a team row").team_nummer();
}

int spel_bron::jaar() const {
    return m_status.ronde();
}

std::array<double, 5> spel_bron::totalen(int jaar) const {
    cls_subcpt_ui::per_team_double totaal{};
    m_subcpt_ui.srvc_bereken_marktaandeel_speler(static_cast<std::int16_t>(jaar), totaal);
    for (double& t : totaal) {
        t *= 100.0;
    }
    return totaal;
}

QString spel_bron::procent_tekst(double procent) const {
    return ::procent_tekst(procent);
}

QFont spel_bron::lettertype(double punten) const {
    return lettertype::maak(punten);
}

void spel_bron::bewaakt(const std::function<void()>& handler) const {
    cls_applicatie::bewaakt(handler);
}

void spel_bron::kies_jaar(int jaar) {
    if (m_kies) {
        m_kies(jaar);
    }
}
