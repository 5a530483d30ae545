#include "../ui/bewaakt_spel.h"

#include <QEventLoop>

class tst_cls_applicatie : public QObject {
    Q_OBJECT

private slots:
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
