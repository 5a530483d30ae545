#include "state/cls_tbl_speler.h"

#include <limits>
#include <stdexcept>

#include <QTest>

namespace {

std::shared_ptr<cls_rij_speler> rij_met_naam(const std::string& naam) {
    auto rij = std::make_shared<cls_rij_speler>();
    rij->speler_naam(naam);
    return rij;
}

} // namespace

class tst_cls_tbl_speler : public QObject {
    Q_OBJECT

private slots:
    // A new table has no rows, and every row number fails on it, even 0.
    void nieuwe_tabel_is_leeg() {
        cls_tbl_speler tabel;
        QCOMPARE(tabel.aantal_rijen(), 0);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.verwijder(0));
    }

    // Rows keep the order they were added in and are handed out by reference, not copied.
    void rijen_zijn_gedeeld_en_in_volgorde() {
        cls_tbl_speler tabel;
        for (const char* naam : {"rood", "groen", "blauw"}) {
            tabel.voeg_toe(rij_met_naam(naam));
        }
        QCOMPARE(tabel.aantal_rijen(), 3);
        QCOMPARE(tabel.rij(1)->speler_naam(), "rood");
        QCOMPARE(tabel.rij(3)->speler_naam(), "blauw");
        QVERIFY(tabel.rij(0) == nullptr);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(4));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(-1));

        tabel.rij(2)->speler_naam("lime");
        QCOMPARE(tabel.rij(2)->speler_naam(), "lime");

        auto gedeeld = rij_met_naam("twee keer");
        tabel.voeg_toe(gedeeld);
        tabel.voeg_toe(gedeeld);
        QCOMPARE(tabel.rij(4), tabel.rij(5));
    }

    // Marking a row for removal keeps it in place and touches no other row.
    void verwijder_markeert_alleen() {
        cls_tbl_speler tabel;
        for (int i = 0; i < 3; ++i) {
            tabel.voeg_toe(std::make_shared<cls_rij_speler>());
        }
        tabel.verwijder(2);
        QCOMPARE(tabel.aantal_rijen(), 3);
        QVERIFY(tabel.rij(2)->verwijderd());
        QVERIFY(!tabel.rij(1)->verwijderd());
        QVERIFY(!tabel.rij(3)->verwijderd());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.verwijder(4));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, tabel.verwijder(0));
    }

    // The 32,768th row overflows the 16-bit count before anything changes.
    void overloop_van_het_aantal() {
        cls_tbl_speler tabel;
        auto rij = std::make_shared<cls_rij_speler>();
        for (int i = 0; i < std::numeric_limits<std::int16_t>::max(); ++i) {
            tabel.voeg_toe(rij);
        }
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, tabel.voeg_toe(rij_met_naam("te veel")));
        QCOMPARE(tabel.aantal_rijen(), std::numeric_limits<std::int16_t>::max());
        QCOMPARE(tabel.rij(32767), rij);
    }
};

QTEST_APPLESS_MAIN(tst_cls_tbl_speler)
#include "tst_cls_tbl_speler.moc"
