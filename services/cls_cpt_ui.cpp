#include "services/cls_cpt_ui.h"

#include "services/navigatie.h"
#include "state/naar_int16.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_voeg_speler_toe.h"

cls_cpt_ui::cls_cpt_ui(cls_subcpt_ui& subcpt_ui, cls_status& status, cls_tbl_speler& tbl_speler,
                       frm_speelbord& speelbord, frm_pion& pion)
    : m_subcpt_ui(subcpt_ui), m_status(status), m_tbl_speler(tbl_speler), m_speelbord(speelbord),
      m_pion(pion) {}

cls_cpt_ui::~cls_cpt_ui() = default;

frm_voeg_speler_toe& cls_cpt_ui::voeg_speler_toe() {
    if (!m_voeg_speler_toe) {
        // A child of the board window, so it stays above it, and as large as the board is.
        m_voeg_speler_toe =
            new frm_voeg_speler_toe(*this, m_pion, m_speelbord.schaal(), &m_speelbord);
    }
    return *m_voeg_speler_toe;
}

void cls_cpt_ui::voeg_speler_toe(frm_voeg_speler_toe& let_voeg_speler_toe) {
    m_voeg_speler_toe = &let_voeg_speler_toe;
}

void cls_cpt_ui::srvc_start_nieuw_spel() {
    m_subcpt_ui.srvc_initialiseer_spel();
    frm_voeg_speler_toe& dialoog = voeg_speler_toe();
    dialoog.show();
    dialoog.raise();
    dialoog.activateWindow();
}

void cls_cpt_ui::srvc_voeg_speler_toe(const namen& speler) {
    for (std::int16_t i = 1; i <= 4; ++i) {
        const std::string& naam = speler.at(static_cast<std::size_t>(i));
        if (!naam.empty()) {
            m_subcpt_ui.srvc_voeg_speler_toe(naam, i, naar_int16(4 * i - 3));
        }
    }
    m_speelbord.initialiseer();
    m_speelbord.refresh_me();
}

void cls_cpt_ui::srvc_achteruit() {
    stap_achteruit(m_subcpt_ui, m_status);
    m_speelbord.refresh_me();
}

void cls_cpt_ui::srvc_vooruit() {
    stap_vooruit(m_subcpt_ui, m_status);
    m_speelbord.refresh_me();
}

void cls_cpt_ui::srvc_voeg_systeem_toe(std::int16_t vak_nummer,
                                       const cls_subcpt_ui::per_team_int& speler) {
    const std::int16_t aantal = m_tbl_speler.aantal_rijen();
    for (std::int16_t i = 1; i <= aantal; ++i) {
        const std::int16_t verzoek = speler.at(static_cast<std::size_t>(i));
        if (verzoek == 1) {
            m_subcpt_ui.srvc_voeg_systeem_toe(i, vak_nummer);
        } else if (verzoek == -1) {
            m_subcpt_ui.srvc_verwijder_systeem(i, vak_nummer);
        }
    }
    m_speelbord.refresh_me();
}
