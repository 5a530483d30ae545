#include "ui/dialogs/frm_pion.h"

#include <stdexcept>

#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

namespace {

QRgb kleur(int n) {
    constexpr QRgb kleuren[] = {0xFE0000, 0x00FF01, 0x3366FF, 0xFFFF00};
    return kleuren[(n - 1) / 4];
}

std::uint32_t lees32(const QByteArray& bytes, int plaats) {
    return qFromLittleEndian<quint32>(bytes.constData() + plaats);
}
std::uint16_t lees16(const QByteArray& bytes, int plaats) {
    return qFromLittleEndian<quint16>(bytes.constData() + plaats);
}

} // namespace

class tst_frm_pion : public QObject {
    Q_OBJECT

private slots:
    // Each picture follows the index rule n = 4 * (colour - 1) + shape; the expected counts are
    // the reference set's, out of 400 pixels.
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
        QCOMPARE(bytes.size(), 1254);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(lees32(bytes, 2), 1254u); // file size
        QCOMPARE(lees32(bytes, 10), 54u);  // pixels right after the header: no colour table
        QCOMPARE(lees32(bytes, 14), 40u);
        QCOMPARE(lees32(bytes, 18), 20u);
        QCOMPARE(lees32(bytes, 22), 20u); // positive height: rows bottom-up
        QCOMPARE(lees16(bytes, 28), 24u);
        QCOMPARE(lees32(bytes, 30), 0u); // uncompressed
        QCOMPARE(lees32(bytes, 46), 0u);

        frm_pion pion;
        const QImage beeld = pion.im_pion(n).toImage();
        QCOMPARE(beeld.size(), QSize(20, 20));
        const QRgb hoofd = kleur(n);
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

        // Shape by position: the centre is always the colour; the corners are white except for
        // the square, and the triangle widens to nearly the full width just above its softened
        // base.
        QCOMPARE(beeld.pixel(10, 10) & 0xFFFFFF, hoofd);
        const int vorm = (n - 1) % 4 + 1;
        const QRgb hoek = beeld.pixel(0, 0) & 0xFFFFFF;
        QCOMPARE(hoek == 0xFFFFFF, vorm != 1);
        if (vorm == 3) {
            QCOMPARE(beeld.pixel(10, 18) & 0xFFFFFF, hoofd);
            QCOMPARE(beeld.pixel(2, 18) & 0xFFFFFF, hoofd);
        }
    }

    void only_pawns_1_to_16_exist() {
        frm_pion pion;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, pion.im_pion(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, pion.im_pion(17));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, pion.im_pion(-1));
    }

    void holder_stays_hidden_with_named_pictures() {
        frm_pion pion;
        QCOMPARE(pion.objectName(), QString("frm_pion"));
        QVERIFY(!pion.isVisible());
        for (int n = 1; n <= 16; ++n) {
            QVERIFY(pion.findChild<QWidget*>(QString("im_pion_%1").arg(n)) != nullptr);
        }
    }
};

QTEST_MAIN(tst_frm_pion)
#include "tst_frm_pion.moc"
