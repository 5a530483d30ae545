#include "bewaakt_spel.h"
#include "ui/board/percentage_text.h"

#include <chrono>
#include <cstdint>
#include <limits>
#include <malloc.h>
#include <set>

namespace {

constexpr int laatste_ronde = std::numeric_limits<std::int16_t>::max();

// Bytes the process has taken from the allocator, small blocks and mapped ones alike.
std::size_t in_gebruik() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The systems every round of the game starts with: square, team row.
struct plaatsing {
    int vak;
    int rij;
};
constexpr plaatsing opstelling[] = {{1, 1}, {1, 2}, {2, 4}, {5, 3}, {9, 1}, {9, 2}, {9, 3}, {9, 4}};

bool hoort_op_bord(int vak, int team) {
    for (const plaatsing& p : opstelling) {
        // Every team here plays under its own number, so row and team number agree.
        if (p.vak == vak && p.rij == team) {
            return true;
        }
    }
    return false;
}

} // namespace

class tst_langste_spel : public QObject {
    Q_OBJECT

private slots:
    // A game played to the last round the 16-bit round can count, 32,767. Every round keeps its
    // own board with its systems; "forward" is off at the end and does nothing; the game can
    // still place systems and rewind there. Reports the memory each round of history takes.
    void tot_de_laatste_ronde() {
        spel_met_vensters s;
        modale_vragen vragen;
        s.teams({{1, "Noord"}, {2, "Oost"}, {3, "Zuid"}, {4, "West"}});
        s.wissel(1, {1, 2});
        s.wissel(2, {4});
        s.wissel(5, {3});
        s.wissel(9, {1, 2, 3, 4});
        s.vooruit();
        QCOMPARE(s.status.ronde(), 2);

        // Most rounds go through the facade exactly as the forward button drives it: four
        // steps, each redrawing the board. The last ones go through the button itself.
        const auto start = std::chrono::steady_clock::now();
        [[maybe_unused]] const std::size_t geheugen_voor = in_gebruik();
        const int eerste = s.status.ronde();
        while (s.status.ronde() < laatste_ronde - 3) {
            for (int stap = 0; stap < 4; ++stap) {
                s.cpt_ui.srvc_vooruit();
            }
            // Each control a redraw shows again posts an event, which the event loop handles
            // after the press; without one they would pile up, a few KB a round. The board is
            // painted now and then, as the game master would see it.
            if (s.status.ronde() % 256 == 0) {
                QApplication::processEvents();
            } else {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
            }
        }
        const int rondes = s.status.ronde() - eerste;
        const double seconden =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
#if defined(__SANITIZE_ADDRESS__)
        // The sanitizer's allocator keeps its own books, out of mallinfo2's sight.
        qInfo("%d rounds through the facade in %.1f s", rondes, seconden);
#else
        const double per_ronde =
            static_cast<double>(in_gebruik() - geheugen_voor) / static_cast<double>(rondes);
        qInfo("%d rounds through the facade in %.1f s; the history takes %.0f bytes per round",
              rondes, seconden, per_ronde);
        QVERIFY2(per_ronde <= 2560, qPrintable(QString::number(per_ronde)));
#endif

        auto* vooruit = s.op_bord("knp_vooruit");
        while (s.status.ronde() < laatste_ronde) {
            QVERIFY(vooruit->isEnabled());
            const int ronde = s.status.ronde();
            s.vooruit();
            QCOMPARE(s.status.ronde(), ronde + 1);
            QCOMPARE(s.status.stap(), 1);
            QCOMPARE(s.tbl_speelbord.aantal_rijen(), s.status.ronde());
        }
        QCOMPARE(s.op_bord<QLabel>("lbl_ronde_nummer")->text(), "32767");

        // The end: "forward" is off, and neither a click nor its handler moves the game.
        QVERIFY(!vooruit->isEnabled());
        s.vooruit();
        s.speelbord.knp_vooruit_Click();
        QCOMPARE(s.status.ronde(), laatste_ronde);
        QCOMPARE(s.status.stap(), 1);
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), laatste_ronde);

        // Every round has a board of its own, none lost or shared, each with the systems the
        // game started with.
        std::set<const cls_rij_speelbord*> borden;
        const cls_systeem* vorige_cel = nullptr;
        for (int r = 1; r <= laatste_ronde; ++r) {
            const auto bord = s.tbl_speelbord.rij(static_cast<std::int16_t>(r));
            QVERIFY(bord);
            borden.insert(bord.get());
            for (std::int16_t vak = 1; vak <= 9; ++vak) {
                for (std::int16_t team = 1; team <= 4; ++team) {
                    const cls_systeem& cel = *bord->systeem(vak, team);
                    if (cel.aanwezig() != hoort_op_bord(vak, team)) {
                        QFAIL(qPrintable(
                            QString("round %1, square %2, team %3").arg(r).arg(vak).arg(team)));
                    }
                }
            }
            QVERIFY(bord->systeem(9, 4).get() != vorige_cel);
            vorige_cel = bord->systeem(9, 4).get();
        }
        QCOMPARE(borden.size(), std::size_t{laatste_ronde});

        // Still playable at the end: place and take away systems, then rewind a round.
        s.wissel(7, {2});
        s.wissel(1, {1});
        QVERIFY(s.cel_aanwezig(7, 2));
        QVERIFY(!s.cel_aanwezig(1, 1));
        QVERIFY(s.getoond("tb_marktaandeel_systeem_31"));
        QCOMPARE(s.tekst("tb_marktaandeel_systeem_31"), "0");
        s.achteruit();
        QCOMPARE(s.status.ronde(), laatste_ronde - 1);
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), laatste_ronde - 1);
        QVERIFY(vooruit->isEnabled());
        QVERIFY(!s.cel_aanwezig(7, 2));
        QVERIFY(s.cel_aanwezig(1, 1));
        s.vooruit();
        QCOMPARE(s.status.ronde(), laatste_ronde);
        QVERIFY(!vooruit->isEnabled());
        QVERIFY(!s.cel_aanwezig(7, 2));

        // The shares after 32,766 computations are still whole percentages that add up.
        int som = 0;
        for (int slot = 36; slot <= 39; ++slot) {
            som += s.tekst(QString("tb_marktaandeel_systeem_%1").arg(slot)).toInt();
        }
        QVERIFY2(som >= 99 && som <= 101, qPrintable(QString::number(som)));
        QCOMPARE(modale_vragen::app().aantal_fouten(), 0);
        QVERIFY(vragen.onverwacht().isEmpty());
    }
};

BEWAAKTE_TEST_MAIN(tst_langste_spel)
#include "tst_langste_spel.moc"
