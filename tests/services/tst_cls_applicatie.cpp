#include "../ui/bewaakt_spel.h"
#include "services/mdl_start.h"
#include "ui/venster.h"

#include <QEventLoop>

class tst_cls_applicatie : public QObject {
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
        QCOMPARE(mdl_start::speelbord().findChild<QLabel*>("lbl_ronde_nummer")->text(), "");
    }

    // A rule failing inside a button's handler, on a real click, does not abort: it is caught
    // in the handler, not after unwinding through Qt's mouse handling; the game master reads
    // the error in a message box, and the program then ends with status 1.
    void fout_in_een_knop() {
        QVERIFY(cls_applicatie::bewaakt([] {}));
        spel_met_vensters s;
        modale_vragen vragen;
        s.teams({{1, "A"}});
        s.status.ronde(7); // a round without a board: the next redraw has nothing to draw
        QTimer::singleShot(0, [&s] { s.vooruit(); });
        QTimer vangnet;
        QEventLoop lus;
        QObject::connect(&vangnet, &QTimer::timeout, &lus, [&lus] { lus.exit(99); });
        vangnet.start(5000);
        QCOMPARE(lus.exec(), 1);
        QCOMPARE(modale_vragen::app().aantal_fouten(), 1);
        QCOMPARE(modale_vragen::app().aantal_in_laatste_net(), 0);
        QCOMPARE(vragen.onverwacht().size(), 1);
        QVERIFY2(vragen.onverwacht()[0].contains("board configuration 7"),
                 qPrintable(vragen.onverwacht()[0]));
    }
};

BEWAAKTE_TEST_MAIN(tst_cls_applicatie)
#include "tst_cls_applicatie.moc"
