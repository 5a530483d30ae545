#include "../ui/spel_met_vensters.h"
#include "services/cls_applicatie.h"

#include <stdexcept>

#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace {

// Answers every modal box that appears and remembers what the last one said.
struct meldingen {
    QString titel, tekst;
    QMessageBox::Icon icoon = QMessageBox::NoIcon;
    int aantal = 0;
    QTimer wacht;

    meldingen() {
        QObject::connect(&wacht, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            ++aantal;
            titel = box->windowTitle();
            tekst = box->text();
            icoon = box->icon();
            box->done(0);
        });
        wacht.start(10);
    }
};

// Runs an event loop until the program is told to end; returns its exit status.
int draai_tot_het_einde() {
    QTimer vangnet;
    vangnet.setSingleShot(true);
    QEventLoop lus;
    QObject::connect(&vangnet, &QTimer::timeout, &lus, [&lus] { lus.exit(99); });
    vangnet.start(5000);
    return lus.exec();
}

} // namespace

class tst_cls_applicatie : public QObject {
    Q_OBJECT

private slots:
    // Work that succeeds passes through the boundary untouched.
    void zonder_fout() {
        auto* app = static_cast<cls_applicatie*>(QCoreApplication::instance());
        int gedaan = 0;
        QVERIFY(app->bewaakt([&] { ++gedaan; }));
        QCOMPARE(gedaan, 1);
    }

    // A rule failing inside a button's handler, on a real click, does not abort: the game master
    // reads the error in a critical message box, and the program then ends with status 1.
    void fout_in_een_knop() {
        spel_met_vensters s;
        s.teams({{1, "A"}});
        // A round without a board: the next redraw has nothing to draw.
        s.status.ronde(7);
        meldingen m;
        QTimer::singleShot(0, [&s] { s.vooruit(); });
        QCOMPARE(draai_tot_het_einde(), 1);
        QCOMPARE(m.aantal, 1);
        // Caught in the click's handler, not after unwinding through Qt's mouse handling.
        QCOMPARE(
            static_cast<cls_applicatie*>(QCoreApplication::instance())->aantal_in_laatste_net(), 0);
        QCOMPARE(m.titel, "Corvanta");
        QCOMPARE(m.icoon, QMessageBox::Critical);
        QVERIFY2(m.tekst.contains("board configuration 7"), qPrintable(m.tekst));
    }
};

int main(int argc, char** argv) {
    cls_applicatie app(argc, argv);
    tst_cls_applicatie test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cls_applicatie.moc"
