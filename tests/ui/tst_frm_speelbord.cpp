#include "ui/board/frm_speelbord.h"
#include "ui/board/percentage_text.h"
#include "ui/dialogs/frm_pion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <tuple>

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTest>

namespace {

// Fresh records, rules and window for each test, drawn the way the facade draws them.
struct bord {
    cls_tbl_speler tbl_speler;
    cls_tbl_speelbord tbl_speelbord;
    cls_status status;
    cls_subcpt_ui subcpt_ui{tbl_speler, tbl_speelbord, status};
    frm_pion pion;
    frm_speelbord speelbord{tbl_speler, tbl_speelbord, status, subcpt_ui, pion};

    // A game with a team per team number given, its systems placed as {row, square}, after a
    // "forward" press.
    void speel(std::initializer_list<std::int16_t> teams,
               std::initializer_list<std::pair<std::int16_t, std::int16_t>> systemen) {
        subcpt_ui.srvc_initialiseer_spel();
        for (std::int16_t t : teams) {
            subcpt_ui.srvc_voeg_speler_toe("team " + std::to_string(t), t,
                                           static_cast<std::int16_t>(4 * t - 3));
        }
        for (auto [rij, vak] : systemen) {
            subcpt_ui.srvc_voeg_systeem_toe(rij, vak);
        }
        speelbord.initialiseer();
        subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit");
        status.ronde(2);
        subcpt_ui.srvc_voeg_speelbord_toe();
        speelbord.refresh_me();
    }
    template <class T = QWidget> T* c(const QString& naam) const {
        auto* gevonden = speelbord.findChild<T*>(naam, Qt::FindDirectChildrenOnly);
        return gevonden ? gevonden : throw std::logic_error("no control " + naam.toStdString());
    }
    QString tekst(const QString& naam) const { return c<QLineEdit>(naam)->text(); }
    bool pion_is(const QString& naam, int n) const {
        return c<QLabel>(naam)->pixmap().toImage() == pion.im_pion(n).toImage();
    }
};

QString naam(const char* array, int index) {
    return QString("%1_%2").arg(array).arg(index);
}

// The board as designed, in twips, with each control's font size (0: the window's, 9 pt).
std::vector<std::tuple<QString, QRect, double>> ontwerp() {
    std::vector<std::tuple<QString, QRect, double>> t{
        {"knp_achteruit", {960, 1440, 1575, 495}, 13.5},
        {"knp_vooruit", {2760, 1440, 1575, 495}, 13.5},
        {"lbl_ronde_text", {1200, 2160, 1335, 375}, 13.5},
        {"lbl_ronde_nummer", {2760, 2160, 495, 375}, 13.5},
        {"shp_background_scoreboard", {960, 2760, 3375, 2175}, 0},
        {"lbl_speler", {1200, 2880, 1095, 375}, 13.5},
        {"lbl_marktaandeel", {2760, 2880, 1335, 375}, 13.5},
        {"im_background", {0, 0, 15255, 11175}, 0}};
    for (int r = 1; r <= 4; ++r) {
        const int y = 3360 + 360 * (r - 1);
        t.push_back({naam("tb_naam_speler", r), {1200, y, 1095, 285}, 0});
        t.push_back({naam("im_pion_speler", r), {2520, y, 255, 255}, 0});
        t.push_back({naam("tb_marktaandeel_speler", r), {3000, y, 1095, 285}, 0});
    }
    for (int v = 1; v <= 9; ++v) {
        const int x = 6000 + 2760 * ((v - 1) % 3), y = 1320 + 2640 * ((v - 1) / 3);
        t.push_back({naam("Shape1", v), {x, y, 2655, 2535}, 0});
        t.push_back({naam("lbl_vak_nummer", v), {x + 120, y + 120, 255, 375}, 18});
        t.push_back({naam("knp_voeg_systeem_toe", v), {x + 600, y + 120, 1935, 495}, 0});
        t.push_back({naam("lbl_marktaandeel_systeem", v), {x + 1080, y + 720, 1455, 255}, 0});
        t.push_back({naam("Line1", v), {x, y + 960, 2655, 15}, 0});
        for (int regel = 1; regel <= 4; ++regel) { // slot 4v + 3 on the top line
            const int i = 4 * v + 4 - regel, boven = y + 1080 + 360 * (regel - 1);
            t.push_back({naam("im_nieuw", i), {x + 120, boven, 255, 255}, 0});
            t.push_back({naam("tb_marktaandeel_systeem", i), {x + 720, boven, 1695, 285}, 0});
        }
    }
    return t;
}

QScreen* scherm(const QString& naam) {
    for (QScreen* s : QGuiApplication::screens()) {
        if (s->name() == naam) {
            return s;
        }
    }
    throw std::logic_error("no screen " + naam.toStdString());
}

// The rows of a picture that differ from another's: the height of what was drawn between them.
int inkt_rijen(const QImage& met, const QImage& zonder) {
    int rijen = 0;
    for (int y = 0; y < met.height(); ++y) {
        bool anders = false;
        for (int x = 0; x < met.width() && !anders; ++x) {
            anders = met.pixel(x, y) != zonder.pixel(x, y);
        }
        rijen += anders ? 1 : 0;
    }
    return rijen;
}

} // namespace

class tst_frm_speelbord : public QObject {
    Q_OBJECT

private slots:
    // A share shows as whole percent, halves to the even neighbour; it must fit 16 bits.
    void percentage_text() {
        for (auto [share, text] : {std::pair{0.125, "12"},
                                   {0.375, "38"},
                                   {0.625, "62"},
                                   {1.0, "100"},
                                   {5.0 / 3.0, "167"},
                                   {-1.0, "-100"},
                                   {-0.004, "0"},
                                   {327.67, "32767"},
                                   {-327.68, "-32768"}}) {
            QCOMPARE(::percentage_text(share), text);
        }
        for (double share : {327.68, -327.69, 1e300}) {
            QVERIFY_THROWS_EXCEPTION(std::overflow_error, ::percentage_text(share));
        }
        for (double share : {std::numeric_limits<double>::infinity(), std::nan("")}) {
            QVERIFY_THROWS_EXCEPTION(std::domain_error, ::percentage_text(share));
        }
    }

    // At its designed size every control stands where it always did, in its font; at any other
    // size each scales with the window within a pixel, its font and lines too, the board in the
    // middle. The team rows are hidden and "rewind" off until the game is drawn.
    void layout_at_every_scale_data() {
        QTest::addColumn<QSize>("venster");
        QTest::addColumn<double>("schaal");
        QTest::newRow("designed") << QSize(1016, 745) << 1.0;
        QTest::newRow("twice") << QSize(2032, 1490) << 2.0;
        QTest::newRow("smallest") << QSize(508, 373) << 0.5;
        QTest::newRow("full hd, wider") << QSize(1920, 1080) << 1080 / 745.0;
        QTest::newRow("taller") << QSize(1016, 1400) << 1.0;
    }
    void layout_at_every_scale() {
        QFETCH(QSize, venster);
        QFETCH(double, schaal);
        bord b;
        b.speelbord.show();
        b.speelbord.resize(venster);
        QCOMPARE(b.speelbord.windowTitle(), "Corvanta 5");
        QCOMPARE(b.speelbord.schaal(), schaal);
        const QPoint marge((venster.width() - qRound(1016 * schaal)) / 2,
                           (venster.height() - qRound(745 * schaal)) / 2);
        for (const auto& [n, twips, punten] : ontwerp()) {
            const QWidget* c = b.c(n);
            const QRect g = c->geometry();
            const QRectF e(marge + QPointF(twips.topLeft()) * schaal / 15,
                           QSizeF(twips.size()) * schaal / 15);
            auto* kader = qobject_cast<const QFrame*>(c);
            QVERIFY2(
                std::max({qAbs(g.x() - e.x()), qAbs(g.y() - e.y()), qAbs(g.width() - e.width()),
                          qAbs(g.height() - e.height())}) <= (schaal == 1 ? 0 : 1) &&
                    qFuzzyCompare(c->font().pointSizeF(), (punten == 0 ? 9 : punten) * schaal) &&
                    QFontInfo(c->font()).family() == "Liberation Sans" &&
                    (!kader || kader->frameShape() == QFrame::NoFrame ||
                     kader->lineWidth() == std::max(1, qRound(schaal))) &&
                    c->isVisibleTo(&b.speelbord) != n.contains("_speler_") &&
                    c->isEnabled() == (n != "knp_achteruit") && !c->accessibleName().isEmpty() &&
                    (!qobject_cast<const QLabel*>(c) || !c->autoFillBackground()),
                qPrintable(n));
        }
    }

    // Accented capitals and descenders are drawn whole in every kind of text box, at every
    // scale from the smallest window up.
    void text_boxes_draw_accents_whole() {
        bord b;
        b.speel({1}, {{1, 1}});
        b.speelbord.show();
        const QString tekst = QString::fromUtf8("\u00c9y");
        for (int procent = 50; procent <= 400; procent += 5) {
            b.speelbord.resize(qRound(10.16 * procent), qRound(7.45 * procent));
            QImage los(200, 200, QImage::Format_RGB32), leeg_los = los;
            los.fill(Qt::white);
            leeg_los.fill(Qt::white);
            QPainter schilder(&los);
            schilder.setFont(b.c("tb_naam_speler_1")->font());
            schilder.drawText(20, 100, tekst);
            schilder.end();
            for (const char* n :
                 {"tb_naam_speler_1", "tb_marktaandeel_speler_1", "tb_marktaandeel_systeem_7"}) {
                auto* vak = b.c<QLineEdit>(n);
                vak->clear();
                const QImage leeg = vak->grab().toImage();
                vak->setText(tekst);
                QVERIFY2(inkt_rijen(vak->grab().toImage(), leeg) == inkt_rijen(los, leeg_los),
                         qPrintable(QString("%1 at %2 %").arg(n).arg(procent)));
            }
        }
    }

    // It opens at its designed size where that fits the screen's free area with its frame, and
    // as large as fits where it does not, centred either way. On the 125 % screen every square
    // keeps the four edges of its frame at any size.
    void opens_on_the_screen() {
        for (const char* naam_scherm : {"1 projector", "2 laptop 125%"}) {
            bord b;
            b.speelbord.setScreen(scherm(naam_scherm));
            b.speelbord.show();
            QVERIFY(QTest::qWaitForWindowExposed(&b.speelbord));
            const QRect vrij = scherm(naam_scherm)->availableGeometry();
            const QRect buiten = b.speelbord.frameGeometry();
            QVERIFY(buiten != b.speelbord.geometry() && vrij.contains(buiten));
            QVERIFY((buiten.center() - vrij.center()).manhattanLength() <= 2);
            QVERIFY(naam_scherm[0] == '1' ? b.speelbord.size() == QSize(1016, 745)
                                          : buiten.width() >= vrij.width() - 1 ||
                                                buiten.height() >= vrij.height() - 1);
        }
        bord b;
        b.speelbord.setScreen(scherm("2 laptop 125%"));
        b.speelbord.show();
        for (int breedte = 700; breedte <= 819; breedte += 7) {
            b.speelbord.resize(breedte, breedte * 745 / 1016);
            const QImage beeld = b.speelbord.grab().toImage();
            for (int v = 1; v <= 9; ++v) {
                const QRectF k = QRectF(b.c(naam("Shape1", v))->geometry()).adjusted(0, 0, -1, -1);
                for (QPointF p : {QPointF(k.left(), k.center().y()),
                                  {k.right(), k.center().y()},
                                  {k.center().x(), k.top()},
                                  {k.center().x(), k.bottom()}}) {
                    const QImage rand =
                        beeld.copy(QRectF(p * 1.25, QSizeF(1.25, 1.25)).toAlignedRect());
                    QVERIFY2(std::any_of(rand.bits(), rand.bits() + rand.sizeInBytes(),
                                         [](uchar kanaal) { return kanaal < 100; }),
                             qPrintable(QString("square %1 at %2").arg(v).arg(breedte)));
                }
            }
        }
    }

    // The scoreboard shows the teams by total in rows 1 to n, the leader on top, each name
    // from its beginning; a square's systems fill its lines from the top in team-number order.
    void shows_the_game() {
        bord b;
        b.speel({1, 2, 3, 4},
                {{3, 1}, {3, 2}, {1, 2}, {4, 5}, {2, 5}, {1, 3}, {2, 3}, {3, 3}, {4, 3}});
        QVERIFY(b.c("knp_achteruit")->isEnabled());
        QCOMPARE(b.c<QLabel>("lbl_ronde_nummer")->text(), "2");
        // Totals 14/45, 13/18, 29/15 and 13/18: teams 2 and 4 tie and keep their row order.
        QCOMPARE(b.speelbord.inverse_volgorde(), (cls_subcpt_ui::per_team_int{0, 3, 2, 4, 1}));
        QVERIFY(b.tekst("tb_naam_speler_1") == "team 3" && b.pion_is("im_pion_speler_1", 9));
        QCOMPARE(b.tekst("tb_marktaandeel_speler_1"), "193");
        QCOMPARE(b.tekst("tb_marktaandeel_speler_4"), "62");
        QVERIFY(b.pion_is("im_nieuw_23", 5) && b.pion_is("im_nieuw_22", 13));
        QCOMPARE(b.tekst("tb_marktaandeel_systeem_23"), "50");
        QVERIFY(b.c<QLabel>("im_nieuw_21")->pixmap().isNull() &&
                !b.c("tb_marktaandeel_systeem_21")->isVisibleTo(&b.speelbord));
        QVERIFY(b.pion_is("im_nieuw_15", 1) && b.pion_is("im_nieuw_12", 13));
        b.subcpt_ui.srvc_verwijder_systeem(1, 3);
        b.speelbord.refresh_me();
        QVERIFY(b.pion_is("im_nieuw_15", 5) && b.pion_is("im_nieuw_13", 13));
        QVERIFY(!b.c("tb_marktaandeel_systeem_12")->isVisibleTo(&b.speelbord));

        auto* naam_vak = b.c<QLineEdit>("tb_naam_speler_2");
        QTest::keyClicks(naam_vak, " International Holding BV");
        b.speelbord.refresh_me();
        QCOMPARE(naam_vak->cursorPosition(), 0);
        QCOMPARE(&b.speelbord.lbl_vak_nummer(9), b.c<QLabel>("lbl_vak_nummer_9"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, b.speelbord.lbl_vak_nummer(10));
        b.subcpt_ui.srvc_voeg_speler_toe("extra", 4, 13);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, b.speelbord.refresh_me());
    }

    // Tab starts at "forward" and runs through the scoreboard from the bottom up, "rewind", then
    // the squares 3 to 9, 1 and 2, each button and its share boxes from the bottom line up.
    void tab_order() {
        bord b;
        QStringList verwacht{"knp_vooruit"};
        for (const char* deel : {"tb_marktaandeel_speler", "tb_naam_speler"}) {
            for (int r = 4; r >= 1; --r) {
                verwacht << naam(deel, r);
            }
        }
        verwacht << "knp_achteruit";
        for (int v : {3, 4, 5, 6, 7, 8, 9, 1, 2}) {
            verwacht << naam("knp_voeg_systeem_toe", v);
            for (int i = 4 * v; i <= 4 * v + 3; ++i) {
                verwacht << naam("tb_marktaandeel_systeem", i);
            }
        }
        QStringList gelopen;
        QWidget* c = b.c("knp_vooruit");
        do {
            gelopen << (c->focusPolicy() & Qt::TabFocus ? c->objectName() : QString());
            c = c->nextInFocusChain();
        } while (c != b.c("knp_vooruit"));
        gelopen.removeAll(QString());
        QCOMPARE(gelopen, verwacht);
        QCOMPARE(b.speelbord.focusWidget(), b.c("knp_vooruit"));
    }
};

QTEST_MAIN(tst_frm_speelbord)
#include "tst_frm_speelbord.moc"
