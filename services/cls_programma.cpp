#include "services/cls_programma.h"

#include "ui/board/bordmenu.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/klas/frm_klas.h"
#include "ui/klok/rondeklok.h"
#include "ui/standen/standen.h"
#include "ui/taal.h"
#include "ui/venster.h"

#include <QCoreApplication>
#include <QMessageBox>

cls_programma::cls_programma(cls_klok::tijdbron nu)
    : m_pion(std::make_unique<frm_pion>()),
      m_speelbord(std::make_unique<frm_speelbord>(m_tbl_speler, m_tbl_speelbord, m_status,
                                                  m_subcpt_ui, *m_pion)),
      m_cpt_ui(m_subcpt_ui, m_status, m_tbl_speler, *m_speelbord, *m_pion),
      m_klok(new rondeklok(std::move(nu), m_speelbord.get())) {
    // An application object without a language yet speaks English, whose counted words come
    // from its catalogue too.
    taal::zet(taal::huidig());
    m_speelbord->cpt_ui(m_cpt_ui);
    auto* menu = new bordmenu(
        *m_speelbord, {.standen = [this] { toon_standen(); }, .klas = [this] { wissel_klas(); }});
    m_speelbord->klok(*m_klok);
    menu->voeg_klok_toe(*m_klok);
}

cls_programma::~cls_programma() = default;

standen* cls_programma::standen() const {
    return m_standen_venster ? m_standen : nullptr;
}

frm_klas* cls_programma::klas() const {
    return m_klas;
}

void cls_programma::wissel_klas() {
    if (m_klas) {
        m_klas->close();
        return;
    }
    if (!m_speelbord->teams_toegevoegd()) {
        return;
    }
    m_klas = new frm_klas(*m_pion, m_speelbord.get());
    QObject::connect(m_speelbord.get(), &frm_speelbord::getekend, m_klas, &frm_klas::toon);
    m_klas->toon(m_speelbord->beeld());
    m_klas->volg_klok(*m_klok);
    vensterplaats::van(m_klas)->vol_op_ander_scherm(*m_speelbord);
    m_klas->show();
}

void cls_programma::toon_standen() {
    if (!m_speelbord->teams_toegevoegd()) {
        return;
    }
    if (!m_standen_venster) {
        // A window of its own, closed with the board and deleted when it closes.
        QString waarom;
        m_standen =
            maak_standen(m_tbl_speler, m_status, m_subcpt_ui, *m_pion, m_speelbord.get(), waarom);
        if (!m_standen) {
            // The game goes on without them.
            QMessageBox::warning(
                m_speelbord.get(),
                QCoreApplication::translate("cls_programma", "Corvanta", "a message's title"),
                QCoreApplication::translate("cls_programma", "The standings cannot be shown: %1")
                    .arg(waarom));
            return;
        }
        m_standen_venster = &m_standen->venster();
        QObject::connect(m_speelbord.get(), &frm_speelbord::getekend, m_standen_venster,
                         [volg = m_standen] { volg->volg(); });
    }
    m_standen_venster->show();
    m_standen_venster->raise();
    m_standen_venster->activateWindow();
}

void cls_programma::start() {
    m_speelbord->show();
    m_cpt_ui.srvc_start_nieuw_spel();
}
