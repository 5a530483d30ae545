#include "spel_met_vensters.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace {

QImage beeld(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_RGB32);
}

QImage pion_op_bord(spel_met_vensters& s, const QString& naam) {
    return beeld(s.op_bord<QLabel>(naam)->pixmap());
}

QString slot(int i) {
    return QString("tb_marktaandeel_systeem_%1").arg(i);
}
QString pion_slot(int i) {
    return QString("im_nieuw_%1").arg(i);
}

// Places the worked game's first round: rows 1 and 2 on square 1, row 1 on square 2.
void speel_eerste_ronde(spel_met_vensters& s) {
    s.teams({{1, "Noord"}, {2, "Zuid"}});
    s.wissel(1, {1, 2});
    s.wissel(2, {1});
    s.vooruit();
}

} // namespace

class tst_spel : public QObject {
    Q_OBJECT

private slots:
    // The typical action: two teams with a gap, then systems placed on square 5 through the
    // dialog, the board redrawn and the square released.
    void teams_en_systemen_plaatsen() {
        spel_met_vensters s;
        s.teams({{1, "Rood"}, {3, "Blauw"}});
        QVERIFY(!s.speelbord.findChild<frm_voeg_speler_toe*>());
        QCOMPARE(s.tbl_speler.aantal_rijen(), 2);
        QCOMPARE(s.tbl_speler.rij(2)->team_nummer(), 3);
        QCOMPARE(s.tekst("tb_naam_speler_1"), "Rood");
        QCOMPARE(s.tekst("tb_naam_speler_2"), "Blauw");
        QCOMPARE(pion_op_bord(s, "im_pion_speler_2"), beeld(s.pion.im_pion(9)));
        QVERIFY(!s.getoond("tb_naam_speler_3"));
        QVERIFY(!s.op_bord("knp_achteruit")->isEnabled());

        frm_voeg_systeem_toe* dialoog = s.open_vak(5);
        QVERIFY(dialoog);
        QCOMPARE(s.status.vak_nummer(), 5);
        QCOMPARE(s.in<QLabel>(*dialoog, "lbl_gebied")->text(), "segment 5");
        QWidget* links2 = s.in(*dialoog, "im_pion_2");
        QWidget* rechts2 = s.in(*dialoog, "im_pion_geselecteerd_2");
        QVERIFY(rechts2->isHidden());
        spel_met_vensters::klik(links2);
        QVERIFY(!rechts2->isHidden());
        QVERIFY(!links2->isEnabled());
        spel_met_vensters::klik(links2);
        QVERIFY(!rechts2->isHidden());
        spel_met_vensters::klik(rechts2);
        QVERIFY(rechts2->isHidden());
        QVERIFY(links2->isEnabled());
        spel_met_vensters::klik(s.in(*dialoog, "im_pion_1"));
        spel_met_vensters::klik(links2);
        // Empty slots of a two-team game do nothing when clicked.
        QWidget* leeg_rechts = s.in(*dialoog, "im_pion_geselecteerd_4");
        const bool was_verborgen = leeg_rechts->isHidden();
        spel_met_vensters::klik(s.in(*dialoog, "im_pion_4"));
        spel_met_vensters::klik(leeg_rechts);
        QCOMPARE(leeg_rechts->isHidden(), was_verborgen);
        QVERIFY(s.in(*dialoog, "im_pion_4")->isEnabled());
        spel_met_vensters::klik(s.in(*dialoog, "knp_voeg_systeem_toe"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(s.status.vak_nummer(), 0);
        QVERIFY(!s.systeem_dialoog());
        QVERIFY(s.cel_aanwezig(5, 1) && s.cel_aanwezig(5, 3));
        QCOMPARE(pion_op_bord(s, pion_slot(23)), beeld(s.pion.im_pion(1)));
        QCOMPARE(pion_op_bord(s, pion_slot(22)), beeld(s.pion.im_pion(9)));
        QCOMPARE(s.tekst(slot(23)), "0");
        QVERIFY(s.getoond(slot(22)));
        QVERIFY(!s.getoond(slot(21)));

        // Reopening shows both teams on the right; taking one away sends -1 for it.
        dialoog = s.open_vak(5);
        QVERIFY(!s.in(*dialoog, "im_pion_geselecteerd_1")->isHidden());
        QVERIFY(!s.in(*dialoog, "im_pion_1")->isEnabled());
        spel_met_vensters::klik(s.in(*dialoog, "im_pion_geselecteerd_1"));
        spel_met_vensters::klik(s.in(*dialoog, "knp_voeg_systeem_toe"));
        QVERIFY(!s.cel_aanwezig(5, 1));
        QCOMPARE(pion_op_bord(s, pion_slot(23)), beeld(s.pion.im_pion(9)));
        QVERIFY(!s.getoond(slot(22)));
    }

    // The worked game, played through the windows: the shares and the scoreboard of rounds 1
    // and 2, and a rewind that undoes round 2's moves.
    void uitgewerkt_spel() {
        spel_met_vensters s;
        speel_eerste_ronde(s);
        QCOMPARE(s.op_bord<QLabel>("lbl_ronde_nummer")->text(), "2");
        QCOMPARE(s.tekst(slot(7)), "67");
        QCOMPARE(s.tekst(slot(6)), "33");
        QCOMPARE(s.tekst(slot(11)), "100");
        QCOMPARE(s.tekst("tb_naam_speler_1"), "Noord");
        QCOMPARE(s.tekst("tb_marktaandeel_speler_1"), "167");
        QCOMPARE(s.tekst("tb_marktaandeel_speler_2"), "33");
        QVERIFY(s.op_bord("knp_achteruit")->isEnabled());

        s.wissel(1, {1});
        s.wissel(2, {2});
        s.vooruit();
        QCOMPARE(s.status.ronde(), 3);
        QCOMPARE(s.tekst(slot(7)), "100");
        QCOMPARE(pion_op_bord(s, pion_slot(7)), beeld(s.pion.im_pion(5)));
        QCOMPARE(s.tekst(slot(11)), "60");
        QCOMPARE(s.tekst(slot(10)), "40");
        QCOMPARE(s.tekst("tb_naam_speler_1"), "Zuid");
        QCOMPARE(s.tekst("tb_marktaandeel_speler_1"), "140");
        QCOMPARE(s.tekst("tb_naam_speler_2"), "Noord");
        QCOMPARE(s.tekst("tb_marktaandeel_speler_2"), "60");

        // Rewind: back to the start of round 2, whose moves are undone.
        s.achteruit();
        QCOMPARE(s.status.ronde(), 2);
        QCOMPARE(s.status.stap(), 1);
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 2);
        QCOMPARE(s.tekst(slot(7)), "67");
        QCOMPARE(s.tekst(slot(6)), "33");
        QVERIFY(!s.getoond(slot(10)));
        QCOMPARE(s.tekst("tb_naam_speler_1"), "Noord");

        s.achteruit();
        QCOMPARE(s.status.ronde(), 1);
        QVERIFY(!s.getoond(slot(7)));
        QVERIFY(!s.op_bord("knp_achteruit")->isEnabled());
    }

    // While an add-systems dialog is open, navigation and the other squares do nothing; once it
    // closes, by its button or by Escape (which discards the choice, as its close control
    // does), they work again.
    void vak_slot() {
        spel_met_vensters s;
        s.teams({{1, "A"}});
        frm_voeg_systeem_toe* dialoog = s.open_vak(3);
        QCOMPARE(s.status.vak_nummer(), 3);
        s.vooruit();
        QCOMPARE(s.status.ronde(), 1);
        s.klik(s.op_bord("knp_voeg_systeem_toe_4"));
        QCOMPARE(s.status.vak_nummer(), 3);
        QCOMPARE(s.speelbord.findChildren<frm_voeg_systeem_toe*>().size(), 1);

        s.klik(s.in(*dialoog, "im_pion_1"));
        dialoog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialoog));
        QTest::keyClick(dialoog, Qt::Key_Escape);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!s.cel_aanwezig(3, 1));
        QCOMPARE(s.status.vak_nummer(), 0);
        QVERIFY(!s.systeem_dialoog());
        QVERIFY(!s.getoond(slot(15)));
        s.vooruit();
        QCOMPARE(s.status.ronde(), 2);

        s.open_vak(4);
        s.achteruit();
        QCOMPARE(s.status.ronde(), 2);
        s.klik(s.in(*s.systeem_dialoog(), "knp_voeg_systeem_toe"));
        s.achteruit();
        QCOMPARE(s.status.ronde(), 1);
    }

    // For a projector: F11 fills the screen with the board, also from a dialog in front of it,
    // and F11 or Escape on the board give it back at its size. The add-teams dialog keeps its
    // one chance: Escape does not close it. The margins beside the board continue its backdrop.
    void volledig_scherm() {
        spel_met_vensters s;
        QWidget& bord = s.speelbord;
        QWidget& teams = s.cpt_ui.voeg_speler_toe();
        const QRect normaal = bord.geometry();
        QVERIFY(QTest::qWaitForWindowActive(&teams));
        QTest::keyClick(&teams, Qt::Key_Escape);
        QVERIFY(teams.isVisible());
        QTest::keyClick(&teams, Qt::Key_F11);
        QTRY_COMPARE(bord.geometry(), bord.screen()->geometry());
        QCOMPARE(s.speelbord.schaal(), 1080 / 745.0);

        const int links = s.op_bord("im_background")->x();
        QVERIFY(links > 100);
        const QImage beeld = bord.grab().toImage();
        for (int y : {10, 540, 1070}) {
            const QColor marge = beeld.pixelColor(links / 2, y);
            const QColor rand = beeld.pixelColor(links + 2, y);
            QVERIFY2(qAbs(marge.red() - rand.red()) + qAbs(marge.green() - rand.green()) +
                             qAbs(marge.blue() - rand.blue()) <=
                         30,
                     qPrintable(QString("row %1").arg(y)));
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
        QCOMPARE(s.speelbord.schaal(), 1.0);
    }

    // A scoreboard name box renames the team shown in that row, not the table row of the same
    // number.
    void hernoemen_via_het_scorebord() {
        spel_met_vensters s;
        s.teams({{1, "Eerste"}, {2, "Tweede"}, {3, "Derde"}});
        s.wissel(6, {3});
        s.vooruit();
        QCOMPARE(s.tekst("tb_naam_speler_1"), "Derde");
        auto* box = s.op_bord<QLineEdit>("tb_naam_speler_1");
        box->selectAll();
        QTest::keyClicks(box, "Winnaar");
        QCOMPARE(s.tbl_speler.rij(3)->speler_naam(), "Winnaar");
        QCOMPARE(s.tbl_speler.rij(1)->speler_naam(), "Eerste");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(s.tbl_speler.rij(3)->speler_naam(), "Winnaa");
    }

    // Closing asks "wilt u de applicatie afsluiten?": Cancel keeps everything; OK closes the
    // board window, the pawn holder and any dialog still open.
    void afsluiten() {
        spel_met_vensters s;
        s.teams({{2, "Enige"}});
        s.wissel(9, {1});
        s.open_vak(1);

        QString titel, tekst;
        QStringList knoppen;
        bool icoon = true;
        auto antwoord = [&](const char* knop) {
            QTimer::singleShot(0, [&, knop] {
                auto* vraag = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(vraag);
                titel = vraag->windowTitle();
                tekst = vraag->text();
                icoon = vraag->icon() != QMessageBox::NoIcon;
                auto lijst = vraag->buttons();
                std::sort(lijst.begin(), lijst.end(),
                          [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
                knoppen.clear();
                for (QAbstractButton* b : lijst) {
                    knoppen << b->text();
                }
                for (QAbstractButton* b : lijst) {
                    if (b->text() == knop) {
                        b->click();
                    }
                }
            });
        };

        antwoord("Cancel");
        QVERIFY(!s.speelbord.close());
        QCOMPARE(titel, "Corvanta");
        QCOMPARE(tekst, "wilt u de applicatie afsluiten?");
        QVERIFY(!icoon);
        QCOMPARE(knoppen, (QStringList{"OK", "Cancel"}));
        QVERIFY(s.speelbord.isVisible());
        QCOMPARE(s.status.vak_nummer(), 1);
        QVERIFY(s.cel_aanwezig(9, 2));

        s.pion.show();
        antwoord("OK");
        QVERIFY(s.speelbord.close());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!s.speelbord.isVisible());
        QVERIFY(!s.pion.isVisible());
        QVERIFY(!s.systeem_dialoog());
        QCOMPARE(s.status.vak_nummer(), 0);
    }

    // Before the first redraw no game has been drawn: "rewind" is off, and even a direct call
    // at round 1, step 1 is ignored, so no board can be dropped below round 1.
    void terugspoelen_voor_de_eerste_tekening() {
        spel_met_vensters s;
        QVERIFY(!s.op_bord("knp_achteruit")->isEnabled());
        s.speelbord.knp_achteruit_Click();
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 1);
        QCOMPARE(s.status.ronde(), 1);
        QCOMPARE(s.status.stap(), 1);
        s.teams({});
        QVERIFY(!s.op_bord("knp_achteruit")->isEnabled());
        s.speelbord.knp_achteruit_Click();
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 1);
    }

    // At round 32,767 a forward press would overflow the round after changing the game, so
    // "forward" is off there and does nothing; the game stays playable.
    void vooruit_bij_de_laatste_ronde() {
        spel_met_vensters s;
        s.teams({{4, "Laatste"}});
        while (s.status.ronde() < 32767) {
            s.status.ronde(static_cast<std::int16_t>(s.status.ronde() + 1));
            s.subcpt_ui.srvc_voeg_speelbord_toe();
        }
        s.speelbord.refresh_me();
        QVERIFY(!s.op_bord("knp_vooruit")->isEnabled());
        s.speelbord.knp_vooruit_Click();
        QCOMPARE(s.status.ronde(), 32767);
        QCOMPARE(s.status.stap(), 1);
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 32767);

        s.wissel(8, {1});
        QVERIFY(s.cel_aanwezig(8, 4));
        s.achteruit();
        QCOMPARE(s.status.ronde(), 32766);
        QVERIFY(s.op_bord("knp_vooruit")->isEnabled());
        s.vooruit();
        QCOMPARE(s.status.ronde(), 32767);
        QVERIFY(!s.op_bord("knp_vooruit")->isEnabled());
    }
};

QTEST_MAIN(tst_spel)
#include "tst_spel.moc"
