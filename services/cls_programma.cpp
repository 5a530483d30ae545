#include "services/cls_programma.h"

#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"

cls_programma::cls_programma()
    : m_pion(std::make_unique<frm_pion>()),
      m_speelbord(std::make_unique<frm_speelbord>(m_tbl_speler, m_tbl_speelbord, m_status,
                                                  m_subcpt_ui, *m_pion)),
      m_cpt_ui(m_subcpt_ui, m_status, m_tbl_speler, *m_speelbord, *m_pion) {
    m_speelbord->cpt_ui(m_cpt_ui);
}

cls_programma::~cls_programma() = default;

void cls_programma::start() {
    m_speelbord->show();
    m_cpt_ui.srvc_start_nieuw_spel();
}
