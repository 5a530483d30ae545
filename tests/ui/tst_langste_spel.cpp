#include "bewaakt_spel.h"
#include "services/navigatie.h"

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

} // namespace

class tst_langste_spel : public QObject {
    Q_OBJECT

private slots:
    // A game played to the last round the 16-bit round can count, 32,767. The rules take it
    // there round by round; the last rounds go through the "forward" button. Every round keeps
    // a board of its own with its systems, at most 2.5 KB a round; at the end "forward" is off
    // and does nothing, and systems can still be placed and a round rewound.
    void tot_de_laatste_ronde() {
        spel_met_vensters s;
        modale_vragen vragen;
        s.teams({{1, "Noord"}, {2, "Oost"}, {3, "Zuid"}, {4, "West"}});
        s.wissel(1, {1, 2});
        s.wissel(9, {1, 2, 3, 4});
        [[maybe_unused]] const std::size_t geheugen_voor = in_gebruik();
        [[maybe_unused]] const int eerste = s.status.ronde();
        while (s.status.ronde() < laatste_ronde - 3) {
            for (int stap = 0; stap < 4; ++stap) {
                stap_vooruit(s.subcpt_ui, s.status);
            }
        }
#if !defined(__SANITIZE_ADDRESS__) // its allocator keeps books out of mallinfo2's sight
        const double per_ronde =
            static_cast<double>(in_gebruik() - geheugen_voor) / (s.status.ronde() - eerste);
        qInfo("the history takes %.0f bytes per round", per_ronde);
        QVERIFY2(per_ronde <= 2560, qPrintable(QString::number(per_ronde)));
#endif
        s.speelbord.refresh_me();
        auto* vooruit = s.op_bord("knp_vooruit");
        for (int ronde = laatste_ronde - 3; ronde < laatste_ronde; ++ronde) {
            QVERIFY(vooruit->isEnabled());
            s.vooruit();
            QCOMPARE(s.status.ronde(), ronde + 1);
        }
        QCOMPARE(s.op_bord<QLabel>("lbl_ronde_nummer")->text(), "32767");
        QVERIFY(!vooruit->isEnabled());
        s.speelbord.knp_vooruit_Click();
        QVERIFY(s.status.ronde() == laatste_ronde && s.status.stap() == 1);
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), laatste_ronde);

        std::set<const cls_systeem*> cellen;
        for (int r = 1; r <= laatste_ronde; ++r) {
            const auto& bord = *s.tbl_speelbord.rij(static_cast<std::int16_t>(r));
            cellen.insert(bord.systeem(9, 4).get());
            if (!bord.systeem(1, 2)->aanwezig() || bord.systeem(1, 3)->aanwezig()) {
                QFAIL(qPrintable(QString("round %1 lost its board").arg(r)));
            }
        }
        QCOMPARE(cellen.size(), std::size_t{laatste_ronde});

        s.wissel(7, {2});
        QCOMPARE(s.tekst("tb_marktaandeel_systeem_31"), "0");
        s.achteruit();
        QVERIFY(vooruit->isEnabled() && !s.cel_aanwezig(7, 2));
        s.vooruit();
        QCOMPARE(s.status.ronde(), laatste_ronde);
        // The shares after 32,766 computations are still whole percentages that add up.
        int som = 0;
        for (int slot = 36; slot <= 39; ++slot) {
            som += s.tekst(QString("tb_marktaandeel_systeem_%1").arg(slot)).toInt();
        }
        QVERIFY2(som >= 98 && som <= 102, qPrintable(QString::number(som)));
        QVERIFY(modale_vragen::app().aantal_fouten() == 0 && vragen.onverwacht().isEmpty());
    }
};

BEWAAKTE_TEST_MAIN(tst_langste_spel)
#include "tst_langste_spel.moc"
