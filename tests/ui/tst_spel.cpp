#include "spel_met_vensters.h"
#include "ui/dialogs/pawn_picture.h"

#include <map>

#include <QRegularExpression>
#include <QScreen>

namespace {

QImage beeld(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_RGB32);
}
QString slot(int i) {
    return QString("tb_marktaandeel_systeem_%1").arg(i);
}
QRect px(int links, int boven, int breedte, int hoogte) {
    return {links / 15, boven / 15, breedte / 15, hoogte / 15};
}

// Every named control of a window with its rectangle and font size, the window itself as "".
std::map<QString, std::pair<QRect, double>> maten_van(QWidget& venster) {
    std::map<QString, std::pair<QRect, double>> m{
        {"", {QRect(QPoint(), venster.size()), venster.font().pointSizeF()}}};
    for (QWidget* c : venster.findChildren<QWidget*>(QRegularExpression(".+"))) {
        m[c->objectName()] = {c->geometry(), c->font().pointSizeF()};
    }
    return m;
}

// A dialog opened on a board at twice its size: every rectangle and font twice its own, and
// centred on the screen as far as the frame guessed before the window manager framed it is right.
void is_dubbel(QWidget& dialoog, const std::map<QString, std::pair<QRect, double>>& enkel) {
    for (const auto& [naam, maat] : maten_van(dialoog)) {
        const QRect& een = enkel.at(naam).first;
        QVERIFY2((maat.first.topLeft() - een.topLeft() * 2).manhattanLength() <= 2 &&
                     qAbs(maat.first.width() - 2 * een.width()) <= 1 &&
                     qAbs(maat.first.height() - 2 * een.height()) <= 1 &&
                     qFuzzyCompare(maat.second, 2 * enkel.at(naam).second),
                 qPrintable(naam));
    }
    const QPoint scheef =
        dialoog.frameGeometry().center() - dialoog.screen()->availableGeometry().center();
    QVERIFY(qAbs(scheef.x()) <= 4 && qAbs(scheef.y()) <= 20);
}

} // namespace

class tst_spel : public QObject {
    Q_OBJECT

private slots:
    // The add-teams dialog as laid out, with its one chance: Escape does not close it. Names go
    // in exactly as typed: blanks count, doubles count, only an empty box is no team, and a team
    // keeps its box's number and pawn. The board then shows one row per team.
    void teams_invoeren() {
        spel_met_vensters s;
        frm_voeg_speler_toe& d = s.cpt_ui.voeg_speler_toe();
        QVERIFY(d.windowTitle() == "teams" && d.size() == QSize(123, 177));
        QVERIFY(s.in<QLabel>(d, "lbl_speler")->text() == "team" &&
                s.in(d, "lbl_pion")->font().pointSize() == 12);
        QCOMPARE(s.in<QLabel>(d, "lbl_pion")->geometry(), px(1200, 120, 615, 375));
        QCOMPARE(s.in(d, "knp_voeg_speler_toe")->geometry(), px(120, 2160, 1575, 375));
        QWidget* w = s.in(d, "knp_voeg_speler_toe");
        for (int i = 1; i <= 4; ++i) {
            const int boven = 600 + 360 * (i - 1);
            QCOMPARE(s.in(d, QString("tb_naam_speler_%1").arg(i))->geometry(),
                     px(120, boven, 975, 285));
            auto* pion = s.in<pawn_picture>(d, QString("im_pion_%1").arg(i));
            QCOMPARE(pion->geometry(), QRect(96, boven / 15, 20, 20));
            QCOMPARE(beeld(pion->pixmap()), beeld(s.pion.im_pion(4 * i - 3)));
            do {
                w = w->nextInFocusChain();
            } while (!(w->focusPolicy() & Qt::TabFocus));
            QCOMPARE(w->objectName(), QString("tb_naam_speler_%1").arg(i));
        }
        QCOMPARE(d.focusWidget(), s.in(d, "tb_naam_speler_1"));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());

        s.teams({{1, "Zelfde"}, {2, " "}, {4, "Zelfde"}});
        QVERIFY(!s.speelbord.findChild<frm_voeg_speler_toe*>() && s.tbl_speler.aantal_rijen() == 3);
        const cls_rij_speler& vierde = *s.tbl_speler.rij(3);
        QVERIFY(s.tbl_speler.rij(2)->speler_naam() == " " && vierde.speler_naam() == "Zelfde");
        QVERIFY(vierde.team_nummer() == 4 && vierde.pion_nummer() == 13);
        QVERIFY(s.getoond("tb_naam_speler_3") && !s.getoond("im_pion_speler_4"));
        // Round 1 has no round before it: "rewind" is off, and even its handler does nothing.
        QVERIFY(!s.op_bord("knp_achteruit")->isEnabled());
        s.speelbord.knp_achteruit_Click();
        QVERIFY(s.status.ronde() == 1 && s.tbl_speelbord.aantal_rijen() == 1);
    }

    // The add-systems dialog of a square, in a game with a gap: row 2 is team 3 with pawn 9.
    // Clicking a pawn moves its team across; a disabled pawn, an empty slot or a release without
    // a press do nothing. "add systems" places and takes away the difference and releases the
    // square; Escape and the close control release it and change nothing.
    void systemen_kiezen() {
        spel_met_vensters s;
        s.teams({{1, "Rood"}, {3, "Blauw"}});
        frm_voeg_systeem_toe* d = s.open_vak(5);
        QVERIFY(d->windowTitle() == "systems" && d->size() == QSize(137, 185));
        QVERIFY(s.in<QLabel>(*d, "lbl_gebied")->text() == "segment 5" &&
                s.status.vak_nummer() == 5);
        QCOMPARE(s.in(*d, "lbl_gebied")->geometry(), px(240, 120, 1575, 495));
        QCOMPARE(s.in(*d, "knp_voeg_systeem_toe")->geometry(), px(240, 2280, 1575, 375));
        QCOMPARE(d->focusWidget(), s.in(*d, "knp_voeg_systeem_toe"));
        auto pion = [&](const char* kolom, int rij) {
            return s.in<pawn_picture>(*d, QString("%1_%2").arg(kolom).arg(rij));
        };
        for (int i = 1; i <= 4; ++i) {
            QVERIFY(pion("im_pion", i)->pos() == QPoint(24, 24 + 24 * i) &&
                    pion("im_pion_geselecteerd", i)->pos() == QPoint(96, 24 + 24 * i));
        }
        QCOMPARE(beeld(pion("im_pion_geselecteerd", 2)->pixmap()), beeld(s.pion.im_pion(9)));
        QVERIFY(pion("im_pion", 3)->pixmap().isNull() &&
                pion("im_pion_geselecteerd", 2)->isHidden());
        s.klik(pion("im_pion", 2));
        QVERIFY(!pion("im_pion_geselecteerd", 2)->isHidden() && !pion("im_pion", 2)->isEnabled());
        s.klik(pion("im_pion", 2));
        s.klik(pion("im_pion_geselecteerd", 2));
        QVERIFY(pion("im_pion_geselecteerd", 2)->isHidden() && pion("im_pion", 2)->isEnabled());
        QTest::mouseRelease(pion("im_pion", 1), Qt::LeftButton);
        for (pawn_picture* leeg : {pion("im_pion", 4), pion("im_pion_geselecteerd", 4)}) {
            s.klik(leeg);
        }
        QVERIFY(pion("im_pion_geselecteerd", 1)->isHidden() && pion("im_pion", 4)->isEnabled());
        s.klik(pion("im_pion", 1));
        s.klik(pion("im_pion", 2));
        s.klik(s.in(*d, "knp_voeg_systeem_toe"));
        QVERIFY(s.status.vak_nummer() == 0 && !s.systeem_dialoog() && s.cel_aanwezig(5, 1) &&
                s.cel_aanwezig(5, 3));
        QCOMPARE(beeld(s.op_bord<QLabel>("im_nieuw_22")->pixmap()), beeld(s.pion.im_pion(9)));
        QVERIFY(s.tekst(slot(23)) == "0" && s.getoond(slot(22)) && !s.getoond(slot(21)));

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
        QVERIFY(!s.cel_aanwezig(5, 1) && !s.getoond(slot(22)));
        QCOMPARE(beeld(s.op_bord<QLabel>("im_nieuw_23")->pixmap()), beeld(s.pion.im_pion(9)));
    }

    // For a projector: F11 fills the screen with the board, also from a dialog in front of it,
    // and F11 or Escape on the board give it back; the margins continue its backdrop. Dialogs
    // open at the board's scale, their pawns drawn at it too.
    void volledig_scherm_en_schaal() {
        spel_met_vensters s;
        QWidget& bord = s.speelbord;
        frm_voeg_speler_toe& teams = s.cpt_ui.voeg_speler_toe();
        const auto teams_maten = maten_van(teams);
        const QRect normaal = bord.geometry();
        QVERIFY(QTest::qWaitForWindowActive(&teams));
        QTest::keyClick(&teams, Qt::Key_F11);
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

        frm_voeg_systeem_toe* d = s.open_vak(1);
        const auto systemen = maten_van(*d);
        d->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bord.resize(2032, 1490);
        d = s.open_vak(1);
        is_dubbel(*d, systemen);
        // A square pawn fills its picture; drawn at its own size it would leave the lower right
        // of the control white.
        const QImage pion = s.in<pawn_picture>(*d, "im_pion_1")->grab().toImage();
        QCOMPARE(pion.pixel(30, 30), s.pion.im_pion(1).toImage().pixel(10, 10));
        is_dubbel(s.cpt_ui.voeg_speler_toe(), teams_maten);
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
