#include "services/cls_subcpt_ui.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include <QFontInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

namespace {

// Fresh records, rules and window for each test, driven the way the facade drives them.
struct bord {
    cls_tbl_speler tbl_speler;
    cls_tbl_speelbord tbl_speelbord;
    cls_status status;
    cls_subcpt_ui subcpt_ui{tbl_speler, tbl_speelbord, status};
    frm_pion pion;
    frm_speelbord speelbord{tbl_speler, tbl_speelbord, status, subcpt_ui, pion};

    // Starts a game with a team for each team number given, as the add-teams dialog would.
    void begin(std::initializer_list<int> team_nummers) {
        subcpt_ui.srvc_initialiseer_spel();
        for (int t : team_nummers) {
            subcpt_ui.srvc_voeg_speler_toe("team " + std::to_string(t),
                                           static_cast<std::int16_t>(t),
                                           static_cast<std::int16_t>(4 * t - 3));
        }
        speelbord.initialiseer();
        speelbord.refresh_me();
    }
    void plaats(int rij, int vak) {
        subcpt_ui.srvc_voeg_systeem_toe(static_cast<std::int16_t>(rij),
                                        static_cast<std::int16_t>(vak));
    }
    // A whole "forward" press: the shares at step 4, the next round's board at step 1.
    void vooruit() {
        subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit");
        status.ronde(static_cast<std::int16_t>(status.ronde() + 1));
        subcpt_ui.srvc_voeg_speelbord_toe();
        speelbord.refresh_me();
    }

    template <class T = QWidget> T* control(const QString& naam) const {
        auto* gevonden = speelbord.findChild<T*>(naam, Qt::FindDirectChildrenOnly);
        if (gevonden == nullptr) {
            throw std::logic_error("no control " + naam.toStdString());
        }
        return gevonden;
    }
    bool pion_is(const QString& naam, int pion_nummer) const {
        return control<QLabel>(naam)->pixmap().toImage() == pion.im_pion(pion_nummer).toImage();
    }
};

QString naam(const char* array, int index) {
    return QString("%1_%2").arg(array).arg(index);
}

// The frames' top-left corners in twips, squares 1 to 9.
constexpr int vak_x[] = {0, 6000, 8760, 11520, 6000, 8760, 11520, 6000, 8760, 11520};
constexpr int vak_y[] = {0, 1320, 1320, 1320, 3960, 3960, 3960, 6600, 6600, 6600};

constexpr double standaard = 0; // the window's default font

// Where the text's ink lands when drawn vertically centred in `vak` with its baseline at
// `basislijn`: every pixel of it must fall inside the box.
bool inkt_past(const QFontMetrics& fm, const QString& tekst, const QRect& vak, int links,
               int basislijn) {
    const QRect inkt = fm.tightBoundingRect(tekst).translated(links, basislijn);
    return fm.horizontalAdvance(tekst) <= vak.right() - links + 1 && vak.contains(inkt);
}

} // namespace

class tst_frm_speelbord : public QObject {
    Q_OBJECT

private slots:
    // Every control stands where the layout puts it (twips / 15), with its font, and is shown
    // and enabled as the window loads: team rows hidden, "rewind" off until the first refresh.
    void layout_at_load_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<double>("punten");
        QTest::addColumn<bool>("zichtbaar");
        QTest::addColumn<bool>("aan");
        auto rij = [](const QString& n, QRect r, double p, bool z = true, bool a = true) {
            QTest::newRow(qPrintable(n)) << n << r << p << z << a;
        };
        rij("knp_achteruit", {960, 1440, 1575, 495}, 13.5, true, false);
        rij("knp_vooruit", {2760, 1440, 1575, 495}, 13.5);
        rij("lbl_ronde_text", {1200, 2160, 1335, 375}, 13.5);
        rij("lbl_ronde_nummer", {2760, 2160, 495, 375}, 13.5);
        rij("shp_background_scoreboard", {960, 2760, 3375, 2175}, standaard);
        rij("lbl_speler", {1200, 2880, 1095, 375}, 13.5);
        rij("lbl_marktaandeel", {2760, 2880, 1335, 375}, 13.5);
        rij("im_background", {0, 0, 15255, 11175}, standaard);
        for (int r = 1; r <= 4; ++r) {
            const int y = 3360 + 360 * (r - 1);
            rij(naam("tb_naam_speler", r), {1200, y, 1095, 285}, standaard, false);
            rij(naam("im_pion_speler", r), {2520, y, 255, 255}, standaard, false);
            rij(naam("tb_marktaandeel_speler", r), {3000, y, 1095, 285}, standaard, false);
        }
        for (int v = 1; v <= 9; ++v) {
            const int x = vak_x[v];
            const int y = vak_y[v];
            rij(naam("Shape1", v), {x, y, 2655, 2535}, standaard);
            rij(naam("lbl_vak_nummer", v), {x + 120, y + 120, 255, 375}, 18);
            rij(naam("knp_voeg_systeem_toe", v), {x + 600, y + 120, 1935, 495}, standaard);
            rij(naam("lbl_marktaandeel_systeem", v), {x + 1080, y + 720, 1455, 255}, standaard);
            // Lines are one pixel high and run to offset 2640 inclusive.
            rij(naam("Line1", v), {x, y + 960, 2655, 15}, standaard);
            const int regel_y[] = {2160, 1800, 1440, 1080}; // slots 4v to 4v + 3
            for (int k = 0; k < 4; ++k) {
                rij(naam("im_nieuw", 4 * v + k), {x + 120, y + regel_y[k], 255, 255}, standaard);
                rij(naam("tb_marktaandeel_systeem", 4 * v + k),
                    {x + 720, y + regel_y[k], 1695, 285}, standaard);
            }
        }
    }
    void layout_at_load() {
        QFETCH(QString, naam);
        QFETCH(QRect, twips);
        QFETCH(double, punten);
        QFETCH(bool, zichtbaar);
        QFETCH(bool, aan);
        bord b;
        const QWidget* c = b.control(naam);
        const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(c->geometry(), pixels);
        QCOMPARE(c->font().pointSizeF(),
                 punten == standaard ? b.speelbord.font().pointSizeF() : punten);
        QCOMPARE(QFontInfo(c->font()).family(), QString("Liberation Sans"));
        QCOMPARE(c->isVisibleTo(&b.speelbord), zichtbaar);
        QCOMPARE(c->isEnabled(), aan);
        QVERIFY(!c->accessibleName().isEmpty());
    }

    void window_has_fixed_client_area_and_caption() {
        bord b;
        QCOMPARE(b.speelbord.objectName(), QString("frm_speelbord"));
        QCOMPARE(b.speelbord.windowTitle(), QString("Corvanta 5"));
        QCOMPARE(b.speelbord.minimumSize(), QSize(1016, 745));
        QCOMPARE(b.speelbord.maximumSize(), QSize(1016, 745));
        // Eight single controls, three per team row, five per square and two per system slot.
        QCOMPARE(b.speelbord.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
                 8 + 12 + 45 + 72);
        for (const QLabel* label : b.speelbord.findChildren<QLabel*>()) {
            QVERIFY2(!label->autoFillBackground(), qPrintable(label->objectName()));
        }
        QCOMPARE(b.control<QLabel>("lbl_vak_nummer_5")->text(), QString("5"));
        QCOMPARE(&b.speelbord.lbl_vak_nummer(9), b.control<QLabel>("lbl_vak_nummer_9"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, b.speelbord.lbl_vak_nummer(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, b.speelbord.lbl_vak_nummer(10));
    }

    void every_control_inside_its_square() {
        bord b;
        for (int v = 1; v <= 9; ++v) {
            const QRect kader = b.control(naam("Shape1", v))->geometry();
            QStringList delen{naam("lbl_vak_nummer", v), naam("knp_voeg_systeem_toe", v),
                              naam("lbl_marktaandeel_systeem", v), naam("Line1", v)};
            for (int i = 4 * v; i <= 4 * v + 3; ++i) {
                delen << naam("im_nieuw", i) << naam("tb_marktaandeel_systeem", i);
            }
            for (const QString& deel : delen) {
                QVERIFY2(kader.contains(b.control(deel)->geometry()), qPrintable(deel));
            }
        }
    }

    // Bottom to top: picture, scoreboard card, scoreboard drawings, each square's frame, number,
    // pawns, heading and line; every button and text box above all of them.
    void stacking_order() {
        bord b;
        const auto kinderen = b.speelbord.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        auto plek = [&](const QString& n) {
            return static_cast<int>(kinderen.indexOf(b.control(n)));
        };
        QCOMPARE(plek("im_background"), 0);
        QCOMPARE(plek("shp_background_scoreboard"), 1);
        int hoogste_tekening = 0;
        for (QWidget* c : kinderen) {
            if (qobject_cast<QFrame*>(c) != nullptr) { // labels, pictures, frames and lines
                hoogste_tekening = std::max(hoogste_tekening, plek(c->objectName()));
            }
        }
        for (QWidget* c : kinderen) {
            if (qobject_cast<QLineEdit*>(c) || qobject_cast<QPushButton*>(c)) {
                QVERIFY2(plek(c->objectName()) > hoogste_tekening, qPrintable(c->objectName()));
            }
        }
        QVERIFY(plek("lbl_speler") > 1 && plek("im_pion_speler_4") > 1);
        for (int v = 1; v <= 9; ++v) {
            QVERIFY(plek(naam("Shape1", v)) < plek(naam("lbl_vak_nummer", v)));
            QVERIFY(plek(naam("lbl_vak_nummer", v)) < plek(naam("im_nieuw", 4 * v)));
            QVERIFY(plek(naam("im_nieuw", 4 * v + 3)) < plek(naam("lbl_marktaandeel_systeem", v)));
            QVERIFY(plek(naam("lbl_marktaandeel_systeem", v)) < plek(naam("Line1", v)));
        }
    }

    void tab_order_starts_at_forward() {
        bord b;
        QStringList verwacht{"knp_vooruit"};
        for (int r = 4; r >= 1; --r) {
            verwacht << naam("tb_marktaandeel_speler", r);
        }
        for (int r = 4; r >= 1; --r) {
            verwacht << naam("tb_naam_speler", r);
        }
        verwacht << "knp_achteruit";
        for (int v : {3, 4, 5, 6, 7, 8, 9, 1, 2}) {
            verwacht << naam("knp_voeg_systeem_toe", v);
            for (int i = 4 * v; i <= 4 * v + 3; ++i) {
                verwacht << naam("tb_marktaandeel_systeem", i);
            }
        }
        QStringList gelopen;
        QWidget* c = b.control("knp_vooruit");
        do {
            if (c->focusPolicy() & Qt::TabFocus) {
                gelopen << c->objectName();
            }
            c = c->nextInFocusChain();
        } while (c != b.control("knp_vooruit"));
        QCOMPARE(gelopen, verwacht);
        QCOMPARE(b.speelbord.focusWidget(), b.control("knp_vooruit"));
    }

    // Captions and the widest share texts fit their boxes in the embedded font, measured the
    // way each kind of control lays out its text. The square numbers have no descenders, so
    // their ink, not the full line height, is what must fit the 25-pixel box.
    void text_fits_its_box_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("tekst");
        for (const char* n : {"knp_achteruit", "knp_vooruit", "knp_voeg_systeem_toe_1"}) {
            QTest::newRow(n) << QString(n) << QString();
        }
        for (const char* n :
             {"lbl_ronde_text", "lbl_speler", "lbl_marktaandeel", "lbl_marktaandeel_systeem_1"}) {
            QTest::newRow(n) << QString(n) << QString();
        }
        for (int v = 1; v <= 9; ++v) {
            QTest::addRow("lbl_vak_nummer_%d", v) << naam("lbl_vak_nummer", v) << QString();
        }
        // The round's box holds three digits; a classroom game never reaches round 1000.
        QTest::newRow("round 999") << "lbl_ronde_nummer"
                                   << "999";
        for (const char* tekst : {"-100", "900", "100", "0"}) {
            QTest::addRow("team share %s", tekst) << "tb_marktaandeel_speler_1" << tekst;
            QTest::addRow("system share %s", tekst) << "tb_marktaandeel_systeem_4" << tekst;
        }
    }
    void text_fits_its_box() {
        QFETCH(QString, naam);
        QFETCH(QString, tekst);
        bord b;
        QWidget* c = b.control(naam);
        const QFontMetrics fm(c->font());
        if (auto* knop = qobject_cast<QPushButton*>(c)) {
            QStyleOptionButton optie;
            optie.initFrom(knop);
            optie.text = knop->text();
            const QRect vak =
                knop->style()->subElementRect(QStyle::SE_PushButtonContents, &optie, knop);
            const int links = vak.left() + (vak.width() - fm.horizontalAdvance(optie.text)) / 2;
            const int basislijn = vak.top() + (vak.height() - fm.height()) / 2 + fm.ascent();
            QVERIFY(inkt_past(fm, optie.text, vak, links, basislijn));
        } else if (auto* label = qobject_cast<QLabel*>(c)) {
            const QString t = tekst.isEmpty() ? label->text() : tekst;
            const QRect vak = label->contentsRect();
            const int basislijn = vak.top() + (vak.height() - fm.height()) / 2 + fm.ascent();
            QVERIFY(inkt_past(fm, t, vak, vak.left(), basislijn));
            if (naam.startsWith("lbl_vak_nummer") == false) {
                QVERIFY(fm.height() <= vak.height()); // the whole line, not only the ink
            }
        } else {
            auto* regel = qobject_cast<QLineEdit*>(c);
            QStyleOptionFrame optie;
            optie.initFrom(regel);
            optie.lineWidth =
                regel->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &optie, regel);
            const QRect vak = regel->style()
                                  ->subElementRect(QStyle::SE_LineEditContents, &optie, regel)
                                  .marginsRemoved(regel->textMargins())
                                  .adjusted(2, 0, -2, 0); // QLineEdit's own side margins
            const int basislijn = vak.top() + (vak.height() - fm.height() + 1) / 2 + fm.ascent();
            QVERIFY(inkt_past(fm, tekst, vak, vak.left(), basislijn));
            QVERIFY(fm.height() <= vak.height());
        }
    }

    void board_picture_is_an_800_by_600_jpeg() {
        QImageReader lezer(":/assets/speelbord.jpg");
        QCOMPARE(lezer.format(), QByteArray("jpeg"));
        const QImage beeld = lezer.read();
        QVERIFY2(!beeld.isNull(), qPrintable(lezer.errorString()));
        QCOMPARE(beeld.size(), QSize(800, 600));
        bord b;
        QVERIFY(b.control<QLabel>("im_background")->hasScaledContents());
        QVERIFY(!b.control<QLabel>("im_background")->pixmap().isNull());
    }

    void before_any_team() {
        bord b;
        const cls_subcpt_ui::per_team_int eigen{0, 1, 2, 3, 4};
        QCOMPARE(b.speelbord.inverse_volgorde(), eigen);
        QVERIFY(b.control<QLineEdit>("tb_marktaandeel_systeem_7")->text().isEmpty());
        b.begin({});
        QVERIFY(!b.control("tb_naam_speler_1")->isVisibleTo(&b.speelbord));
        QCOMPARE(b.control<QLabel>("lbl_ronde_nummer")->text(), QString("1"));
    }

    void two_teams_fill_two_rows() {
        bord b;
        b.begin({1, 3});
        for (int r = 1; r <= 4; ++r) {
            for (const char* deel :
                 {"tb_naam_speler", "im_pion_speler", "tb_marktaandeel_speler"}) {
                QCOMPARE(b.control(naam(deel, r))->isVisibleTo(&b.speelbord), r <= 2);
            }
        }
        QCOMPARE(b.control<QLineEdit>("tb_naam_speler_2")->text(), QString("team 3"));
        QVERIFY(b.pion_is("im_pion_speler_1", 1));
        QVERIFY(b.pion_is("im_pion_speler_2", 9));
        QCOMPARE(b.control<QLineEdit>("tb_marktaandeel_speler_1")->text(), QString("0"));
    }

    // "rewind" never offers to drop the only board; "forward" never offers to overflow the round.
    void navigation_buttons_follow_the_round() {
        bord b;
        QVERIFY(!b.control("knp_achteruit")->isEnabled());
        b.begin({1, 2});
        QVERIFY(!b.control("knp_achteruit")->isEnabled());
        QVERIFY(b.control("knp_vooruit")->isEnabled());
        b.vooruit();
        QVERIFY(b.control("knp_achteruit")->isEnabled());
        QCOMPARE(b.control<QLabel>("lbl_ronde_nummer")->text(), QString("2"));

        // One board object stands in for every round up to the last one the Integer holds.
        cls_tbl_speelbord lang;
        cls_subcpt_ui regels(b.tbl_speler, lang, b.status);
        frm_speelbord speelbord(b.tbl_speler, lang, b.status, regels, b.pion);
        const auto bord_object = b.tbl_speelbord.rij(1);
        for (int r = 1; r <= 32767; ++r) {
            lang.voeg_toe(bord_object);
        }
        b.status.ronde(32766);
        speelbord.refresh_me();
        QVERIFY(speelbord.findChild<QWidget*>("knp_vooruit")->isEnabled());
        b.status.ronde(32767);
        speelbord.refresh_me();
        QVERIFY(!speelbord.findChild<QWidget*>("knp_vooruit")->isEnabled());
        QCOMPARE(speelbord.findChild<QLabel*>("lbl_ronde_nummer")->text(), QString("32767"));
    }

    void leading_team_shows_in_the_top_row() {
        bord b;
        b.begin({1, 2, 3});
        b.plaats(3, 1);
        b.plaats(3, 2);
        b.plaats(1, 2);
        b.vooruit(); // row 3: 1 + 2/3, row 1: 1/3
        QCOMPARE(b.speelbord.inverse_volgorde()[1], std::int16_t{3});
        QCOMPARE(b.control<QLineEdit>("tb_naam_speler_1")->text(), QString("team 3"));
        QVERIFY(b.pion_is("im_pion_speler_1", 9));
        QCOMPARE(b.control<QLineEdit>("tb_marktaandeel_speler_1")->text(), QString("167"));
        QCOMPARE(b.control<QLineEdit>("tb_naam_speler_2")->text(), QString("team 1"));
        QCOMPARE(b.control<QLineEdit>("tb_marktaandeel_speler_2")->text(), QString("33"));
    }

    void systems_fill_a_square_from_the_top() {
        bord b;
        b.begin({1, 2, 3, 4});
        b.plaats(4, 5);
        b.plaats(2, 5);
        b.vooruit();
        QVERIFY(b.pion_is("im_nieuw_23", 5));
        QVERIFY(b.pion_is("im_nieuw_22", 13));
        QCOMPARE(b.control<QLineEdit>("tb_marktaandeel_systeem_23")->text(), QString("50"));
        QVERIFY(b.control("tb_marktaandeel_systeem_22")->isVisibleTo(&b.speelbord));
        for (int i : {21, 20}) {
            QVERIFY(b.control<QLabel>(naam("im_nieuw", i))->pixmap().isNull());
            QVERIFY(!b.control(naam("tb_marktaandeel_systeem", i))->isVisibleTo(&b.speelbord));
        }
        // Every other square is empty and hidden.
        QVERIFY(!b.control("tb_marktaandeel_systeem_7")->isVisibleTo(&b.speelbord));
    }

    void systems_move_up_after_a_removal() {
        bord b;
        b.begin({1, 2, 3, 4});
        for (int rij = 1; rij <= 4; ++rij) {
            b.plaats(rij, 1);
        }
        b.speelbord.refresh_me();
        QVERIFY(b.pion_is("im_nieuw_7", 1) && b.pion_is("im_nieuw_6", 5));
        QVERIFY(b.pion_is("im_nieuw_5", 9) && b.pion_is("im_nieuw_4", 13));
        b.subcpt_ui.srvc_verwijder_systeem(2, 1);
        b.speelbord.refresh_me();
        QVERIFY(b.pion_is("im_nieuw_7", 1));
        QVERIFY(b.pion_is("im_nieuw_6", 9));
        QVERIFY(b.pion_is("im_nieuw_5", 13));
        QVERIFY(b.control<QLabel>("im_nieuw_4")->pixmap().isNull());
        QVERIFY(!b.control("tb_marktaandeel_systeem_4")->isVisibleTo(&b.speelbord));
    }

    // Only steps 2 and 3 touch the add-system buttons, and then only to enable them.
    void add_system_buttons_are_only_ever_enabled() {
        bord b;
        b.begin({1});
        b.control("knp_voeg_systeem_toe_5")->setEnabled(false);
        b.speelbord.refresh_me();
        QVERIFY(!b.control("knp_voeg_systeem_toe_5")->isEnabled());
        b.status.stap(2);
        b.speelbord.refresh_me();
        QVERIFY(b.control("knp_voeg_systeem_toe_5")->isEnabled());
    }

    void a_fifth_team_is_an_error_not_a_crash() {
        bord b;
        b.begin({1, 2, 3, 4});
        b.subcpt_ui.srvc_voeg_speler_toe("extra", 4, 13);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, b.speelbord.initialiseer());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, b.speelbord.refresh_me());
    }
};

QTEST_MAIN(tst_frm_speelbord)
#include "tst_frm_speelbord.moc"
