#include "state/cls_status.h"
#include "state/cls_tbl_speelbord.h"
#include "state/cls_tbl_speler.h"

#include <limits>
#include <stdexcept>

#include <QTest>

class tst_records : public QObject {
    Q_OBJECT

private slots:
    // Rows are numbered from 1 and handed out by reference, so a rename through rij() is the
    // table's; slot 0 exists but is empty; an empty reference or a 32,768th row is refused
    // before anything changes, and dropping from an empty history fails. Removal only marks a
    // row. A configuration has squares 0 to 9 and teams 0 to 4. New records read all zero.
    void records() {
        cls_tbl_speler tabel;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(0));
        auto rij = std::make_shared<cls_rij_speler>();
        for (int i = 0; i < std::numeric_limits<std::int16_t>::max(); ++i) {
            tabel.voeg_toe(rij);
        }
        QVERIFY_THROWS_EXCEPTION(std::overflow_error,
                                 tabel.voeg_toe(std::make_shared<cls_rij_speler>()));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, cls_tbl_speler().voeg_toe(nullptr));
        QVERIFY(tabel.aantal_rijen() == 32767 && tabel.rij(32767) == rij && !tabel.rij(0));
        QVERIFY(!rij->verwijderd() && rij->speler_naam().empty() && rij->team_nummer() == 0 &&
                rij->pion_nummer() == 0);
        tabel.rij(2)->speler_naam("lime");
        tabel.verwijder(3);
        QVERIFY(rij->speler_naam() == "lime" && rij->verwijderd());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, tabel.verwijder(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, cls_tbl_speelbord().verwijder_laatste_rij());

        cls_rij_speelbord bord;
        for (auto [v, t] : {std::pair{10, 1}, {1, 5}, {-1, 1}, {1, -1}}) {
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, bord.systeem(v, t));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, bord.systeem(v, t, nullptr));
        }
        const cls_systeem cel;
        const cls_status status;
        QVERIFY(!bord.systeem(0, 0) && !cel.aanwezig() && cel.speler_nummer() == 0 &&
                cel.marktaandeel() == 0);
        QVERIFY(status.ronde() == 0 && status.stap() == 0 && status.vak_nummer() == 0);
    }
};

QTEST_APPLESS_MAIN(tst_records)
#include "tst_records.moc"
