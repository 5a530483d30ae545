#include "ui/board/percentage_text.h"

#include <limits>
#include <stdexcept>

#include <QTest>

class tst_percentage_text : public QObject {
    Q_OBJECT

private slots:
    // A share shows as whole percent, halves rounded to the even neighbour.
    void shown_as_whole_percent_data() {
        QTest::addColumn<double>("share");
        QTest::addColumn<QString>("text");
        QTest::newRow("half down to even") << 0.125 << "12";
        QTest::newRow("half up to even") << 0.375 << "38";
        QTest::newRow("whole") << 1.0 << "100";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("two squares") << 5.0 / 3.0 << "167";
        QTest::newRow("all nine squares") << 9.0 << "900";
        QTest::newRow("negative") << -1.0 << "-100";
        QTest::newRow("tiny negative has no minus") << -0.004 << "0";
        QTest::newRow("largest Integer") << 327.67 << "32767";
        QTest::newRow("smallest Integer") << -327.68 << "-32768";
    }
    void shown_as_whole_percent() {
        QFETCH(double, share);
        QFETCH(QString, text);
        QCOMPARE(percentage_text(share), text);
    }

    // The rounded percentage must fit the game's 16-bit Integer.
    void beyond_16_bits_overflows_data() {
        QTest::addColumn<double>("share");
        QTest::newRow("just above") << 327.68;
        QTest::newRow("just below") << -327.69;
        QTest::newRow("beyond long long") << 1.0e300;
        QTest::newRow("finite share, infinite percentage") << std::numeric_limits<double>::max();
    }
    void beyond_16_bits_overflows() {
        QFETCH(double, share);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, percentage_text(share));
    }

    void non_finite_share_is_a_domain_error() {
        QVERIFY_THROWS_EXCEPTION(std::domain_error,
                                 percentage_text(std::numeric_limits<double>::quiet_NaN()));
        QVERIFY_THROWS_EXCEPTION(std::domain_error,
                                 percentage_text(std::numeric_limits<double>::infinity()));
        QVERIFY_THROWS_EXCEPTION(std::domain_error,
                                 percentage_text(-std::numeric_limits<double>::infinity()));
    }
};

QTEST_APPLESS_MAIN(tst_percentage_text)
#include "tst_percentage_text.moc"
