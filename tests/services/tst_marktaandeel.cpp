#include "spel.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include <QTest>

namespace {

using per_team_double = cls_subcpt_ui::per_team_double;
using per_team_int = cls_subcpt_ui::per_team_int;

bool dichtbij(double a, double b) {
    return std::abs(a - b) <= 1e-12;
}

per_team_double totalen(spel& s) {
    per_team_double totaal{};
    s.subcpt_ui.srvc_bereken_marktaandeel_speler(totaal);
    return totaal;
}

// The worked game: rows 1 and 2 are teams 1 and 2. Round 1: team 1 on squares 1 and 2, team 2
// on square 1. Round 2: team 1 leaves square 1, team 2 joins square 2. Ends at round 2, step 4.
spel gespeeld_voorbeeld() {
    spel s{1, 2};
    s.plaats(1, 1);
    s.plaats(1, 2);
    s.plaats(2, 1);
    s.vooruit();
    s.haal_weg(1, 1);
    s.plaats(2, 2);
    for (int i = 0; i < 3; ++i) {
        s.stap_vooruit();
    }
    return s;
}

} // namespace

class tst_marktaandeel : public QObject {
    Q_OBJECT

private slots:
    // Round 1: a team weighs as many as its systems on the whole board.
    void voorbeeld_ronde_1() {
        spel s{1, 2};
        s.plaats(1, 1);
        s.plaats(1, 2);
        s.plaats(2, 1);
        for (int i = 0; i < 3; ++i) {
            s.stap_vooruit();
        }
        QVERIFY(dichtbij(s.cel(1, 1).marktaandeel(), 2.0 / 3.0));
        QVERIFY(dichtbij(s.cel(1, 2).marktaandeel(), 1.0 / 3.0));
        QVERIFY(dichtbij(s.cel(2, 1).marktaandeel(), 1.0));
        const per_team_double totaal = totalen(s);
        QVERIFY(dichtbij(totaal[1], 5.0 / 3.0));
        QVERIFY(dichtbij(totaal[2], 1.0 / 3.0));
        per_team_int plaats{}, inverse{};
        s.subcpt_ui.srvc_bereken_score_volgorde(totaal, plaats, inverse);
        QCOMPARE(inverse, (per_team_int{0, 1, 2, 0, 0}));
        QCOMPARE(plaats, (per_team_int{0, 1, 2, 0, 0}));
    }

    // Round 2 brings the share left by a taken-away system and a negative weight, and a step
    // back restores the shares the round started with.
    void voorbeeld_ronde_2_en_terug() {
        spel s = gespeeld_voorbeeld();
        QCOMPARE(s.status.ronde(), 2);
        QVERIFY(dichtbij(s.cel(1, 2).marktaandeel(), 1.0));
        QVERIFY(dichtbij(s.cel(2, 1).marktaandeel(), 0.6));
        QVERIFY(dichtbij(s.cel(2, 2).marktaandeel(), 0.4));
        const per_team_double totaal = totalen(s);
        QVERIFY(dichtbij(totaal[1], 0.6));
        QVERIFY(dichtbij(totaal[2], 1.4));
        per_team_int plaats{}, inverse{};
        s.subcpt_ui.srvc_bereken_score_volgorde(totaal, plaats, inverse);
        QCOMPARE(inverse, (per_team_int{0, 2, 1, 0, 0}));
        QCOMPARE(plaats, (per_team_int{0, 2, 1, 0, 0}));

        s.stap_achteruit();
        QVERIFY(dichtbij(s.cel(1, 2).marktaandeel(), 1.0 / 3.0));
        QVERIFY(dichtbij(s.cel(2, 1).marktaandeel(), 1.0));
        QVERIFY(dichtbij(s.cel(2, 2).marktaandeel(), 0.0));
        // The taken-away system keeps the share it had.
        QVERIFY(dichtbij(s.cel(1, 1).marktaandeel(), 2.0 / 3.0));
    }

    // A whole rewind press from round 3 returns round 2's board to how round 2 began: round 2's
    // moves undone, round 1's computed shares back.
    void terugdraaien_van_een_ronde() {
        spel s = gespeeld_voorbeeld();
        s.stap_vooruit();
        s.achteruit();
        QCOMPARE(s.status.ronde(), 2);
        QCOMPARE(s.status.stap(), 1);
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 2);
        QVERIFY(s.cel(1, 1).aanwezig());
        QVERIFY(dichtbij(s.cel(1, 1).marktaandeel(), 2.0 / 3.0));
        QVERIFY(dichtbij(s.cel(1, 2).marktaandeel(), 1.0 / 3.0));
        QVERIFY(!s.cel(2, 2).aanwezig());
    }

    // Only the exact words move shares; "Vooruit" or an empty text writes nothing.
    void richting_is_exact() {
        for (const char* richting : {"Vooruit", "", "vooruit ", "ACHTERUIT"}) {
            spel s{1};
            s.plaats(1, 4);
            s.cel(4, 1).marktaandeel(0.25);
            s.subcpt_ui.srvc_bereken_marktaandeel_per_systeem(richting);
            QCOMPARE(s.cel(4, 1).marktaandeel(), 0.25);
        }
    }

    // Backward in round 1 zeroes every present system, and a square without systems keeps its
    // cells in both directions.
    void achteruit_in_ronde_1_en_lege_vakken() {
        spel s{1, 2};
        s.plaats(1, 1);
        s.plaats(2, 1);
        s.cel(1, 1).marktaandeel(0.7);
        s.cel(3, 2).marktaandeel(0.3);
        s.subcpt_ui.srvc_bereken_marktaandeel_per_systeem("achteruit");
        QCOMPARE(s.cel(1, 1).marktaandeel(), 0.0);
        QCOMPARE(s.cel(1, 2).marktaandeel(), 0.0);
        QCOMPARE(s.cel(3, 2).marktaandeel(), 0.3);
        s.subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit");
        QCOMPARE(s.cel(3, 2).marktaandeel(), 0.3);
    }

    // When every earlier system leaves a square whose shares summed to exactly 1, the newcomers
    // share the whole market by weight.
    void alle_vorige_systemen_weg() {
        spel s{1, 2, 3};
        s.plaats(1, 6);
        s.plaats(1, 7);
        s.vooruit();
        QCOMPARE(s.cel(6, 1).marktaandeel(), 1.0);
        s.haal_weg(1, 6);
        s.plaats(2, 6);
        s.plaats(3, 6);
        s.plaats(3, 8);
        for (int i = 0; i < 3; ++i) {
            s.stap_vooruit();
        }
        // A(6) = 1 - 1 = 0, taken as 1; team 2 weighs 1 and team 3 weighs 2.
        QVERIFY(dichtbij(s.cel(6, 2).marktaandeel(), 1.0 / 3.0));
        QVERIFY(dichtbij(s.cel(6, 3).marktaandeel(), 2.0 / 3.0));
    }

    void score_volgorde_data() {
        QTest::addColumn<int>("teams");
        QTest::addColumn<per_team_double>("totaal");
        QTest::addColumn<per_team_int>("plaats");
        QTest::addColumn<per_team_int>("inverse");
        QTest::newRow("ties keep row order")
            << 4 << per_team_double{0, 0.5, 2, 2, 1} << per_team_int{0, 4, 1, 2, 3}
            << per_team_int{0, 2, 3, 4, 1};
        QTest::newRow("reversed") << 4 << per_team_double{0, 1, 2, 3, 4}
                                  << per_team_int{0, 4, 3, 2, 1} << per_team_int{0, 4, 3, 2, 1};
        QTest::newRow("negative totals")
            << 3 << per_team_double{0, -0.5, 0, -0.25, 0} << per_team_int{0, 3, 1, 2, 0}
            << per_team_int{0, 2, 3, 1, 0};
        QTest::newRow("one team") << 1 << per_team_double{0, 0.7, 0, 0, 0}
                                  << per_team_int{0, 1, 0, 0, 0} << per_team_int{0, 1, 0, 0, 0};
        QTest::newRow("one team below zero")
            << 1 << per_team_double{0, -0.2, 0, 0, 0} << per_team_int{0, 1, 0, 0, 0}
            << per_team_int{0, 1, 0, 0, 0};
        QTest::newRow("no teams") << 0 << per_team_double{} << per_team_int{0, 9, 9, 9, 9}
                                  << per_team_int{0, 9, 9, 9, 9};
    }

    // Place 1 holds the largest total; the two orders are inverse permutations.
    void score_volgorde() {
        QFETCH(int, teams);
        QFETCH(per_team_double, totaal);
        QFETCH(per_team_int, plaats);
        QFETCH(per_team_int, inverse);
        spel s;
        for (int t = 1; t <= teams; ++t) {
            s.subcpt_ui.srvc_voeg_speler_toe("t", static_cast<std::int16_t>(t), 1);
        }
        per_team_int gevonden_plaats{0, 9, 9, 9, 9}, gevonden_inverse{0, 9, 9, 9, 9};
        s.subcpt_ui.srvc_bereken_score_volgorde(totaal, gevonden_plaats, gevonden_inverse);
        for (int i = teams + 1; i <= 4; ++i) {
            QCOMPARE(gevonden_plaats.at(static_cast<std::size_t>(i)), 9);
            QCOMPARE(gevonden_inverse.at(static_cast<std::size_t>(i)), 9);
        }
        for (int i = 1; i <= teams; ++i) {
            QCOMPARE(gevonden_plaats.at(static_cast<std::size_t>(i)),
                     plaats.at(static_cast<std::size_t>(i)));
            QCOMPARE(gevonden_inverse.at(static_cast<std::size_t>(i)),
                     inverse.at(static_cast<std::size_t>(i)));
        }
    }

    // A system taken away and put back within round 2 is an old system with its old share, so
    // its square is still one whole market after "forward", and "rewind" gives the board back.
    void weg_en_terug_in_een_ronde() {
        spel s{1, 2};
        s.plaats(1, 5);
        s.plaats(1, 1);
        s.plaats(2, 5);
        s.vooruit();
        s.haal_weg(1, 5);
        s.plaats(1, 5);
        QVERIFY(dichtbij(s.cel(5, 1).marktaandeel(), 2.0 / 3.0));
        s.vooruit();
        const double a = s.cel(5, 1).marktaandeel(), b = s.cel(5, 2).marktaandeel();
        QVERIFY2(dichtbij(a + b, 1.0) && a >= 0 && a <= 1 && b >= 0 && b <= 1,
                 qPrintable(QString("%1 + %2").arg(a).arg(b)));
        s.achteruit();
        QVERIFY(dichtbij(s.cel(5, 1).marktaandeel(), 2.0 / 3.0));
        QVERIFY(dichtbij(s.cel(5, 2).marktaandeel(), 1.0 / 3.0));
    }

    // A lone team ranks first whatever its total, even one below zero: the sort takes no step
    // with fewer than two teams.
    void een_team_met_negatief_totaal() {
        spel s{1};
        per_team_int plaats{0, 9, 9, 9, 9}, inverse{0, 9, 9, 9, 9};
        s.subcpt_ui.srvc_bereken_score_volgorde({0, -0.5, 0, 0, 0}, plaats, inverse);
        QCOMPARE(inverse, (per_team_int{0, 1, 9, 9, 9}));
        QCOMPARE(plaats, (per_team_int{0, 1, 9, 9, 9}));
    }

    // A fifth team cannot be ranked: the copy of its total fails before an order is written.
    void vijf_teams_passen_niet() {
        spel s{1, 2, 3, 4};
        s.subcpt_ui.srvc_voeg_speler_toe("vijf", 4, 1);
        per_team_int plaats{}, inverse{};
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 s.subcpt_ui.srvc_bereken_score_volgorde({}, plaats, inverse));
        QCOMPARE(inverse, per_team_int{});
        QCOMPARE(plaats, per_team_int{});
    }

    // A share that is not a finite number stops the computation before any share is written.
    void drijvende_komma_fout_verandert_niets() {
        spel s{1, 2};
        s.plaats(1, 1);
        s.plaats(2, 1);
        s.plaats(1, 2);
        s.vooruit();
        s.haal_weg(2, 1);
        s.plaats(2, 3);
        s.cel(1, 1, 2).marktaandeel(std::numeric_limits<double>::quiet_NaN());
        QVERIFY_THROWS_EXCEPTION(std::domain_error,
                                 s.subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit"));
        QCOMPARE(s.cel(2, 1).marktaandeel(), 1.0);
        QVERIFY(dichtbij(s.cel(1, 1).marktaandeel(), 2.0 / 3.0));

        s.cel(2, 1).marktaandeel(std::numeric_limits<double>::max());
        s.cel(1, 1).marktaandeel(std::numeric_limits<double>::max());
        per_team_double totaal{};
        QVERIFY_THROWS_EXCEPTION(std::domain_error,
                                 s.subcpt_ui.srvc_bereken_marktaandeel_speler(totaal));
        // The overflow is caught in the numerator, not after the division hides it.
        s.cel(1, 1, 2).marktaandeel(0.5);
        QVERIFY_THROWS_EXCEPTION(std::domain_error,
                                 s.subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit"));
        QCOMPARE(s.cel(1, 1).marktaandeel(), std::numeric_limits<double>::max());
    }

    // A board for the round that is missing fails before any share changes.
    void ontbrekend_bord() {
        spel s{1};
        s.plaats(1, 1);
        s.cel(1, 1).marktaandeel(0.5);
        s.status.ronde(2);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 s.subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit"));
        s.status.ronde(1);
        QCOMPARE(s.cel(1, 1).marktaandeel(), 0.5);
        per_team_double totaal{};
        s.cel(1, 1).speler_nummer(5);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 s.subcpt_ui.srvc_bereken_marktaandeel_speler(totaal));
    }
};

QTEST_APPLESS_MAIN(tst_marktaandeel)
#include "tst_marktaandeel.moc"
