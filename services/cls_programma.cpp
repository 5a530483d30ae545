#include "services/cls_programma.h"

#include "services/cls_applicatie.h"
#include "ui/board/bordbeeld.h"
#include "ui/board/bordmenu.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/klas/frm_klas.h"
#include "ui/klok/rondeklok.h"
#include "ui/standen/spel_bron.h"
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
      m_standen_bron(std::make_unique<spel_bron>(m_tbl_speler, m_status, m_subcpt_ui, *m_pion,
                                                 [this](int jaar) {
                                                     if (m_klas) {
                                                         m_klas->kies_jaar(jaar);
                                                     }
                                                 })),
      m_klok(new rondeklok(std::move(nu), m_speelbord.get())) {
    // An application object without a language yet speaks English, whose counted words come
    // from its catalogue too.
    taal::zet(taal::huidig());
    m_speelbord->cpt_ui(m_cpt_ui);
    auto* menu = new bordmenu(
        *m_speelbord, {.standen = [this] { toon_standen(); }, .klas = [this] { wissel_klas(); }});
    m_speelbord->klok(*m_klok);
    menu->voeg_klok_toe(*m_klok);
    m_sneltoetsen = menu->sneltoetsen();
}

// The board goes first and takes its windows with it: the class view's going is no news then.
cls_programma::~cls_programma() {
    if (m_klas) {
        QObject::disconnect(m_klas, nullptr, m_speelbord.get(), nullptr);
    }
}

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
    m_klas = new frm_klas(
        *m_pion,
        [this](int jaar) {
            // A year's own score order; the board keeps its rows' order for its name boxes.
            cls_subcpt_ui::per_team_int volgorde{};
            return lees_bordbeeld(m_tbl_speler, m_tbl_speelbord, m_status, m_subcpt_ui,
                                  static_cast<std::int16_t>(jaar), volgorde);
        },
        m_speelbord.get());
    QObject::connect(m_speelbord.get(), &frm_speelbord::getekend, m_klas, &frm_klas::toon);
    QObject::connect(m_speelbord.get(), &frm_speelbord::hernoemd, m_klas, &frm_klas::hernoem);
    QObject::connect(m_klas, &frm_klas::terugblik, m_speelbord.get(),
                     [this](int jaar) { toon_terugblik(jaar); });
    // Closing the view ends its replay, so that F5 opens the live game.
    QObject::connect(m_klas, &QObject::destroyed, m_speelbord.get(), [this] { toon_terugblik(0); });
    m_klas->addActions(m_sneltoetsen);
    m_klas->toon(m_speelbord->beeld());
    m_klas->volg_klok(*m_klok);
    if (!vensterplaats::van(m_klas)->vol_op_ander_scherm(*m_speelbord)) {
        // With one screen it covers the board, and takes the keys from it: a letter typed now
        // must not land in a name box out of sight.
        m_klas->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    m_klas->show();
    if (!m_klas->testAttribute(Qt::WA_ShowWithoutActivating)) {
        m_klas->activateWindow();
    }
}

// The board and the standings say which year the class view replays.
void cls_programma::toon_terugblik(int jaar) {
    m_speelbord->toon_terugblik(jaar);
    if (m_standen_venster) {
        m_standen->markeer_jaar(jaar);
    }
}

void cls_programma::toon_standen() {
    if (!m_speelbord->teams_toegevoegd()) {
        return;
    }
    if (!m_standen_venster) {
        // A window of its own, closed with the board and deleted when it closes.
        QString waarom;
        m_standen = maak_standen(*m_standen_bron, m_speelbord.get(), waarom);
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
        // Opens at 960 x 600 where that fits, never below 40 % of it.
        new vensterplaats(*m_standen_venster, QSize(960, 600), 0.4);
        for (auto signaal : {&frm_speelbord::getekend, &frm_speelbord::hernoemd}) {
            QObject::connect(m_speelbord.get(), signaal, m_standen_venster,
                             [volg = m_standen] { volg->volg(); });
        }
        m_standen_venster->addActions(m_sneltoetsen);
        // The class view's replay keys work in the standings too, on the class view.
        frm_klas::verbind_toetsen(*m_standen_venster, [this](terugblik::toets welke) {
            if (m_klas) {
                m_klas->stap(welke);
            }
        });
        m_standen->markeer_jaar(m_klas ? m_klas->gekozen_jaar() : 0);
    }
    m_standen_venster->show();
    m_standen_venster->raise();
    m_standen_venster->activateWindow();
}

void cls_programma::start() {
    m_speelbord->show();
    m_cpt_ui.srvc_start_nieuw_spel();
}
