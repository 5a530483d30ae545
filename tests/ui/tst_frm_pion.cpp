#include "ui/dialogs/frm_pion.h"

#include <stdexcept>

#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

class tst_frm_pion : public QObject {
    Q_OBJECT

private slots:
    // Pawn n = 4 * (colour - 1) + shape. The expected counts, out of 400 pixels, are those of
    // the reference set; a redrawn set must stay close to them.
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

        // An uncompressed 24-bit BMP: 54-byte header, no colour table, 20 bottom-up rows.
        QFile bestand(QString(":/assets/pawns/pion_%1.bmp").arg(n, 2, 10, QChar('0')));
        QVERIFY(bestand.open(QIODevice::ReadOnly));
        const QByteArray bytes = bestand.readAll();
        QCOMPARE(bytes.size(), 1254);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        auto veld = [&](int plaats) {
            return qFromLittleEndian<qint32>(bytes.constData() + plaats);
        };
        QCOMPARE(veld(2), 1254);
        QCOMPARE(veld(10), 54);
        QCOMPARE(veld(14), 40);
        QCOMPARE(veld(18), 20);
        QCOMPARE(veld(22), 20);
        QCOMPARE(veld(28) & 0xFFFF, 24);
        QCOMPARE(veld(30), 0);
        QCOMPARE(veld(46), 0);

        const QImage beeld = frm_pion().im_pion(n).toImage();
        QCOMPARE(beeld.size(), QSize(20, 20));
        const QRgb hoofd = QList<QRgb>{0xFE0000, 0x00FF01, 0x3366FF, 0xFFFF00}[(n - 1) / 4];
        int hoofd_geteld = 0;
        int wit_geteld = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const QRgb p = beeld.pixel(x, y) & 0xFFFFFF;
                hoofd_geteld += p == hoofd ? 1 : 0;
                wit_geteld += (qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235) ? 1 : 0;
            }
        }
        QVERIFY2(qAbs(hoofd_geteld - hoofdkleur) <= 20, qPrintable(QString::number(hoofd_geteld)));
        QVERIFY2(qAbs(wit_geteld - bijna_wit) <= 8, qPrintable(QString::number(wit_geteld)));

        // Only the square reaches the corners; the triangle is nearly full width near its base.
        QCOMPARE(beeld.pixel(10, 10) & 0xFFFFFF, hoofd);
        const int vorm = (n - 1) % 4 + 1;
        QCOMPARE((beeld.pixel(0, 0) & 0xFFFFFF) == 0xFFFFFF, vorm != 1);
        if (vorm == 3) {
            QCOMPARE(beeld.pixel(2, 18) & 0xFFFFFF, hoofd);
        }
    }

    void only_pawns_1_to_16_exist() {
        frm_pion pion;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, pion.im_pion(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, pion.im_pion(17));
        QVERIFY(!pion.isVisible());
        QVERIFY(pion.findChild<QWidget*>("im_pion_16") != nullptr);
    }
};

QTEST_MAIN(tst_frm_pion)
#include "tst_frm_pion.moc"
