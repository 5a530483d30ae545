#include "state/cls_tbl_speelbord.h"

#include <stdexcept>

#include <QTest>

class tst_cls_tbl_speelbord : public QObject {
    Q_OBJECT

private slots:
    // A new configuration has 50 empty slots; squares 0 to 9 and teams 0 to 4 exist, no others.
    void nieuwe_configuratie() {
        cls_rij_speelbord bord;
        QVERIFY(bord.systeem(0, 0) == nullptr);
        QVERIFY(bord.systeem(9, 4) == nullptr);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bord.systeem(10, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bord.systeem(1, 5));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bord.systeem(-1, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 bord.systeem(1, -1, std::make_shared<cls_systeem>()));

        const cls_systeem cel;
        QVERIFY(!cel.aanwezig());
        QCOMPARE(cel.speler_nummer(), 0);
        QCOMPARE(cel.marktaandeel(), 0.0);
    }

    // The getter hands out the stored cell, so a write through it is a write to the board.
    void cellen_zijn_gedeeld() {
        cls_rij_speelbord bord;
        auto cel = std::make_shared<cls_systeem>();
        bord.systeem(3, 2, cel);
        QCOMPARE(bord.systeem(3, 2), cel);
        cel->marktaandeel(0.25);
        QCOMPARE(bord.systeem(3, 2)->marktaandeel(), 0.25);
        bord.systeem(3, 2, nullptr);
        QCOMPARE(cel.use_count(), 1);
    }

    // Dropping keeps the earlier configurations in their places and renumbers nothing.
    void laatste_rij_verwijderen() {
        cls_tbl_speelbord historie;
        std::shared_ptr<cls_rij_speelbord> borden[3];
        for (auto& bord : borden) {
            bord = std::make_shared<cls_rij_speelbord>();
            historie.voeg_toe(bord);
        }
        QVERIFY(historie.rij(0) == nullptr);
        historie.verwijder_laatste_rij();
        QCOMPARE(historie.aantal_rijen(), 2);
        QCOMPARE(historie.rij(2), borden[1]);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, historie.rij(3));
        QCOMPARE(borden[2].use_count(), 1);

        historie.verwijder_laatste_rij();
        historie.verwijder_laatste_rij();
        QCOMPARE(historie.aantal_rijen(), 0);
        auto nieuw = std::make_shared<cls_rij_speelbord>();
        historie.voeg_toe(nieuw);
        QCOMPARE(historie.aantal_rijen(), 1);
        QCOMPARE(historie.rij(1), nieuw);
    }

    // An empty history has nothing to drop or read, and stays empty.
    void lege_historie() {
        cls_tbl_speelbord historie;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, historie.verwijder_laatste_rij());
        QCOMPARE(historie.aantal_rijen(), 0);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, historie.rij(0));
    }
};

QTEST_APPLESS_MAIN(tst_cls_tbl_speelbord)
#include "tst_cls_tbl_speelbord.moc"
