#include "spel_met_vensters.h"
#include "ui/venster.h"

#include <stdexcept>

#include <QIcon>
#include <QImageReader>

class tst_plaatjes : public QObject {
    Q_OBJECT

private slots:
    // Pawn n = 4 * (colour - 1) + shape, 20 x 20 pixels: red, green, blue (#3366FF, not pure
    // blue) and yellow; a square fills its picture, the other shapes stand on white. There are
    // no others. The backdrop is an 800 x 600 JPEG.
    void pawns_and_backdrop() {
        frm_pion pion;
        for (int n = 1; n <= 16; ++n) {
            const QImage beeld = pion.im_pion(n).toImage();
            const QRgb kleur = QList<QRgb>{0xFE0000, 0x00FF01, 0x3366FF, 0xFFFF00}[(n - 1) / 4];
            QVERIFY2(beeld.size() == QSize(20, 20) && (beeld.pixel(10, 10) & 0xFFFFFF) == kleur &&
                         ((beeld.pixel(0, 0) & 0xFFFFFF) == 0xFFFFFF) == ((n - 1) % 4 != 0),
                     qPrintable(QString::number(n)));
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, pion.im_pion(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, pion.im_pion(17));
        QVERIFY(!pion.isVisible());
        QImageReader lezer(":/assets/speelbord.jpg");
        QVERIFY(lezer.format() == "jpeg" && lezer.read().size() == QSize(800, 600));
    }

    // The program carries every size the icon theme is given, each drawn at its own size, so
    // title and task bars never show a scaled-down picture; and every window shows it by itself,
    // for the test's plain QApplication has none.
    void icon_on_every_window() {
        const QIcon icoon = programma_icoon();
        QCOMPARE(icoon.availableSizes().size(), 7);
        for (int maat : {16, 24, 32, 48, 64, 128, 256}) {
            const QImage beeld = icoon.pixmap(QSize(maat, maat), 1.0).toImage();
            QVERIFY(beeld.size() == QSize(maat, maat) && beeld.hasAlphaChannel());
        }
        QVERIFY(QApplication::windowIcon().isNull());
        spel_met_vensters s;
        QCOMPARE(s.cpt_ui.voeg_speler_toe().windowIcon().cacheKey(), icoon.cacheKey());
        s.teams({{1, "Een"}});
        for (QWidget* venster :
             {static_cast<QWidget*>(&s.speelbord), static_cast<QWidget*>(&s.pion),
              static_cast<QWidget*>(s.open_vak(4))}) {
            QCOMPARE(venster->windowIcon().cacheKey(), icoon.cacheKey());
        }
    }
};

QTEST_MAIN(tst_plaatjes)
#include "tst_plaatjes.moc"
