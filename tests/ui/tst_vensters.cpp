#include "spel_met_vensters.h"
#include "ui/board/percentage_text.h"
#include "ui/dialogs/pawn_picture.h"
#include "ui/venster.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

#include <QFontInfo>
#include <QIcon>
#include <QRegularExpression>

namespace {

QRect px(int links, int boven, int breedte, int hoogte) {
    return {links / 15, boven / 15, breedte / 15, hoogte / 15};
}

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

bool pion_is(const spel_met_vensters& s, const QString& naam, int n) {
    return s.op_bord<QLabel>(naam)->pixmap().toImage() == s.pion.im_pion(n).toImage();
}

} // namespace

// The board window and its two dialogs, each a program of its own without the error boundary.
class tst_vensters : public QObject {
    Q_OBJECT

private slots:
    // Any warning from Qt is a fault, but the offscreen platform's own about what it cannot do.
    void init() { QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support )")); }

    // A share shows as whole percent, halves to the even neighbour; it must fit 16 bits.
    void percentage_text() {
        const double aandeel[] = {0.125, 0.375, 0.625, 1, 5.0 / 3, -1, -0.004, 327.67, -327.68};
        const char* tekst[] = {"12", "38", "62", "100", "167", "-100", "0", "32767", "-32768"};
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(::percentage_text(aandeel[i]), tekst[i]);
        }
        for (double share : {327.68, -327.69, 1e300}) {
            QVERIFY_THROWS_EXCEPTION(std::overflow_error, ::percentage_text(share));
        }
        QVERIFY_THROWS_EXCEPTION(std::domain_error, ::percentage_text(std::nan("")));
    }

    // Pawn n = 4 * (colour - 1) + shape, 20 x 20 pixels: red, green, blue (#3366FF, not pure
    // blue) and yellow; a square fills its picture, the other shapes stand on white. A window
    // carries the program's icon itself, for the test's plain QApplication has none.
    void pictures() {
        spel_met_vensters s;
        for (int n = 1; n <= 16; ++n) {
            const QImage beeld = s.pion.im_pion(n).toImage();
            const QRgb kleur = QList<QRgb>{0xFE0000, 0x00FF01, 0x3366FF, 0xFFFF00}[(n - 1) / 4];
            QVERIFY2(beeld.size() == QSize(20, 20) && (beeld.pixel(10, 10) & 0xFFFFFF) == kleur &&
                         ((beeld.pixel(0, 0) & 0xFFFFFF) == 0xFFFFFF) == ((n - 1) % 4 != 0),
                     qPrintable(QString::number(n)));
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.pion.im_pion(17));
        s.teams({{1, "Een"}});
        QCOMPARE(s.open_vak(4)->windowIcon().cacheKey(), programma_icoon().cacheKey());
    }

    // At its designed size every control stands where it always did, in its plain font; at any
    // other size each scales with the window within a pixel, its font and lines too, the board in
    // the middle, and every caption and a share of 100 fit their boxes. The team rows are hidden
    // and "rewind" off until the game is drawn.
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
        spel_met_vensters s;
        s.speelbord.resize(venster);
        QVERIFY(s.speelbord.windowTitle() == "Corvanta 5" && s.speelbord.schaal() == schaal);
        const QPoint marge((venster.width() - qRound(1016 * schaal)) / 2,
                           (venster.height() - qRound(745 * schaal)) / 2);
        for (const auto& [n, twips, punten] : ontwerp()) {
            const QWidget* c = s.op_bord(n);
            const QRect g = c->geometry();
            const QRectF e(marge + QPointF(twips.topLeft()) * schaal / 15,
                           QSizeF(twips.size()) * schaal / 15);
            auto* kader = qobject_cast<const QFrame*>(c);
            QVERIFY2(
                std::max({qAbs(g.x() - e.x()), qAbs(g.y() - e.y()), qAbs(g.width() - e.width()),
                          qAbs(g.height() - e.height())}) <= (schaal == 1 ? 0 : 1) &&
                    qFuzzyCompare(c->font().pointSizeF(), (punten == 0 ? 9 : punten) * schaal) &&
                    QFontInfo(c->font()).family() == "Liberation Sans" &&
                    c->font().weight() == QFont::Normal && !c->font().italic() &&
                    !c->font().underline() && !c->font().strikeOut() &&
                    (!kader || kader->frameShape() == QFrame::NoFrame ||
                     kader->lineWidth() == std::max(1, qRound(schaal))) &&
                    c->isVisibleTo(&s.speelbord) != n.contains("_speler_") &&
                    c->isEnabled() == (n != "knp_achteruit") && !c->accessibleName().isEmpty() &&
                    (!qobject_cast<const QLabel*>(c) || !c->autoFillBackground()) &&
                    QFontMetrics(c->font()).horizontalAdvance(
                        c->property("text").toString() +
                        (qobject_cast<const QLineEdit*>(c) ? "100" : "")) <= g.width(),
                qPrintable(n));
        }
    }

    // It opens at its designed size where that fits the screen's free area with its frame, and
    // as large as fits where it does not, centred either way. On the 125 % screen every square
    // keeps the four edges of its frame at any size.
    void opens_on_the_screen() {
        for (QScreen* scherm : QGuiApplication::screens()) { // 1920 x 1080, 1024 x 768 at 125 %
            spel_met_vensters s(scherm);
            QVERIFY(QTest::qWaitForWindowExposed(&s.speelbord));
            const QRect vrij = scherm->availableGeometry(), buiten = s.speelbord.frameGeometry();
            QVERIFY(buiten != s.speelbord.geometry() && vrij.contains(buiten));
            QVERIFY((buiten.center() - vrij.center()).manhattanLength() <= 2);
            QVERIFY(scherm == QGuiApplication::primaryScreen()
                        ? s.speelbord.size() == QSize(1016, 745)
                        : buiten.width() >= vrij.width() - 1 ||
                              buiten.height() >= vrij.height() - 1);
        }
        spel_met_vensters s(QGuiApplication::screens().at(1));
        for (int breedte = 700; breedte <= 819; breedte += 7) {
            s.speelbord.resize(breedte, breedte * 745 / 1016);
            const QImage beeld = s.speelbord.grab().toImage();
            for (int v = 1; v <= 9; ++v) {
                const QRectF k =
                    QRectF(s.op_bord(naam("Shape1", v))->geometry()).adjusted(0, 0, -1, -1);
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
    // from its beginning, a name typed there going to the team shown; a square's systems fill its
    // lines from the top in team-number order.
    void shows_the_game() {
        spel_met_vensters s;
        s.teams({{1, "team 1"}, {2, "team 2"}, {3, "team 3"}, {4, "team 4"}});
        s.wissel(1, {3});
        s.wissel(2, {3, 1});
        s.wissel(5, {4, 2});
        s.wissel(3, {1, 2, 3, 4});
        s.vooruit();
        QVERIFY(s.op_bord("knp_achteruit")->isEnabled() &&
                s.op_bord<QLabel>("lbl_ronde_nummer")->text() == "2");
        // Totals 14/45, 13/18, 29/15 and 13/18: teams 2 and 4 tie and keep their row order.
        QCOMPARE(s.speelbord.inverse_volgorde(), (cls_subcpt_ui::per_team_int{0, 3, 2, 4, 1}));
        QVERIFY(s.tekst("tb_naam_speler_1") == "team 3" && pion_is(s, "im_pion_speler_1", 9));
        QVERIFY(s.tekst("tb_marktaandeel_speler_1") == "193" &&
                s.tekst("tb_marktaandeel_speler_4") == "62");
        QVERIFY(pion_is(s, "im_nieuw_23", 5) && pion_is(s, "im_nieuw_22", 13));
        QVERIFY(s.tekst("tb_marktaandeel_systeem_23") == "50" &&
                !s.getoond("tb_marktaandeel_systeem_21"));
        QVERIFY(s.op_bord<QLabel>("im_nieuw_21")->pixmap().isNull());
        QVERIFY(pion_is(s, "im_nieuw_15", 1) && pion_is(s, "im_nieuw_12", 13));
        s.subcpt_ui.srvc_verwijder_systeem(1, 3);
        s.speelbord.refresh_me();
        QVERIFY(pion_is(s, "im_nieuw_15", 5) && pion_is(s, "im_nieuw_13", 13));
        QVERIFY(!s.getoond("tb_marktaandeel_systeem_12"));
        auto* naam_vak = s.op_bord<QLineEdit>("tb_naam_speler_1");
        QTest::keyClick(naam_vak, Qt::Key_End);
        QTest::keyClicks(naam_vak, " International Holding BV");
        s.speelbord.refresh_me();
        QVERIFY(naam_vak->cursorPosition() == 0 &&
                s.tbl_speler.rij(3)->speler_naam() == "team 3 International Holding BV");
    }

    // Tab starts at "forward" and runs through the scoreboard from the bottom up, "rewind", then
    // the squares 3 to 9, 1 and 2, each button and its share boxes from the bottom line up.
    void tab_order() {
        spel_met_vensters s;
        QStringList verwacht{"knp_vooruit"}, gelopen;
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
        for (QWidget* c = s.speelbord.focusWidget(); gelopen.size() < verwacht.size();
             c = c->nextInFocusChain()) {
            gelopen << (c->focusPolicy() & Qt::TabFocus ? c->objectName() : QString());
            gelopen.removeAll(QString());
        }
        QCOMPARE(gelopen, verwacht);
    }

    // The add-teams dialog as laid out, with its one chance: Escape does not close it. Names go
    // in exactly as typed: blanks count, doubles count, only an empty box is no team, and a team
    // keeps its box's number and pawn. The board then shows one row per team, and round 1 has
    // no round before it: even the handler of "rewind", which is off, does nothing.
    void teams_invoeren() {
        spel_met_vensters s;
        frm_voeg_speler_toe& d = s.cpt_ui.voeg_speler_toe();
        QVERIFY(d.windowTitle() == "teams" && d.size() == QSize(123, 177));
        QWidget* w = d.focusWidget();
        for (int i = 1; i <= 4; ++i) {
            const int boven = 600 + 360 * (i - 1);
            QVERIFY(w->objectName() == QString("tb_naam_speler_%1").arg(i) &&
                    w->geometry() == px(120, boven, 975, 285) && w->font().pointSize() == 9);
            auto* pion = s.in<pawn_picture>(d, QString("im_pion_%1").arg(i));
            QVERIFY(pion->geometry() == QRect(96, boven / 15, 20, 20) &&
                    pion->pixmap().cacheKey() == s.pion.im_pion(4 * i - 3).cacheKey());
            do {
                w = w->nextInFocusChain();
            } while (!(w->focusPolicy() & Qt::TabFocus));
        }
        QCOMPARE(w, s.in(d, "knp_voeg_speler_toe"));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        s.teams({{1, "Zelfde"}, {2, " "}, {4, "Zelfde"}});
        QVERIFY(!s.speelbord.findChild<frm_voeg_speler_toe*>() && s.tbl_speler.aantal_rijen() == 3);
        const cls_rij_speler& vierde = *s.tbl_speler.rij(3);
        QVERIFY(s.tbl_speler.rij(2)->speler_naam() == " " && vierde.speler_naam() == "Zelfde");
        QVERIFY(vierde.team_nummer() == 4 && vierde.pion_nummer() == 13);
        QVERIFY(s.getoond("tb_naam_speler_3") && !s.getoond("im_pion_speler_4"));
        s.speelbord.knp_achteruit_Click();
        QVERIFY(s.status.ronde() == 1 && s.tbl_speelbord.aantal_rijen() == 1);
    }

    // The add-systems dialog of a square, on white, in a game with a gap: row 2 is team 3 with
    // pawn 9.
    // Clicking a pawn moves its team across; a disabled pawn, an empty slot or a release without
    // a press do nothing. "add systems" places and takes away the difference and releases the
    // square; Escape and the close control release it and change nothing.
    void systemen_kiezen() {
        spel_met_vensters s;
        s.teams({{1, "Rood"}, {3, "Blauw"}});
        frm_voeg_systeem_toe* d = s.open_vak(5);
        auto pion = [&](const char* kolom, int rij) {
            return s.in<pawn_picture>(*d, QString("%1_%2").arg(kolom).arg(rij));
        };
        QVERIFY(d->windowTitle() == "systems" && d->size() == QSize(137, 185));
        QCOMPARE(d->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
        QVERIFY(s.in<QLabel>(*d, "lbl_gebied")->text() == "segment 5" &&
                s.status.vak_nummer() == 5);
        QCOMPARE(d->focusWidget()->geometry(), px(240, 2280, 1575, 375));
        for (int i = 1; i <= 4; ++i) {
            QVERIFY(pion("im_pion", i)->pos() == QPoint(24, 24 + 24 * i) &&
                    pion("im_pion_geselecteerd", i)->pos() == QPoint(96, 24 + 24 * i));
        }
        QCOMPARE(pion("im_pion_geselecteerd", 2)->pixmap().cacheKey(),
                 s.pion.im_pion(9).cacheKey());
        QVERIFY(pion("im_pion", 3)->pixmap().isNull() &&
                pion("im_pion_geselecteerd", 2)->isHidden());
        s.klik(pion("im_pion", 2));
        QVERIFY(!pion("im_pion_geselecteerd", 2)->isHidden() && !pion("im_pion", 2)->isEnabled());
        s.klik(pion("im_pion", 2));
        s.klik(pion("im_pion_geselecteerd", 2));
        QVERIFY(pion("im_pion_geselecteerd", 2)->isHidden() && pion("im_pion", 2)->isEnabled());
        QTest::mouseRelease(pion("im_pion", 1), Qt::LeftButton);
        s.klik(pion("im_pion", 4));
        s.klik(pion("im_pion_geselecteerd", 4));
        QVERIFY(pion("im_pion_geselecteerd", 1)->isHidden() && pion("im_pion", 4)->isEnabled());
        s.klik(pion("im_pion", 1));
        s.klik(pion("im_pion", 2));
        s.klik(s.in(*d, "knp_voeg_systeem_toe"));
        QVERIFY(s.status.vak_nummer() == 0 && !s.systeem_dialoog() && s.cel_aanwezig(5, 1) &&
                s.cel_aanwezig(5, 3));
        for (bool escape : {true, false}) {
            d = s.open_vak(5);
            QVERIFY(!pion("im_pion_geselecteerd", 1)->isHidden() &&
                    !pion("im_pion", 1)->isEnabled());
            s.klik(pion("im_pion_geselecteerd", 1));
            d->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(d));
            escape ? QTest::keyClick(d, Qt::Key_Escape) : (void)d->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(s.status.vak_nummer() == 0 && !s.systeem_dialoog() && s.cel_aanwezig(5, 1));
        }
        s.wissel(5, {1});
        QVERIFY(!s.cel_aanwezig(5, 1) && !s.getoond("tb_marktaandeel_systeem_22"));
    }

    // For a projector: F11 fills the screen with the board, also from a dialog in front of it,
    // and F11 or Escape on the board give it back; the margins continue its backdrop. Dialogs
    // open at the board's scale, centred on the screen, their pawns drawn at it too.
    void volledig_scherm_en_schaal() {
        spel_met_vensters s;
        QWidget& bord = s.speelbord;
        const QRect normaal = bord.geometry();
        QVERIFY(QTest::qWaitForWindowActive(&s.cpt_ui.voeg_speler_toe()));
        QTest::keyClick(&s.cpt_ui.voeg_speler_toe(), Qt::Key_F11);
        QTRY_COMPARE(bord.geometry(), bord.screen()->geometry());
        const int links = s.op_bord("im_background")->x();
        const QImage plaatje = bord.grab().toImage();
        for (int y : {10, 540, 1020}) { // 1020: beside the yellow patch in the lower right corner
            for (int x : {links / 2, 1919 - links / 2}) {
                const QColor c = plaatje.pixelColor(x, y);
                QVERIFY(links > 100 && qGray(c.rgb()) > 200 && qAbs(c.red() - c.blue()) <= 16);
            }
        }
        s.teams({{1, "A"}});
        bord.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &bord);
        QTest::keyClick(&bord, Qt::Key_Escape);
        QTRY_COMPARE(bord.geometry(), normaal);
        QTest::keyClick(&bord, Qt::Key_F11); // on, and off again
        QTest::keyClick(&bord, Qt::Key_F11);
        QTRY_COMPARE(bord.geometry(), normaal);
        bord.resize(2032, 1490);
        frm_voeg_systeem_toe* d = s.open_vak(1);
        QVERIFY(d->size() == QSize(274, 370) &&
                s.in<QLabel>(*d, "lbl_gebied")->font().pointSize() == 24);
        QVERIFY((d->frameGeometry().center() - d->screen()->availableGeometry().center())
                    .manhattanLength() < 24);
        // A square pawn fills its picture, drawn smoothly; at its own size it would leave the
        // lower right of the control white.
        const QImage pion = s.in<pawn_picture>(*d, "im_pion_1")->grab().toImage();
        QCOMPARE(pion.pixel(30, 30), s.pion.im_pion(1).toImage().pixel(10, 10));
        const QImage grof = s.pion.im_pion(1).toImage().scaled(pion.size()); // nearest pixel
        QVERIFY(pion.convertToFormat(grof.format()) != grof);
    }

    // Closing asks "wilt u de applicatie afsluiten?" with OK before Cancel and no icon: Cancel
    // keeps the game, OK closes the board, the pawn holder and a dialog still open.
    void afsluiten() {
        spel_met_vensters s;
        s.teams({{2, "Enige"}});
        s.open_vak(1);
        s.pion.show();
        modale_vragen vragen;
        vragen.antwoord("Cancel");
        QVERIFY(!s.speelbord.close() && s.speelbord.isVisible() && s.status.vak_nummer() == 1);
        QCOMPARE(vragen.gezien,
                 (QStringList{"Corvanta", "wilt u de applicatie afsluiten?", "0", "OK", "Cancel"}));
        vragen.antwoord("OK");
        QVERIFY(s.speelbord.close());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!s.speelbord.isVisible() && !s.pion.isVisible() && !s.systeem_dialoog() &&
                s.status.vak_nummer() == 0);
    }
};

QTEST_MAIN(tst_vensters)
#include "tst_vensters.moc"
