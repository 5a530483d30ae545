#include "spel_met_vensters.h"
#include "ui/dialogs/pawn_picture.h"

#include <QScreen>

namespace {

QRect px(int links, int boven, int breedte, int hoogte, int schaal = 1) {
    return {links * schaal / 15, boven * schaal / 15, breedte * schaal / 15, hoogte * schaal / 15};
}

} // namespace

class tst_spel : public QObject {
    Q_OBJECT

private slots:
    // The add-teams dialog as laid out, with its one chance: Escape does not close it. Names go
    // in exactly as typed: blanks count, doubles count, only an empty box is no team, and a team
    // keeps its box's number and pawn. The board then shows one row per team, and round 1 has
    // no round before it: "rewind" is off, and even its handler does nothing.
    void teams_invoeren() {
        spel_met_vensters s;
        frm_voeg_speler_toe& d = s.cpt_ui.voeg_speler_toe();
        QVERIFY(d.windowTitle() == "teams" && d.size() == QSize(123, 177));
        QVERIFY(s.in<QLabel>(d, "lbl_speler")->text() == "team" &&
                s.in(d, "lbl_pion")->font().pointSize() == 12);
        QCOMPARE(s.in<QLabel>(d, "lbl_pion")->geometry(), px(1200, 120, 615, 375));
        QCOMPARE(s.in(d, "knp_voeg_speler_toe")->geometry(), px(120, 2160, 1575, 375));
        QWidget* w = d.focusWidget();
        for (int i = 1; i <= 4; ++i) {
            const int boven = 600 + 360 * (i - 1);
            QVERIFY(w->objectName() == QString("tb_naam_speler_%1").arg(i) &&
                    w->geometry() == px(120, boven, 975, 285));
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
        QVERIFY(!s.op_bord("knp_achteruit")->isEnabled());
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
        QCOMPARE(s.in(*d, "lbl_gebied")->geometry(), px(240, 120, 1575, 495));
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
        QCOMPARE(s.op_bord<QLabel>("im_nieuw_22")->pixmap().cacheKey(),
                 s.pion.im_pion(9).cacheKey());
        QVERIFY(s.tekst("tb_marktaandeel_systeem_23") == "0" &&
                !s.getoond("tb_marktaandeel_systeem_21"));
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
        QCOMPARE(s.speelbord.schaal(), 1080 / 745.0);
        const int links = s.op_bord("im_background")->x();
        const QImage plaatje = bord.grab().toImage();
        for (int y : {10, 540, 1070}) {
            const QColor marge = plaatje.pixelColor(links / 2, y),
                         rand = plaatje.pixelColor(links + 2, y);
            QVERIFY(links > 100 && qAbs(marge.red() - rand.red()) +
                                           qAbs(marge.green() - rand.green()) +
                                           qAbs(marge.blue() - rand.blue()) <=
                                       30);
        }
        s.teams({{1, "A"}});
        bord.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &bord);
        QTest::keyClick(&bord, Qt::Key_Escape);
        QTRY_COMPARE(bord.geometry(), normaal);
        QTest::keyClick(&bord, Qt::Key_F11);
        QTRY_VERIFY(bord.isFullScreen());
        QTest::keyClick(&bord, Qt::Key_F11);
        QTRY_COMPARE(bord.geometry(), normaal);
        bord.resize(2032, 1490);
        frm_voeg_systeem_toe* d = s.open_vak(1);
        QVERIFY(d->size() == QSize(274, 370) &&
                s.in<QLabel>(*d, "lbl_gebied")->font().pointSize() == 24);
        QCOMPARE(s.in(*d, "knp_voeg_systeem_toe")->geometry(), px(240, 2280, 1575, 375, 2));
        QVERIFY((d->frameGeometry().center() - d->screen()->availableGeometry().center())
                    .manhattanLength() < 24);
        // A square pawn fills its picture; drawn at its own size it would leave the lower right
        // of the control white.
        const QImage pion = s.in<pawn_picture>(*d, "im_pion_1")->grab().toImage();
        QCOMPARE(pion.pixel(30, 30), s.pion.im_pion(1).toImage().pixel(10, 10));
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

QTEST_MAIN(tst_spel)
#include "tst_spel.moc"
