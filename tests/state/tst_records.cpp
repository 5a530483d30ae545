#include "state/cls_status.h"
#include "state/cls_tbl_speelbord.h"
#include "state/cls_tbl_speler.h"

#include <limits>
#include <stdexcept>

#include <QTest>

class tst_records : public QObject {
    Q_OBJECT

private slots:
    // Rows are numbered from 1 in the order added and handed out by reference: a row added
    // twice is one row, and a rename through rij() is the table's. Slot 0 exists but is empty.
    void team_table() {
        cls_tbl_speler tabel;
        QCOMPARE(tabel.aantal_rijen(), 0);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.verwijder(0));
        auto gedeeld = std::make_shared<cls_rij_speler>();
        for (auto rij : {std::make_shared<cls_rij_speler>(), gedeeld, gedeeld}) {
            tabel.voeg_toe(rij);
        }
        QCOMPARE(tabel.aantal_rijen(), 3);
        QVERIFY(tabel.rij(0) == nullptr);
        QCOMPARE(tabel.rij(2), gedeeld);
        tabel.rij(3)->speler_naam("lime");
        QCOMPARE(tabel.rij(2)->speler_naam(), "lime");
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(4));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(-1));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, tabel.voeg_toe(nullptr));

        // Removal only marks the row; it keeps its place.
        tabel.verwijder(1);
        QCOMPARE(tabel.aantal_rijen(), 3);
        QVERIFY(tabel.rij(1)->verwijderd() && !tabel.rij(2)->verwijderd());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, tabel.verwijder(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.verwijder(4));
    }

    // The 32,768th row overflows the 16-bit count before anything changes.
    void count_overflows_before_a_change() {
        cls_tbl_speler tabel;
        auto rij = std::make_shared<cls_rij_speler>();
        for (int i = 0; i < std::numeric_limits<std::int16_t>::max(); ++i) {
            tabel.voeg_toe(rij);
        }
        QVERIFY_THROWS_EXCEPTION(std::overflow_error,
                                 tabel.voeg_toe(std::make_shared<cls_rij_speler>()));
        QCOMPARE(tabel.aantal_rijen(), std::numeric_limits<std::int16_t>::max());
        QCOMPARE(tabel.rij(32767), rij);
    }

    // A configuration has squares 0 to 9 and teams 0 to 4, empty until set, and hands out the
    // stored cell itself; a new cell, status and team row read all zero.
    void configuration_cells() {
        cls_rij_speelbord bord;
        QVERIFY(bord.systeem(0, 0) == nullptr && bord.systeem(9, 4) == nullptr);
        for (auto [v, t] : {std::pair{10, 1}, {1, 5}, {-1, 1}, {1, -1}}) {
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, bord.systeem(v, t));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                     bord.systeem(v, t, std::make_shared<cls_systeem>()));
        }
        auto cel = std::make_shared<cls_systeem>();
        bord.systeem(3, 2, cel);
        cel->marktaandeel(0.25);
        QCOMPARE(bord.systeem(3, 2)->marktaandeel(), 0.25);
        bord.systeem(3, 2, nullptr);
        QCOMPARE(cel.use_count(), 1);

        const cls_systeem nieuw;
        QVERIFY(!nieuw.aanwezig());
        QCOMPARE(nieuw.speler_nummer(), 0);
        QCOMPARE(nieuw.marktaandeel(), 0.0);
        const cls_status status;
        QVERIFY(status.ronde() == 0 && status.stap() == 0 && status.vak_nummer() == 0);
        const cls_rij_speler rij;
        QVERIFY(!rij.verwijderd() && rij.speler_naam().empty() && rij.team_nummer() == 0 &&
                rij.pion_nummer() == 0);
    }

    // Dropping the last configuration releases it and renumbers nothing; an empty history has
    // nothing to drop and stays empty.
    void history_drops_its_last() {
        cls_tbl_speelbord historie;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, historie.verwijder_laatste_rij());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, historie.rij(0));
        std::shared_ptr<cls_rij_speelbord> borden[3];
        for (auto& bord : borden) {
            bord = std::make_shared<cls_rij_speelbord>();
            historie.voeg_toe(bord);
        }
        historie.verwijder_laatste_rij();
        QCOMPARE(historie.aantal_rijen(), 2);
        QCOMPARE(historie.rij(2), borden[1]);
        QCOMPARE(borden[2].use_count(), 1);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, historie.rij(3));
        historie.verwijder_laatste_rij();
        historie.verwijder_laatste_rij();
        QCOMPARE(historie.aantal_rijen(), 0);
        historie.voeg_toe(borden[2]);
        QCOMPARE(historie.rij(1), borden[2]);
    }
};

QTEST_APPLESS_MAIN(tst_records)
#include "tst_records.moc"
