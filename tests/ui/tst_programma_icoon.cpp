#include "spel_met_vensters.h"
#include "ui/venster.h"

#include <algorithm>

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

namespace {

const QList<QSize> maten{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};

QList<QSize> gesorteerd(QList<QSize> lijst) {
    std::sort(lijst.begin(), lijst.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    return lijst;
}

// The same pictures, size for size, as the program's icon.
void is_programma_icoon(const QIcon& icoon, const char* venster) {
    QVERIFY2(!icoon.isNull(), venster);
    QCOMPARE(gesorteerd(icoon.availableSizes()), maten);
    const QIcon verwacht = programma_icoon();
    for (const QSize& maat : maten) {
        QCOMPARE(icoon.pixmap(maat).toImage(), verwacht.pixmap(maat).toImage());
    }
}

} // namespace

class tst_programma_icoon : public QObject {
    Q_OBJECT

private slots:
    // The program carries every size the icon theme is given, each drawn at its own size, so
    // title and task bars never show a scaled-down picture.
    void icon_in_every_size() {
        const QIcon icoon = programma_icoon();
        QCOMPARE(gesorteerd(icoon.availableSizes()), maten);
        for (const QSize& maat : maten) {
            // At one pixel per pixel: with a 125 % screen present Qt would ask for more.
            const QImage beeld = icoon.pixmap(maat, 1.0).toImage();
            QCOMPARE(beeld.size(), maat);
            QVERIFY(beeld.hasAlphaChannel());
        }
    }

    // Every window shows the icon by itself. The test's plain QApplication has no icon, so a
    // window that did not set it would show none.
    void every_window_carries_the_icon() {
        QVERIFY(QApplication::windowIcon().isNull());
        spel_met_vensters s;
        is_programma_icoon(s.speelbord.windowIcon(), "board window");
        is_programma_icoon(s.pion.windowIcon(), "pawn holder");
        is_programma_icoon(s.cpt_ui.voeg_speler_toe().windowIcon(), "add-teams dialog");

        s.teams({{1, "Een"}});
        frm_voeg_systeem_toe* dialoog = s.open_vak(4);
        QVERIFY(dialoog);
        is_programma_icoon(dialoog->windowIcon(), "add-systems dialog");

        // The exit question is a window of its own too.
        QIcon vraag_icoon;
        QTimer::singleShot(0, [&] {
            auto* vraag = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(vraag);
            vraag_icoon = vraag->windowIcon();
            for (QAbstractButton* knop : vraag->buttons()) {
                if (knop->text() == "Cancel") {
                    knop->click();
                }
            }
        });
        QVERIFY(!s.speelbord.close());
        is_programma_icoon(vraag_icoon, "exit question");
    }
};

QTEST_MAIN(tst_programma_icoon)
#include "tst_programma_icoon.moc"
