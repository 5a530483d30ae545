#include "spel.h"

#include <stdexcept>

#include <QTest>

namespace {

// Every cell of two configurations, value for value.
bool gelijke_borden(const spel& s, int a, int b) {
    for (int v = 1; v <= 9; ++v) {
        for (int t = 1; t <= 4; ++t) {
            const cls_systeem& x = s.cel(a, v, t);
            const cls_systeem& y = s.cel(b, v, t);
            if (x.aanwezig() != y.aanwezig() || x.speler_nummer() != y.speler_nummer() ||
                x.marktaandeel() != y.marktaandeel() || &x == &y) {
                return false;
            }
        }
    }
    return true;
}

bool leeg_bord(const spel& s, int ronde) {
    for (int v = 1; v <= 9; ++v) {
        for (int t = 1; t <= 4; ++t) {
            const cls_systeem& c = s.cel(ronde, v, t);
            if (c.aanwezig() || c.speler_nummer() != 0 || c.marktaandeel() != 0.0) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

class tst_cls_subcpt_ui : public QObject {
    Q_OBJECT

private slots:
    // A new game stands at round 1, step 1 with one empty board of 36 cells and no teams.
    void nieuw_spel() {
        spel s;
        QCOMPARE(s.status.ronde(), 1);
        QCOMPARE(s.status.stap(), 1);
        QCOMPARE(s.status.vak_nummer(), 0);
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 1);
        QCOMPARE(s.tbl_speler.aantal_rijen(), 0);
        QVERIFY(leeg_bord(s, 1));
        const auto& bord = *s.tbl_speelbord.rij(1);
        for (int i = 0; i <= 9; ++i) {
            QVERIFY(bord.systeem(static_cast<std::int16_t>(i), 0) == nullptr);
            if (i <= 4) {
                QVERIFY(bord.systeem(0, static_cast<std::int16_t>(i)) == nullptr);
            }
        }
    }

    // Teams keep their name box as team number and get consecutive row numbers, gaps or not.
    void teams_met_een_gat() {
        spel s{1, 3};
        QCOMPARE(s.tbl_speler.aantal_rijen(), 2);
        QCOMPARE(s.tbl_speler.rij(2)->team_nummer(), 3);
        QCOMPARE(s.tbl_speler.rij(2)->pion_nummer(), 9);
        QVERIFY(!s.tbl_speler.rij(2)->verwijderd());

        // Row 2 is team number 3: its system goes into the cell of team 3 and records row 2.
        s.vooruit();
        s.plaats(2, 5);
        const cls_systeem& cel = s.cel(5, 3);
        QVERIFY(cel.aanwezig());
        QCOMPARE(cel.speler_nummer(), 2);
        QCOMPARE(cel.marktaandeel(), 0.0);
        QVERIFY(!s.cel(1, 5, 3).aanwezig());
        QVERIFY(!s.cel(5, 2).aanwezig());
    }

    // A snapshot copies values into cells of its own: later changes leave earlier rounds alone.
    void snapshots_zijn_onafhankelijk() {
        spel s{1, 2};
        s.plaats(1, 1);
        s.vooruit();
        QVERIFY(gelijke_borden(s, 1, 2));
        s.plaats(2, 4);
        s.haal_weg(1, 1);
        s.cel(1, 1).marktaandeel(0.5);
        QVERIFY(s.cel(1, 1, 1).aanwezig());
        QCOMPARE(s.cel(1, 1, 1).marktaandeel(), 1.0);
        QVERIFY(!s.cel(1, 4, 2).aanwezig());
    }

    // In round 1 a snapshot is always empty, whatever the first board holds.
    void snapshot_in_ronde_1_is_leeg() {
        spel s{1};
        s.plaats(1, 3);
        s.subcpt_ui.srvc_voeg_speelbord_toe();
        QVERIFY(leeg_bord(s, 2));
        s.subcpt_ui.srvc_naar_vorige_configuratie();
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 2);
        s.tbl_speelbord.verwijder_laatste_rij();
        s.subcpt_ui.srvc_naar_vorige_configuratie();
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 1);
        QVERIFY(leeg_bord(s, 1));
    }

    // Going back to the start of round 3 replaces only board 3, by a copy of board 2.
    void terug_naar_vorige_configuratie() {
        spel s{1, 2};
        s.plaats(1, 1);
        s.vooruit();
        s.plaats(2, 1);
        s.vooruit();
        s.plaats(1, 2);
        const auto bord2 = s.tbl_speelbord.rij(2);
        s.subcpt_ui.srvc_naar_vorige_configuratie();
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 3);
        QCOMPARE(s.tbl_speelbord.rij(2), bord2);
        QVERIFY(gelijke_borden(s, 2, 3));
        QVERIFY(!s.cel(3, 2, 1).aanwezig());

        s.subcpt_ui.srvc_verwijder_huidig_speelbord();
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 2);
        QCOMPARE(s.cel(2, 1, 1).marktaandeel(), 2.0 / 3.0);
    }

    // Dropping and rebuilding configurations keeps one board per round, forward and back.
    void een_configuratie_per_ronde() {
        spel s{2};
        for (int r = 1; r <= 5; ++r) {
            s.plaats(1, r);
            s.vooruit();
            QCOMPARE(s.tbl_speelbord.aantal_rijen(), s.status.ronde());
        }
        for (int r = 6; r > 1; --r) {
            s.achteruit();
            QCOMPARE(s.status.ronde(), r - 1);
            QCOMPARE(s.status.stap(), 1);
            QCOMPARE(s.tbl_speelbord.aantal_rijen(), s.status.ronde());
        }
        QVERIFY(leeg_bord(s, 1));
    }

    // Placing gives the share the system had when the round began, 0 for a new one; taking away
    // clears only the presence, on any cell.
    void plaatsen_en_weghalen() {
        spel s{1, 3};
        s.plaats(2, 5);
        s.cel(5, 3).marktaandeel(0.4);
        s.plaats(2, 5);
        QCOMPARE(s.cel(5, 3).marktaandeel(), 0.0);
        s.plaats(1, 5);
        s.vooruit();
        s.cel(1, 5, 3).marktaandeel(0.25);
        s.cel(5, 3).marktaandeel(0.4);
        s.plaats(2, 5);
        QCOMPARE(s.cel(5, 3).marktaandeel(), 0.25);
        s.plaats(1, 6);
        s.cel(6, 1).marktaandeel(0.4);
        s.plaats(1, 6);
        QCOMPARE(s.cel(6, 1).marktaandeel(), 0.0);
        s.cel(5, 3).marktaandeel(0.4);
        s.haal_weg(2, 5);
        QVERIFY(!s.cel(5, 3).aanwezig());
        QCOMPARE(s.cel(5, 3).speler_nummer(), 2);
        QCOMPARE(s.cel(5, 3).marktaandeel(), 0.4);

        s.haal_weg(1, 7);
        QVERIFY(!s.cel(7, 1).aanwezig());
        QCOMPARE(s.cel(7, 1).speler_nummer(), 0);
    }

    // Presence by row number: only elements that a cell names are written, element 0 for
    // cells that never held a system.
    void wie_heeft_een_systeem() {
        spel s{1, 3, 4};
        s.plaats(1, 5);
        s.plaats(2, 5);
        cls_subcpt_ui::per_team_bool heeft{true, false, false, true, true};
        s.subcpt_ui.srvc_speler_heeft_systeem_in_vak(5, heeft);
        QCOMPARE(heeft, (cls_subcpt_ui::per_team_bool{false, true, true, true, true}));

        s.haal_weg(2, 5);
        heeft = {};
        s.subcpt_ui.srvc_speler_heeft_systeem_in_vak(5, heeft);
        QCOMPARE(heeft, (cls_subcpt_ui::per_team_bool{false, true, false, false, false}));
    }

    // Bad indexes, an empty reference and a full count each throw and change nothing.
    void fouten_laten_alles_ongewijzigd() {
        spel s{1, 2, 3, 4};
        s.plaats(4, 9);
        QVERIFY(s.cel(9, 4).aanwezig());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.plaats(1, 10));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.plaats(5, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.haal_weg(-1, 1));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, s.plaats(0, 1));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, s.plaats(1, 0));
        cls_subcpt_ui::per_team_bool heeft{};
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 s.subcpt_ui.srvc_speler_heeft_systeem_in_vak(0, heeft));

        s.subcpt_ui.srvc_voeg_speler_toe("team 9", 9, 33);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.plaats(5, 1));
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 1);

        // No board for round 3 yet, nor for round 0.
        s.status.ronde(3);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.plaats(1, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.subcpt_ui.srvc_voeg_speelbord_toe());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.subcpt_ui.srvc_naar_vorige_configuratie());
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 1);
        QVERIFY(s.cel(1, 9, 4).aanwezig());
        s.status.ronde(0);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, s.plaats(1, 1));

        // The round cannot be stepped past 32,767.
        s.status.ronde(32767);
        s.status.stap(4);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, s.stap_vooruit());
    }

    // Rewinding an empty history fails without going below nothing.
    void leeg_historie_terugdraaien() {
        cls_tbl_speler spelers;
        cls_tbl_speelbord historie;
        cls_status status;
        cls_subcpt_ui regels(spelers, historie, status);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, regels.srvc_verwijder_huidig_speelbord());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, regels.srvc_naar_vorige_configuratie());
        QCOMPARE(historie.aantal_rijen(), 0);
    }
};

QTEST_APPLESS_MAIN(tst_cls_subcpt_ui)
#include "tst_cls_subcpt_ui.moc"
