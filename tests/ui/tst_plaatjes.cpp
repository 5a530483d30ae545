#include "spel_met_vensters.h"
#include "ui/venster.h"

#include <stdexcept>

#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QtEndian>

class tst_plaatjes : public QObject {
    Q_OBJECT

private slots:
    // Pawn n = 4 * (colour - 1) + shape, each an uncompressed 24-bit 20 x 20 BMP. The counts of
    // the main colour and of near-white pixels, out of 400, are those of the reference set; a
    // redrawn set must stay close to them. Only the square reaches the corners.
    void picture_follows_index_rule_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("hoofdkleur");
        QTest::addColumn<int>("bijna_wit");
        const int tabel[16][2] = {
            {324, 0}, {256, 68}, {147, 180}, {62, 234}, {342, 0}, {253, 68}, {147, 180}, {78, 234},
            {342, 0}, {255, 68}, {147, 180}, {80, 236}, {342, 0}, {257, 68}, {143, 180}, {73, 232}};
        for (int n = 1; n <= 16; ++n) {
            QTest::addRow("pawn %d", n) << n << tabel[n - 1][0] << tabel[n - 1][1];
        }
    }
    void picture_follows_index_rule() {
        QFETCH(int, n);
        QFETCH(int, hoofdkleur);
        QFETCH(int, bijna_wit);
        QFile bestand(QString(":/assets/pawns/pion_%1.bmp").arg(n, 2, 10, QChar('0')));
        QVERIFY(bestand.open(QIODevice::ReadOnly));
        const QByteArray bytes = bestand.readAll();
        // Read from a copy of four bytes: GCC's sanitizer build cannot see that the size is checked
        // first, and stops on a read past the end of an empty array.
        auto veld = [&](int plaats) {
            const QByteArray vier = bytes.mid(plaats, 4).leftJustified(4, '\0');
            return qFromLittleEndian<qint32>(vier.constData());
        };
        QVERIFY(bytes.size() == 1254 && bytes.startsWith("BM") && veld(2) == 1254);
        QVERIFY(veld(10) == 54 && veld(18) == 20 && veld(22) == 20);
        QVERIFY((veld(28) & 0xFFFF) == 24 && veld(30) == 0 && veld(46) == 0);

        const QImage beeld = frm_pion().im_pion(n).toImage();
        const QRgb hoofd = QList<QRgb>{0xFE0000, 0x00FF01, 0x3366FF, 0xFFFF00}[(n - 1) / 4];
        int hoofd_geteld = 0, wit_geteld = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const QRgb p = beeld.pixel(x, y) & 0xFFFFFF;
                hoofd_geteld += p == hoofd ? 1 : 0;
                wit_geteld += (qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235) ? 1 : 0;
            }
        }
        QVERIFY2(qAbs(hoofd_geteld - hoofdkleur) <= 20, qPrintable(QString::number(hoofd_geteld)));
        QVERIFY2(qAbs(wit_geteld - bijna_wit) <= 8, qPrintable(QString::number(wit_geteld)));
        QCOMPARE(beeld.pixel(10, 10) & 0xFFFFFF, hoofd);
        QCOMPARE((beeld.pixel(0, 0) & 0xFFFFFF) == 0xFFFFFF, (n - 1) % 4 != 0);
    }

    // Only pawns 1 to 16 exist; the backdrop is an 800 x 600 JPEG, stretched over the board.
    void pawns_and_backdrop() {
        frm_pion pion;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, pion.im_pion(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, pion.im_pion(17));
        QVERIFY(!pion.isVisible());
        QImageReader lezer(":/assets/speelbord.jpg");
        QCOMPARE(lezer.format(), "jpeg");
        QCOMPARE(lezer.read().size(), QSize(800, 600));
    }

    // The program carries every size the icon theme is given, each drawn at its own size, so
    // title and task bars never show a scaled-down picture; and every window shows it by itself,
    // for the test's plain QApplication has none.
    void icon_on_every_window() {
        const QIcon icoon = programma_icoon();
        for (int maat : {16, 24, 32, 48, 64, 128, 256}) {
            QVERIFY(icoon.availableSizes().contains(QSize(maat, maat)));
            const QImage beeld = icoon.pixmap(QSize(maat, maat), 1.0).toImage();
            QVERIFY(beeld.size() == QSize(maat, maat) && beeld.hasAlphaChannel());
        }
        QCOMPARE(icoon.availableSizes().size(), 7);
        QVERIFY(QApplication::windowIcon().isNull());
        spel_met_vensters s;
        s.teams({{1, "Een"}});
        for (QWidget* venster :
             {static_cast<QWidget*>(&s.speelbord), static_cast<QWidget*>(&s.pion),
              static_cast<QWidget*>(s.open_vak(4))}) {
            QCOMPARE(venster->windowIcon().cacheKey(), icoon.cacheKey());
        }
        spel_met_vensters t;
        QCOMPARE(t.cpt_ui.voeg_speler_toe().windowIcon().cacheKey(), icoon.cacheKey());
    }
};

QTEST_MAIN(tst_plaatjes)
#include "tst_plaatjes.moc"
