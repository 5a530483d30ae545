#pragma once

#include "services/cls_cpt_ui.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/dialogs/frm_voeg_speler_toe.h"
#include "ui/dialogs/frm_voeg_systeem_toe.h"

#include <initializer_list>
#include <utility>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// A whole program of its own for each test, wired as start-up wires the real one: fresh
// records and rules, the pawn holder, the board window and the facade, with the game started
// and the add-teams dialog open. Tests drive it through the widgets, by object name.
struct spel_met_vensters {
    cls_tbl_speler tbl_speler;
    cls_tbl_speelbord tbl_speelbord;
    cls_status status;
    cls_subcpt_ui subcpt_ui{tbl_speler, tbl_speelbord, status};
    frm_pion pion;
    frm_speelbord speelbord{tbl_speler, tbl_speelbord, status, subcpt_ui, pion};
    cls_cpt_ui cpt_ui{subcpt_ui, status, tbl_speler, speelbord, pion};

    spel_met_vensters() {
        speelbord.cpt_ui(cpt_ui);
        speelbord.show();
        cpt_ui.srvc_start_nieuw_spel();
    }

    template <class T = QWidget> T* in(QWidget& venster, const QString& naam) const {
        return venster.findChild<T*>(naam);
    }
    template <class T = QWidget> T* op_bord(const QString& naam) { return in<T>(speelbord, naam); }
    QString tekst(const QString& naam) { return op_bord<QLineEdit>(naam)->text(); }
    bool getoond(const QString& naam) { return !op_bord(naam)->isHidden(); }
    bool cel_aanwezig(int vak, int team) const {
        return tbl_speelbord.rij(status.ronde())
            ->systeem(static_cast<std::int16_t>(vak), static_cast<std::int16_t>(team))
            ->aanwezig();
    }

    static void klik(QWidget* knop) {
        QVERIFY(knop);
        QTest::mouseClick(knop, Qt::LeftButton, {}, knop->rect().center());
    }

    // Types the names into the add-teams dialog's boxes (index = box number) and confirms.
    void teams(std::initializer_list<std::pair<int, QString>> namen) {
        frm_voeg_speler_toe& dialoog = cpt_ui.voeg_speler_toe();
        for (const auto& [box, naam] : namen) {
            QTest::keyClicks(in<QLineEdit>(dialoog, QString("tb_naam_speler_%1").arg(box)), naam);
        }
        klik(in(dialoog, "knp_voeg_speler_toe"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frm_voeg_systeem_toe* systeem_dialoog() { return speelbord.findChild<frm_voeg_systeem_toe*>(); }

    // Opens square v's add-systems dialog from the board.
    frm_voeg_systeem_toe* open_vak(int v) {
        klik(op_bord(QString("knp_voeg_systeem_toe_%1").arg(v)));
        return systeem_dialoog();
    }

    // Opens square v, moves the listed team rows to the other column, and confirms.
    void wissel(int v, std::initializer_list<int> rijen) {
        frm_voeg_systeem_toe* dialoog = open_vak(v);
        QVERIFY(dialoog);
        for (int rij : rijen) {
            QWidget* rechts = in(*dialoog, QString("im_pion_geselecteerd_%1").arg(rij));
            klik(rechts->isHidden() ? in(*dialoog, QString("im_pion_%1").arg(rij)) : rechts);
        }
        klik(in(*dialoog, "knp_voeg_systeem_toe"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void vooruit() { klik(op_bord("knp_vooruit")); }
    void achteruit() { klik(op_bord("knp_achteruit")); }
};
