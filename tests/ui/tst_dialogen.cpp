#include "spel_met_vensters.h"
#include "ui/dialogs/pawn_picture.h"

#include <map>
#include <utility>

#include <QRegularExpression>
#include <QScreen>

namespace {

QImage beeld(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_RGB32);
}

QRect in_pixels(int links, int boven, int breedte, int hoogte) {
    return {links / 15, boven / 15, breedte / 15, hoogte / 15};
}

// Every named control of a dialog with its rectangle and font size.
using maten = std::map<QString, std::pair<QRect, double>>;
maten maten_van(QWidget& dialoog) {
    maten m{{"", {QRect(QPoint(), dialoog.size()), dialoog.font().pointSizeF()}}};
    for (QWidget* c : dialoog.findChildren<QWidget*>(QRegularExpression(".+"))) {
        m[c->objectName()] = {c->geometry(), c->font().pointSizeF()};
    }
    return m;
}

// A dialog opened at twice the scale: every rectangle twice its own within a pixel, every font
// twice its size, centred on the screen as far as the frame it guesses before the window
// manager has framed it is right.
void is_dubbel(QWidget& dialoog, const maten& enkel) {
    for (const auto& [naam, maat] : maten_van(dialoog)) {
        const QRect twee(maat.first.topLeft(), maat.first.size());
        const QRect verwacht(enkel.at(naam).first.topLeft() * 2, enkel.at(naam).first.size() * 2);
        const QByteArray wat = naam.toUtf8();
        QVERIFY2((twee.topLeft() - verwacht.topLeft()).manhattanLength() <= 2 &&
                     qAbs(twee.width() - verwacht.width()) <= 1 &&
                     qAbs(twee.height() - verwacht.height()) <= 1,
                 wat);
        QVERIFY2(qFuzzyCompare(maat.second, 2 * enkel.at(naam).second), wat);
    }
    const QRect vrij = dialoog.screen()->availableGeometry();
    QVERIFY(qAbs(dialoog.frameGeometry().center().x() - vrij.center().x()) <= 4);
    QVERIFY(qAbs(dialoog.frameGeometry().center().y() - vrij.center().y()) <= 20);
}

} // namespace

class tst_dialogen : public QObject {
    Q_OBJECT

private slots:
    // The add-teams dialog as laid out: caption, client area, the four rows of box and pawn,
    // focus in box 1 and the tab order through the boxes to the button.
    void teams_dialoog_indeling() {
        spel_met_vensters s;
        frm_voeg_speler_toe& d = s.cpt_ui.voeg_speler_toe();
        QCOMPARE(d.windowTitle(), "teams");
        QCOMPARE(d.size(), QSize(123, 177));
        QCOMPARE(s.in<QLabel>(d, "lbl_speler")->text(), "team");
        QCOMPARE(s.in<QLabel>(d, "lbl_pion")->text(), "pawn");
        QCOMPARE(s.in<QLabel>(d, "lbl_speler")->font().pointSizeF(), 12.0);
        QCOMPARE(s.in(d, "knp_voeg_speler_toe")->geometry(), in_pixels(120, 2160, 1575, 375));
        for (int i = 1; i <= 4; ++i) {
            const int boven = 600 + 360 * (i - 1);
            QCOMPARE(s.in(d, QString("tb_naam_speler_%1").arg(i))->geometry(),
                     in_pixels(120, boven, 975, 285));
            auto* pion = s.in<pawn_picture>(d, QString("im_pion_%1").arg(i));
            QCOMPARE(pion->pos(), in_pixels(1440, boven, 0, 0).topLeft());
            QCOMPARE(pion->size(), QSize(20, 20));
            QCOMPARE(beeld(pion->pixmap()), beeld(s.pion.im_pion(4 * i - 3)));
        }
        QCOMPARE(d.focusWidget(), s.in(d, "tb_naam_speler_1"));
        QWidget* w = s.in(d, "tb_naam_speler_1");
        for (const char* volgende :
             {"tb_naam_speler_2", "tb_naam_speler_3", "tb_naam_speler_4", "knp_voeg_speler_toe"}) {
            do {
                w = w->nextInFocusChain();
            } while (!(w->focusPolicy() & Qt::TabFocus));
            QCOMPARE(w->objectName(), QString(volgende));
        }
    }

    // Names go in exactly as typed: blanks count, doubles count, only an empty box is no team.
    void teams_zoals_getypt() {
        spel_met_vensters s;
        s.teams({{1, "Zelfde"}, {2, " "}, {4, "Zelfde"}});
        QCOMPARE(s.tbl_speler.aantal_rijen(), 3);
        QCOMPARE(s.tbl_speler.rij(2)->speler_naam(), " ");
        QCOMPARE(s.tbl_speler.rij(3)->speler_naam(), "Zelfde");
        QCOMPARE(s.tbl_speler.rij(3)->team_nummer(), 4);
        QCOMPARE(s.tbl_speler.rij(3)->pion_nummer(), 13);
        QVERIFY(!s.speelbord.findChild<frm_voeg_speler_toe*>());
    }

    // Four empty boxes add no team, and the board is still initialised and redrawn.
    void geen_teams() {
        spel_met_vensters s;
        s.teams({});
        QCOMPARE(s.tbl_speler.aantal_rijen(), 0);
        QCOMPARE(s.op_bord<QLabel>("lbl_ronde_nummer")->text(), "1");
        QVERIFY(!s.getoond("tb_naam_speler_1"));

        // Both columns of an add-systems dialog are then empty; its button only releases.
        frm_voeg_systeem_toe* d = s.open_vak(2);
        for (int i = 1; i <= 4; ++i) {
            QVERIFY(s.in<pawn_picture>(*d, QString("im_pion_%1").arg(i))->pixmap().isNull());
        }
        s.klik(s.in(*d, "knp_voeg_systeem_toe"));
        QCOMPARE(s.status.vak_nummer(), 0);
    }

    // Closing the add-teams dialog with its close control adds nobody.
    void teams_dialoog_sluiten() {
        spel_met_vensters s;
        QTest::keyClicks(s.in<QLineEdit>(s.cpt_ui.voeg_speler_toe(), "tb_naam_speler_1"), "X");
        s.cpt_ui.voeg_speler_toe().close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!s.speelbord.findChild<frm_voeg_speler_toe*>());
        QCOMPARE(s.tbl_speler.aantal_rijen(), 0);
    }

    // Both dialogs open at the board's scale, the pawns drawn at it too.
    void dialogen_op_de_schaal_van_het_bord() {
        spel_met_vensters s;
        const maten teams = maten_van(s.cpt_ui.voeg_speler_toe());
        s.teams({{1, "Een"}});
        frm_voeg_systeem_toe* d = s.open_vak(1);
        const maten systemen = maten_van(*d);
        d->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        s.speelbord.resize(2032, 1490);
        d = s.open_vak(1);
        is_dubbel(*d, systemen);
        // A square pawn fills its picture, so a pawn drawn at its own size would leave the
        // control's lower right quarter white.
        const QImage pion = s.in<pawn_picture>(*d, "im_pion_1")->grab().toImage();
        QCOMPARE(pion.pixel(30, 30), s.pion.im_pion(1).toImage().pixel(10, 10));
        // The add-teams dialog is made anew only once the first is gone.
        is_dubbel(s.cpt_ui.voeg_speler_toe(), teams);
    }

    // The add-systems dialog as laid out, for square 9 of a game with a gap in team numbers:
    // row 2 is team 3, shows pawn 9, and its state comes from team 3's cell.
    void systemen_dialoog_indeling() {
        spel_met_vensters s;
        s.teams({{1, "Een"}, {3, "Drie"}});
        s.wissel(9, {2});
        frm_voeg_systeem_toe* d = s.open_vak(9);
        QCOMPARE(d->windowTitle(), "systems");
        QCOMPARE(d->size(), QSize(137, 185));
        QCOMPARE(s.in<QLabel>(*d, "lbl_gebied")->text(), "segment 9");
        QCOMPARE(s.in(*d, "lbl_gebied")->geometry(), in_pixels(240, 120, 1575, 495));
        QCOMPARE(s.in(*d, "knp_voeg_systeem_toe")->geometry(), in_pixels(240, 2280, 1575, 375));
        QCOMPARE(d->focusWidget(), s.in(*d, "knp_voeg_systeem_toe"));
        for (int i = 1; i <= 4; ++i) {
            const int boven = 720 + 360 * (i - 1);
            QCOMPARE(s.in(*d, QString("im_pion_%1").arg(i))->pos(),
                     in_pixels(360, boven, 0, 0).topLeft());
            QCOMPARE(s.in(*d, QString("im_pion_geselecteerd_%1").arg(i))->pos(),
                     in_pixels(1440, boven, 0, 0).topLeft());
        }
        auto* links2 = s.in<pawn_picture>(*d, "im_pion_2");
        QCOMPARE(beeld(links2->pixmap()), beeld(s.pion.im_pion(9)));
        QVERIFY(!links2->isEnabled());
        QVERIFY(!s.in(*d, "im_pion_geselecteerd_2")->isHidden());
        QVERIFY(s.in(*d, "im_pion_1")->isEnabled());
        QVERIFY(s.in(*d, "im_pion_geselecteerd_1")->isHidden());
        QVERIFY(s.in<pawn_picture>(*d, "im_pion_3")->pixmap().isNull());

        // Nothing changed: the facade still redraws, the square is released, nothing moves.
        s.klik(s.in(*d, "knp_voeg_systeem_toe"));
        QCOMPARE(s.status.vak_nummer(), 0);
        QVERIFY(s.cel_aanwezig(9, 3));
        QVERIFY(!s.cel_aanwezig(9, 1));
    }
};

QTEST_MAIN(tst_dialogen)
#include "tst_dialogen.moc"
