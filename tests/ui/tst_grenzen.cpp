#include "services/mdl_start.h"
#include "services/navigatie.h"
#include "spel_met_vensters.h"
#include "ui/venster.h"

#include <limits>
#include <malloc.h>

#include <QEventLoop>

namespace {

constexpr int laatste_ronde = std::numeric_limits<std::int16_t>::max();

// Bytes the process has taken from the allocator, small blocks and mapped ones alike.
std::size_t in_gebruik() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

} // namespace

// The program at its edges, under its own application object and error boundary.
class tst_grenzen : public QObject {
    Q_OBJECT

private slots:
    // Start-up shows the board and starts the one game: round 1 on an empty board, with the
    // add-teams dialog over it. The application carries the icon for boxes without a window.
    void opstarten() {
        QCOMPARE(QApplication::windowIcon().cacheKey(), programma_icoon().cacheKey());
        mdl_start::Main();
        QVERIFY(mdl_start::speelbord().isVisible() &&
                mdl_start::cpt_ui().voeg_speler_toe().isVisible());
        QVERIFY(mdl_start::status().ronde() == 1 && mdl_start::tbl_speelbord().aantal_rijen() == 1);
    }

    // A game played to the last round the 16-bit round can count, 32,767: the rules take it
    // there, the last rounds go through the "forward" button. Every round keeps its board with
    // its systems, at most 2.5 KB a round; at the end "forward" is off and does nothing, and
    // systems can still be placed and a round rewound.
    void tot_de_laatste_ronde() {
        spel_met_vensters s;
        s.teams({{1, "Noord"}, {2, "Oost"}, {3, "Zuid"}, {4, "West"}});
        s.wissel(1, {1, 2});
        s.wissel(9, {1, 2, 3, 4});
        [[maybe_unused]] const std::size_t geheugen_voor = in_gebruik();
        while (s.status.ronde() < laatste_ronde - 3) {
            stap_vooruit(s.subcpt_ui, s.status);
        }
#if !defined(__SANITIZE_ADDRESS__) // its allocator keeps books out of mallinfo2's sight
        const double per_ronde =
            static_cast<double>(in_gebruik() - geheugen_voor) / (laatste_ronde - 4);
        qInfo("the history takes %.0f bytes per round", per_ronde);
        QVERIFY2(per_ronde <= 2560, qPrintable(QString::number(per_ronde)));
#endif
        s.speelbord.refresh_me();
        for (int ronde = laatste_ronde - 3; ronde < laatste_ronde; ++ronde) {
            QVERIFY(s.op_bord("knp_vooruit")->isEnabled());
            s.vooruit();
        }
        QCOMPARE(s.op_bord<QLabel>("lbl_ronde_nummer")->text(), "32767");
        QVERIFY(!s.op_bord("knp_vooruit")->isEnabled());
        s.speelbord.knp_vooruit_Click();
        QVERIFY(s.status.ronde() == laatste_ronde && s.status.stap() == 1);
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), laatste_ronde);
        for (int r = 1; r <= laatste_ronde; ++r) {
            const auto& bord = *s.tbl_speelbord.rij(static_cast<std::int16_t>(r));
            QVERIFY(bord.systeem(1, 2)->aanwezig() && !bord.systeem(1, 3)->aanwezig());
        }
        s.wissel(7, {2});
        s.achteruit();
        QVERIFY(s.op_bord("knp_vooruit")->isEnabled() && !s.cel_aanwezig(7, 2));
        s.vooruit();
        QCOMPARE(s.status.ronde(), laatste_ronde);
    }

    // Last, for it ends the program: a rule failing inside a button's handler, on a real click,
    // is caught in the handler, not after unwinding through Qt's mouse handling; the game master
    // reads the error in a message box, and the program then ends with status 1.
    void fout_in_een_knop() {
        QVERIFY(cls_applicatie::bewaakt([] {}) && modale_vragen::app().aantal_fouten() == 0);
        spel_met_vensters s;
        modale_vragen vragen;
        s.teams({{1, "A"}});
        s.status.ronde(7); // a round without a board: the next redraw has nothing to draw
        QTimer::singleShot(0, [&s] { s.vooruit(); });
        QEventLoop lus;
        QTimer::singleShot(5000, &lus, [&lus] { lus.exit(99); });
        QCOMPARE(lus.exec(), 1);
        QVERIFY(modale_vragen::app().aantal_fouten() == 1 &&
                modale_vragen::app().aantal_in_laatste_net() == 0);
        QVERIFY2(vragen.onverwacht.size() == 1 &&
                     vragen.onverwacht[0].contains("board configuration 7"),
                 qPrintable(vragen.onverwacht.join("; ")));
    }
};

BEWAAKTE_TEST_MAIN(tst_grenzen)
#include "tst_grenzen.moc"
