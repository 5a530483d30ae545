#include "spel_met_vensters.h"
#include "ui/board/achtergrond.h"
#include "ui/board/percentage_tekst.h"
#include "ui/dialogs/pion_plaatje.h"
#include "ui/groot_getal.h"
#include "ui/klok/frm_klok.h"
#include "ui/lettertype.h"
#include "ui/taal.h"

#ifdef CORVANTA_STANDEN
#include "ui/standen/standen.h"
#include "ui/standen/verloop.h"

#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#endif

#include <cmath>
#include <stdexcept>

#include <QAccessible>
#include <QClipboard>
#include <QFontInfo>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QToolTip>
#include <QTranslator>

namespace {

QString naam(const char* array, int index) {
    return QString("%1_%2").arg(array).arg(index);
}

bool pion_is(const spel_met_vensters& s, const QString& naam, int n) {
    return s.op_bord<QLabel>(naam)->pixmap().toImage() == s.pion.im_pion(n).toImage();
}

// The square a control belongs to, 0 for the scoreboard.
int vak_van(const QWidget* c) {
    static const QRegularExpression vak_of_slot("_(\\d+)$");
    const QString n = c->objectName();
    const int index = vak_of_slot.match(n).captured(1).toInt();
    return n.startsWith("im_nieuw") || n.startsWith("tb_marktaandeel_systeem") ? index / 4
           : n.contains("speler")                                              ? 0
                                                                               : index;
}

// Where the design lays one control over another: the board picture under everything, each
// frame under what stands in it, and a square's line over its heading.
bool mag_overlappen(const QWidget* a, const QWidget* b) {
    const auto is = [](const QWidget* c, const char* begin) {
        return c->objectName().startsWith(begin);
    };
    const bool zelfde_vak = vak_van(a) == vak_van(b);
    return is(a, "im_background") || is(b, "im_background") ||
           ((is(a, "Shape1") || is(b, "Shape1")) && zelfde_vak) ||
           ((is(a, "Line1") || is(b, "Line1")) && zelfde_vak &&
            (is(a, "lbl_marktaandeel_systeem") || is(b, "lbl_marktaandeel_systeem"))) ||
           ((is(a, "shp_background_scoreboard") || is(b, "shp_background_scoreboard")) &&
            vak_van(a) == 0 && vak_van(b) == 0);
}

// In a column of the margin, the backdrop's horizontal grid lines run on: some rows are
// clearly darker than the column's lightest. A margin left unpainted is one flat colour.
qsizetype rasterlijnen(const QImage& beeld, int x) {
    QList<int> grijs;
    for (int y = 0; y < beeld.height(); ++y) {
        grijs << qGray(beeld.pixel(x, y));
    }
    const int lichtste = *std::max_element(grijs.begin(), grijs.end());
    return std::count_if(grijs.begin(), grijs.end(),
                         [lichtste](int g) { return g < lichtste - 6; });
}

#ifdef CORVANTA_STANDEN
// The standings' chart and its view, once they have caught up with the game.
QChartView* view(spel_met_vensters& s) {
    QApplication::processEvents();
    return s.programma.standen()->venster().findChild<QChartView*>("grafiek_standen");
}
QChart* grafiek(spel_met_vensters& s) {
    return view(s)->chart();
}

// Its lines by team row: each team's closed years, or its point of the year being played.
QList<QLineSeries*> lijnen(spel_met_vensters& s, bool nu = false) {
    QList<QLineSeries*> per_rij{nullptr};
    const QList<QAbstractSeries*> alle = grafiek(s)->series();
    for (qsizetype i = nu ? 1 : 0; i < alle.size(); i += 2) {
        per_rij.append(qobject_cast<QLineSeries*>(alle[i]));
    }
    return per_rij;
}

// Where the chart shows a year and a share, in its view's viewport.
QPoint op_scherm(spel_met_vensters& s, double jaar, double aandeel) {
    const QPointF punt = grafiek(s)->mapToPosition({jaar, aandeel}, lijnen(s)[1]);
    return view(s)->mapFromScene(grafiek(s)->mapToScene(punt));
}

QValueAxis* as(spel_met_vensters& s, Qt::Orientation richting) {
    return qobject_cast<QValueAxis*>(grafiek(s)->axes(richting).first());
}

// Every line has a point per closed year: the team's total on that year's board, as "forward"
// closed it. The year being played stands apart, at the total the scoreboard shows now.
QString standen_kloppen(spel_met_vensters& s) {
    const QList<QLineSeries*> lijn = lijnen(s), nu = lijnen(s, true);
    const int ronde = s.status.ronde();
    for (std::int16_t jaar = 1; jaar <= ronde; ++jaar) {
        cls_subcpt_ui::per_team_double totaal{};
        s.subcpt_ui.srvc_bereken_marktaandeel_speler(jaar, totaal);
        for (int t = 1; t < lijn.size(); ++t) {
            const QPointF punt(jaar, totaal[t] * 100);
            if (lijn[t]->count() != ronde - 1 ||
                (jaar < ronde ? lijn[t]->at(jaar - 1) : nu[t]->points().constLast()) != punt) {
                return QString("team %1, year %2").arg(t).arg(jaar);
            }
        }
    }
    for (int r = 1; r < lijn.size(); ++r) {
        const int t = s.speelbord.inverse_volgorde()[r];
        if (procent_tekst(nu[t]->points().constLast().y()) !=
            s.tekst(naam("tb_marktaandeel_speler", r))) {
            return QString("team %1 on the scoreboard").arg(t);
        }
    }
    return {};
}
#endif

// Changes every text it is asked for, as a longer language would: bracketed and 40 % longer.
class pseudo_vertaler : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* bron, const char*, int) const override {
        const QString tekst = QString::fromUtf8(bron);
        return "[" + tekst + QString((tekst.size() * 2 + 4) / 5, QChar('~')) + "]";
    }
};

// A language for one test; English again after it, however it ends.
auto in_taal(const char* code) {
    taal::zet(code);
    return qScopeGuard([] { taal::zet("en"); });
}

// Every text a window shows or says that does not come from a translation: what is left of it
// once the bracketed parts, the typed names and the numbers are taken out.
QStringList onvertaald(const QWidget& venster, const QStringList& namen) {
    static const QRegularExpression vertaald("\\[[^\\[\\]]*\\]"), rest("[\\d\\s\\p{P}]");
    QStringList over;
    const auto kijk = [&](const QWidget* c, const QStringList& teksten) {
        for (const QString& heel : teksten) {
            QString tekst = heel;
            // Inside out: a translated text may hold another, "[at most [5 minutes] left]".
            while (tekst.contains(vertaald)) {
                tekst.remove(vertaald);
            }
            for (const QString& naam : namen) {
                tekst.remove(naam);
            }
            if (!tekst.remove(rest).isEmpty()) {
                over << c->objectName() + ": " + heel;
            }
        }
    };
    kijk(&venster,
         {venster.windowTitle(), venster.accessibleName(), venster.accessibleDescription()});
    for (const QWidget* c : venster.findChildren<QWidget*>()) {
        if (c->isWindow() || !c->isVisibleTo(&venster)) {
            continue;
        }
        // A text box holds what was typed or a number.
        const QString tekst =
            qobject_cast<const QLineEdit*>(c) ? "" : c->property("text").toString();
        kijk(c, {tekst, c->accessibleName(), c->accessibleDescription()});
#ifdef CORVANTA_STANDEN
        if (auto* view = qobject_cast<const QChartView*>(c)) {
            QStringList titels{view->chart()->title()};
            for (QAbstractAxis* as : view->chart()->axes()) {
                titels << as->titleText();
            }
            kijk(c, titels);
        }
#endif
    }
    return over;
}

// A caption cut off by its control: a label's text or a share of 100 in a box wider than the
// control, a button's wider than the room its frame leaves. Dutch runs longer, not taller.
QStringList afgekapt(const QWidget& venster) {
    QStringList te_klein;
    for (const QWidget* c : venster.findChildren<QWidget*>()) {
        const QString tekst =
            qobject_cast<const QLineEdit*>(c) ? "100" : c->property("text").toString();
        QRect ruimte = c->rect();
        if (auto* knop = qobject_cast<const QPushButton*>(c)) {
            QStyleOptionButton optie;
            optie.initFrom(knop);
            ruimte = knop->style()->subElementRect(QStyle::SE_PushButtonContents, &optie, knop);
        }
        const QFontMetrics maat(c->font());
        if (maat.horizontalAdvance(tekst) > ruimte.width()) {
            te_klein << c->objectName() + " \"" + tekst + "\"";
        }
    }
    return te_klein;
}

} // namespace

// The board window and its two dialogs, each a program of its own without the error boundary.
class tst_vensters : public QObject {
    Q_OBJECT

private slots:
    // A desktop's own font, however it looks, is not the board's: its controls stay as designed.
    void initTestCase() {
        QFont bureau(QApplication::font().family(), -1, QFont::Bold, true);
        bureau.setUnderline(true);
        bureau.setStrikeOut(true);
        QApplication::setFont(bureau);
    }

    // Any warning from Qt is a fault, but the offscreen platform's own about what it cannot do.
    void init() { QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support )")); }

    // A share shows as whole percent, halves to the even neighbour, from -32768 to 32767.
    void percentage_tekst_data() {
        QTest::addColumn<double>("aandeel");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("an eighth, down to even") << 0.125 << "12";
        QTest::newRow("just below zero") << -0.004 << "0";
        QTest::newRow("largest") << 327.67 << "32767";
        QTest::newRow("smallest") << -327.68 << "-32768";
    }
    void percentage_tekst() {
        QFETCH(double, aandeel);
        QFETCH(QString, tekst);
        QCOMPARE(::percentage_tekst(aandeel), tekst);
    }
    // Pawn n = 4 * (colour - 1) + shape, 20 x 20 pixels: red, green, blue (#3366FF, not pure
    // blue) and yellow; a square fills its picture, the other shapes stand on white. There is no
    // pawn 17.
    void pionnen() {
        spel_met_vensters s;
        for (int n = 1; n <= 16; ++n) {
            const QImage beeld = s.pion.im_pion(n).toImage();
            const QRgb kleur = QList<QRgb>{0xFE0000, 0x00FF01, 0x3366FF, 0xFFFF00}[(n - 1) / 4];
            QCOMPARE(beeld.size(), QSize(20, 20));
            QCOMPARE(beeld.pixel(10, 10) & 0xFFFFFF, kleur);
            QCOMPARE((beeld.pixel(0, 0) & 0xFFFFFF) == 0xFFFFFF, (n - 1) % 4 != 0);
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.pion.im_pion(17));
    }

    // What a person would notice at every size: a control outside its frame or the board, two
    // controls over one another where the design does not stack them, a caption or a share of
    // 100 that does not fit, a control or font not scaled with the rest. At its designed size the
    // board stands where it always did. Before the teams exist their rows are hidden and
    // "rewind" is off.
    void indeling_op_elke_schaal_data() {
        QTest::addColumn<QSize>("venster");
        QTest::addColumn<double>("schaal");
        QTest::newRow("designed") << QSize(1016, 745) << 1.0;
        QTest::newRow("smallest") << QSize(508, 373) << 0.5;
        QTest::newRow("full hd, wider") << QSize(1920, 1080) << 1080 / 745.0;
        QTest::newRow("taller") << QSize(1016, 1400) << 1.0;
    }
    void indeling_op_elke_schaal() {
        QFETCH(QSize, venster);
        QFETCH(double, schaal);
        spel_met_vensters ontworpen, s;
        s.speelbord.resize(venster);
        ontworpen.speelbord.resize(1016, 745);
        QCOMPARE(s.speelbord.schaal(), schaal);
        const QRect bord = s.op_bord("im_background")->geometry();
        QCOMPARE_LE((bord.center() - s.speelbord.rect().center()).manhattanLength(), 1);

        QStringList buiten, overlap, niet_geschaald, anders;
        // The board's controls: its direct children that are no windows themselves.
        QList<QWidget*> alle =
            s.speelbord.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        alle.removeIf([](const QWidget* c) { return c->isWindow(); });
        for (QWidget* c : alle) {
            const QString n = c->objectName();
            const QRect g = c->geometry();
            const int v = vak_van(c);
            const QRect kader =
                v > 0 && !n.startsWith("Shape1") ? s.op_bord(naam("Shape1", v))->geometry() : bord;
            if (!kader.contains(g)) {
                buiten << n;
            }
            for (QWidget* ander : alle) {
                if (c < ander && g.intersects(ander->geometry()) && !mag_overlappen(c, ander)) {
                    overlap << n + " over " + ander->objectName();
                }
            }
            const QWidget* zelfde = ontworpen.op_bord(n);
            const QRectF verwacht(QPointF(zelfde->pos()) * schaal + bord.topLeft(),
                                  QSizeF(zelfde->size()) * schaal);
            if (std::max({std::abs(g.x() - verwacht.x()), std::abs(g.y() - verwacht.y()),
                          std::abs(g.width() - verwacht.width()),
                          std::abs(g.height() - verwacht.height())}) > 1.5 ||
                !qFuzzyCompare(c->font().pointSizeF(), zelfde->font().pointSizeF() * schaal)) {
                niet_geschaald << n;
            }
            const QFont& f = c->font();
            if (QFontInfo(f).family() != "Liberation Sans" || f.weight() != QFont::Normal ||
                f.italic() || f.underline() || f.strikeOut() ||
                (c->accessibleName().isEmpty() && !n.startsWith("im_nieuw")) ||
                (qobject_cast<const QLabel*>(c) && c->autoFillBackground())) {
                anders << n;
            }
        }
        QCOMPARE(buiten.join(", "), QString());
        QCOMPARE(overlap.join(", "), QString());
        QCOMPARE(afgekapt(s.speelbord).join(", "), QString());
        QCOMPARE(niet_geschaald.join(", "), QString());
        QCOMPARE(anders.join(", "), QString());
        QCOMPARE(s.op_bord("tb_naam_speler_1")->isVisibleTo(&s.speelbord), false);
        QCOMPARE(s.op_bord("knp_achteruit")->isEnabled(), false);
    }

    // At its designed size the board is where it always was: 1016 x 745 pixels, the buttons,
    // squares and slots at their places; the rightmost share box and the lowest line inside their
    // frames, and a frame drawn along all four sides.
    void indeling_zoals_ontworpen() {
        spel_met_vensters s;
        s.speelbord.resize(1016, 745);
        QCOMPARE(s.op_bord("im_background")->geometry(), QRect(0, 0, 1017, 745));
        QCOMPARE(s.op_bord("knp_vooruit")->geometry(), QRect(184, 96, 105, 33));
        QCOMPARE(s.op_bord("im_nieuw_7")->geometry(), QRect(408, 160, 17, 17));
        QCOMPARE(s.op_bord("tb_marktaandeel_systeem_36")->geometry().bottomRight(),
                 QPoint(928, 602));
        QCOMPARE(s.op_bord("lbl_vak_nummer_5")->font().pointSizeF(), 18.0);
        QCOMPARE(s.op_bord("knp_voeg_systeem_toe_5")->font().pointSizeF(), 9.0);
        QWidget* kader = s.op_bord("Shape1_5");
        const QImage getekend = kader->grab().toImage();
        const int b = getekend.width() - 1, h = getekend.height() - 1;
        for (QPoint rand :
             {QPoint(b / 2, 0), QPoint(b / 2, h), QPoint(0, h / 2), QPoint(b, h / 2)}) {
            QCOMPARE(getekend.pixelColor(rand), kader->palette().color(QPalette::WindowText));
        }
        // The board picture as stored; made smaller, all of it again, smoothly.
        QWidget* achter = s.op_bord("im_background");
        const QImage plaatje = lees_achtergrond().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(achter->grab().toImage().convertToFormat(QImage::Format_RGB32), plaatje);
        s.speelbord.resize(508, 373);
        QCOMPARE(achter->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 plaatje.scaled(achter->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }

    // The scoreboard shows the teams by total in rows 1 to n, the leader on top, teams that tie in
    // the order of their rows. (What the squares show, the random games compare with the records.)
    void toont_het_spel() {
        spel_met_vensters s;
        s.teams({{1, "team 1"}, {2, "team 2"}, {3, "team 3"}, {4, "team 4"}});
        s.wissel(1, {3});
        s.wissel(2, {3, 1});
        s.wissel(5, {4, 2});
        s.wissel(3, {1, 2, 3, 4});
        s.vooruit();
        // Totals 14/45, 13/18, 29/15 and 13/18: teams 2 and 4 tie and keep their row order.
        QCOMPARE(s.speelbord.inverse_volgorde(), (cls_subcpt_ui::per_team_int{0, 3, 2, 4, 1}));
        QCOMPARE(s.tekst("tb_naam_speler_1"), "team 3");
        QVERIFY(pion_is(s, "im_pion_speler_1", 9));
        QCOMPARE(s.tekst("tb_marktaandeel_speler_1"), "193");
        QCOMPARE(s.tekst("tb_marktaandeel_speler_4"), "62");
    }

    // Tab starts at "forward" and runs through the scoreboard from the bottom up, "rewind", then
    // the squares 3 to 9, 1 and 2, each button and its share boxes from the bottom line up.
    void tabvolgorde() {
        spel_met_vensters s;
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
        for (QWidget* c = s.speelbord.focusWidget(); gelopen.size() < verwacht.size();
             c = c->nextInFocusChain()) {
            if (c->focusPolicy() & Qt::TabFocus) {
                gelopen << c->objectName();
            }
        }
        QCOMPARE(gelopen, verwacht);
    }

    // The add-teams dialog: four name boxes, each beside its pawn, then the button; and its one
    // chance: Escape does not close it; Enter in a name box adds the teams. Names go in exactly
    // as typed:
    // blanks count, doubles count, only an empty box is no team, and a team keeps its box's
    // number and pawn. The board then shows one row per team, and round 1 has no round before
    // it: even the handler of "rewind", which is off, does nothing.
    void teams_invoeren() {
        spel_met_vensters s;
        frm_voeg_speler_toe& d = s.cpt_ui.voeg_speler_toe();
        QCOMPARE(d.size(), QSize(123, 177));
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(s.in<pion_plaatje>(d, naam("im_pion", i))->pixmap().cacheKey(),
                     s.pion.im_pion(4 * i - 3).cacheKey());
        }
        // Pictures only: a screen reader hears of no button there.
        QCOMPARE(QAccessible::queryAccessibleInterface(s.in(d, "im_pion_1"))->role(),
                 QAccessible::Graphic);
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        for (const auto& [box, tekst] : {std::pair{1, "Zelfde"}, {4, "Zelfde"}, {2, " "}}) {
            QTest::keyClicks(s.in<QLineEdit>(d, naam("tb_naam_speler", box)), tekst);
        }
        QTest::keyClick(s.in(d, "tb_naam_speler_2"), Qt::Key_Return);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!s.speelbord.findChild<frm_voeg_speler_toe*>());
        QCOMPARE(s.tbl_speler.aantal_rijen(), 3);
        QCOMPARE(s.tbl_speler.rij(2)->speler_naam(), " ");
        const cls_rij_speler& derde = *s.tbl_speler.rij(3);
        QCOMPARE(derde.speler_naam(), "Zelfde");
        QCOMPARE(derde.team_nummer(), 4);
        QCOMPARE(derde.pion_nummer(), 13);
        QVERIFY(s.getoond("tb_naam_speler_3"));
        QVERIFY(!s.getoond("tb_naam_speler_4"));
        s.speelbord.knp_achteruit_Click();
        QCOMPARE(s.status.ronde(), 1);
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 1);
    }

    // The add-systems dialog of square 5, on white, in a game with a gap (row 2 is team 3, pawn
    // 9), with the focus on its button. Clicking a pawn moves its team across; a
    // disabled pawn, an empty slot or a release without a press do nothing. "add systems"
    // places and takes away the difference and releases the square; Escape and the close
    // control release it and change nothing.
    void systemen_kiezen() {
        spel_met_vensters s;
        s.teams({{1, "Rood"}, {3, "Blauw"}});
        frm_voeg_systeem_toe* d = s.open_vak(5);
        auto pion = [&](const char* kolom, int rij) {
            return s.in<pion_plaatje>(*d, naam(kolom, rij));
        };
        QCOMPARE(d->size(), QSize(137, 185));
        QCOMPARE(d->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
        QCOMPARE(s.in<QLabel>(*d, "lbl_gebied")->text(), "segment 5");
        QCOMPARE(d->focusWidget()->objectName(), "knp_voeg_systeem_toe");
        QCOMPARE(pion("im_pion_geselecteerd", 2)->pixmap().cacheKey(),
                 s.pion.im_pion(9).cacheKey());
        QVERIFY(pion("im_pion", 3)->pixmap().isNull());
        QVERIFY(pion("im_pion_geselecteerd", 2)->isHidden());
        s.klik(pion("im_pion", 2));
        QVERIFY(!pion("im_pion_geselecteerd", 2)->isHidden());
        QVERIFY(!pion("im_pion", 2)->isEnabled());
        s.klik(pion("im_pion", 2));
        s.klik(pion("im_pion_geselecteerd", 2));
        QVERIFY(pion("im_pion_geselecteerd", 2)->isHidden());
        QVERIFY(pion("im_pion", 2)->isEnabled());
        QTest::mouseRelease(pion("im_pion", 1), Qt::LeftButton);
        QVERIFY(pion("im_pion_geselecteerd", 1)->isHidden());
        s.klik(pion("im_pion", 4));
        s.klik(pion("im_pion_geselecteerd", 4));
        QVERIFY(pion("im_pion", 4)->isEnabled());
        s.klik(pion("im_pion", 1));
        s.klik(pion("im_pion", 2));
        s.klik(s.in(*d, "knp_voeg_systeem_toe"));
        QVERIFY(s.cel_aanwezig(5, 1));
        QVERIFY(s.cel_aanwezig(5, 3));
        for (bool escape : {true, false}) {
            d = s.open_vak(5);
            s.klik(pion("im_pion_geselecteerd", 1));
            escape ? s.toets(d, Qt::Key_Escape) : (void)d->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(s.status.vak_nummer(), 0);
            QVERIFY(!s.systeem_dialoog());
            QVERIFY(s.cel_aanwezig(5, 1));
        }
    }

    // For a projector: F11 fills the screen with the board, also from a dialog in front of it,
    // and Escape on the board gives it back. The margins on both sides continue the
    // backdrop, its grid lines and all.
    void volledig_scherm() {
        spel_met_vensters s;
        QWidget& bord = s.speelbord;
        const QRect normaal = bord.geometry();
        s.toets(&s.cpt_ui.voeg_speler_toe(), Qt::Key_F11);
        QTRY_COMPARE(bord.geometry(), bord.screen()->geometry());
        const int links = s.op_bord("im_background")->x();
        QCOMPARE_GT(links, 100);
        const QImage plaatje = bord.grab().toImage();
        for (int x : {links / 2, 1919 - links / 2}) {
            QCOMPARE_GT(rasterlijnen(plaatje, x), 10);
        }
        s.teams({{1, "A"}});
        s.toets(&bord, Qt::Key_Escape);
        QTRY_COMPARE(bord.geometry(), normaal);
    }

    // Closing asks whether to close with OK before Cancel and no icon: Cancel keeps the game, OK
    // closes the board and a dialog still open.
    void afsluiten() {
        spel_met_vensters s;
        s.teams({{2, "Enige"}});
        s.open_vak(1);
        modale_vragen vragen;
        vragen.antwoord("Cancel");
        QVERIFY(!s.speelbord.close());
        QCOMPARE(s.status.vak_nummer(), 1);
        QCOMPARE(vragen.gezien, (QStringList{"Corvanta", "Do you want to close the application?",
                                             "0", "OK", "Cancel"}));
        vragen.antwoord("OK");
        QVERIFY(s.speelbord.close());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!s.speelbord.isVisible());
        QVERIFY(!s.systeem_dialoog());
        QCOMPARE(s.status.vak_nummer(), 0);
    }

    // Without a mouse: keys 1 to 4 and each pawn's "Press" action move teams between the columns
    // as clicks do; the pawns take no focus, so Space applies the choice with the button. (What a
    // screen reader hears of the board, the packaging test asks a real one.)
    void systemen_zonder_muis() {
        spel_met_vensters s;
        s.teams({{1, "Alfa"}, {2, "Beta"}, {3, "Gamma"}});
        frm_voeg_systeem_toe* d = s.open_vak(4);
        s.toets(d, Qt::Key_1);
        QTest::keyClick(d, Qt::Key_2);
        QTest::keyClick(d, Qt::Key_2);
        QAccessibleActionInterface* druk =
            QAccessible::queryAccessibleInterface(s.in(*d, "im_pion_3"))->actionInterface();
        QCOMPARE(druk->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        druk->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(d->focusWidget()->objectName(), "knp_voeg_systeem_toe");
        // Its team moved across, the pawn is off: pressed again, it does nothing.
        QSignalSpy weer(s.in<pion_plaatje>(*d, "im_pion_3"), &pion_plaatje::clicked);
        druk->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(weer.count(), 0);
        // A screen reader hears each pawn's team, its look, and whether the team is chosen.
        const auto hoor = [d](const char* pion) {
            return QAccessible::queryAccessibleInterface(d->findChild<QWidget*>(pion))
                ->text(QAccessible::Name);
        };
        QCOMPARE(hoor("im_pion_geselecteerd_3"), "Gamma, blue square, chosen");
        QCOMPARE(hoor("im_pion_2"), "Beta, green square, not chosen");
        QTest::keyClick(d->focusWidget(), Qt::Key_Space);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!s.systeem_dialoog());
        QVERIFY(s.cel_aanwezig(4, 1));
        QVERIFY(!s.cel_aanwezig(4, 2));
        QVERIFY(s.cel_aanwezig(4, 3));
    }

#ifdef CORVANTA_STANDEN
    // The standings follow the game, one point per closed year per team, without being
    // reopened: a forward closes a year, a rewind opens it again, placing moves the point of the
    // year being played, a rename renames the line. Each line is drawn in its pawn's colour and
    // says on hover what the scoreboard said a year later.
    void standen_volgen() {
        spel_met_vensters s;
        s.teams({{1, "Alfa"}, {2, "Beta"}, {3, "Gamma"}, {4, "Delta"}});
        s.wissel(1, {1, 2});
        s.programma.toon_standen();
        QCOMPARE(standen_kloppen(s), QString());
        const std::pair<int, std::vector<int>> zetten[] = {
            {2, {3, 4}}, {1, {2}}, {5, {4, 1}}, {3, {1}}, {9, {2, 3}}};
        for (const auto& [vak, rijen] : zetten) {
            s.wissel(vak, rijen);
            QCOMPARE(standen_kloppen(s), QString());
            s.vooruit();
            QCOMPARE(standen_kloppen(s), QString());
        }
        s.achteruit();
        QCOMPARE(standen_kloppen(s), QString());
        QTest::keyClicks(s.op_bord<QLineEdit>("tb_naam_speler_2"), "!");
        const int hernoemd = s.speelbord.inverse_volgorde()[2];
        QCOMPARE(lijnen(s)[hernoemd]->name(), s.tekst("tb_naam_speler_2"));
        for (int t = 1; t <= 4; ++t) {
            QCOMPARE(lijnen(s)[t]->color(), s.pion.im_pion(4 * t - 3).toImage().pixelColor(9, 9));
        }
        s.vooruit();
        QCOMPARE(
            s.programma.standen()->tip(1, 2),
            QString("Alfa, end of fiscal year 2: %1").arg(procent_tekst(lijnen(s)[1]->at(1).y())));
        // A screen reader hears the totals as they stand now.
        QCOMPARE(view(s)->accessibleDescription().section("; ", 0, 0),
                 s.programma.standen()->tip(1, s.status.ronde()));
        // At most ten ticks a year axis: twelve years every second one; past a hundred, its end
        // at a round number.
        while (s.status.ronde() < 12) {
            s.vooruit();
        }
        QCOMPARE(as(s, Qt::Horizontal)->tickInterval(), 2.0);
        while (s.status.ronde() < 101) {
            s.vooruit();
        }
        QCOMPARE(as(s, Qt::Horizontal)->max(), 110.0);
    }

    // Read right by a class: teams tied year after year both stay in sight, the line drawn
    // over the other thinner and broken; and the mouse resting on a point, moved there as a
    // person's is, shows whose it is, the year and the share.
    void standen_lezen() {
        spel_met_vensters s;
        s.teams({{1, "Noord"}, {2, "Oost"}});
        s.wissel(1, {1, 2});
        s.vooruit();
        s.vooruit();
        s.programma.toon_standen();
        QWidget& standen = s.programma.standen()->venster();
        standen.show();
        const double aandeel = lijnen(s)[1]->at(0).y();
        QCOMPARE(lijnen(s)[2]->at(0).y(), aandeel);
        // Across the two lines halfway between years 1 and 2: both colours show.
        const QImage beeld = view(s)->viewport()->grab().toImage().copy(
            QRect(op_scherm(s, 1.5, aandeel) - QPoint(15, 8), QSize(31, 17)));
        const auto gezien = [&beeld](QColor kleur) {
            for (int i = 0; i < beeld.width() * beeld.height(); ++i) {
                const QColor c = beeld.pixelColor(i % beeld.width(), i / beeld.width());
                if (std::abs(c.red() - kleur.red()) + std::abs(c.green() - kleur.green()) +
                        std::abs(c.blue() - kleur.blue()) <
                    40) {
                    return true;
                }
            }
            return false;
        };
        QVERIFY2(gezien(lijnen(s)[1]->color()), "the lower line is hidden");
        QVERIFY2(gezien(lijnen(s)[2]->color()), "the upper line is hidden");
        // Through the window system, as a pointer's move comes.
        QTest::mouseMove(
            standen.windowHandle(),
            standen.mapFromGlobal(view(s)->viewport()->mapToGlobal(op_scherm(s, 2, aandeel))));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(),
                 s.programma.standen()->tip(1, 2) + "\n" + s.programma.standen()->tip(2, 2));
    }

    // Ctrl+H and the board's context menu open the standings once the teams are known, not
    // before. In them, F11 fills the screen and gives it back, Escape leaves full screen and then
    // closes them, and Ctrl+C puts the chart on the clipboard as a picture.
    void standen_openen() {
        spel_met_vensters s;
        s.toets(&s.speelbord, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(!s.programma.standen());
        s.teams({{1, "A"}, {3, "C"}});
        s.toets(&s.speelbord, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(s.programma.standen());
        QWidget* standen = &s.programma.standen()->venster();
        QCOMPARE(as(s, Qt::Vertical)->tickInterval(), 10.0);
        // The grid line of 50 % runs across the plot, at the height the axis gives 50.
        const QImage beeld = view(s)->grab().toImage();
        const int x = qRound(grafiek(s)->plotArea().center().x());
        const auto y = static_cast<int>(grafiek(s)->mapToPosition({1, 50}, lijnen(s)[1]).y());
        QCOMPARE(beeld.pixelColor(x, y), QColor(0xE2, 0xE2, 0xE2));
        QCOMPARE(beeld.pixelColor(x, y + 3), QColor(Qt::white));
        QApplication::clipboard()->clear();
        s.toets(standen, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->image().size(), standen->size());
        const double pen = lijnen(s)[1]->pen().widthF(), merk = lijnen(s)[1]->markerSize();
        QTest::keyClick(standen, Qt::Key_F11);
        QTRY_VERIFY(standen->isFullScreen());
        QCOMPARE_GT(lijnen(s)[1]->pen().widthF(), 1.5 * pen);
        QCOMPARE(lijnen(s)[1]->pen().widthF() / pen, lijnen(s)[1]->markerSize() / merk);
        QVERIFY(!s.speelbord.isFullScreen());
        QTest::keyClick(standen, Qt::Key_Escape);
        QTRY_VERIFY(!standen->isFullScreen());
        QTest::keyClick(standen, Qt::Key_Escape);
        QTRY_VERIFY(!s.programma.standen());
        s.menu("standings over the years")->trigger();
        QVERIFY(s.programma.standen());
    }
#endif

    // F5 and the board's menu open the class view once the teams are in, F5 again closes it.
    // With a second screen it fills the one the board is not on, and the board stays where it
    // was, in front. Escape leaves full screen and then closes it.
    void klas_openen() {
        spel_met_vensters s(QGuiApplication::screens().at(1));
        const auto f5 = [&s] { s.toets(&s.speelbord, Qt::Key_F5); };
        f5();
        QVERIFY(!s.programma.klas());
        s.teams({{2, "B"}});
        const QRect bord = s.speelbord.geometry();
        f5();
        frm_klas* klas = s.programma.klas();
        QVERIFY(klas);
        QTRY_COMPARE(klas->geometry(), QGuiApplication::screens().at(0)->geometry());
        QVERIFY(klas->isFullScreen());
        QCOMPARE(s.speelbord.geometry(), bord);
        QCOMPARE(QApplication::activeWindow(), &s.speelbord);
        f5();
        QTRY_VERIFY(!s.programma.klas());
        s.menu("class view")->trigger();
        klas = s.programma.klas();
        QVERIFY(klas);
        s.toets(klas, Qt::Key_Escape);
        QTRY_VERIFY(!klas->isFullScreen());
        // At any other size the view is scaled to fit and centred.
        for (QSize maat : {QSize(1200, 900), QSize(2000, 900)}) {
            klas->resize(maat);
            const double schaal = std::min(maat.width() / 1920.0, maat.height() / 1080.0);
            const QPointF verwacht =
                QPointF(680, 30) * schaal + // square 1's place at 1920 x 1080
                QPointF(maat.width() - 1920 * schaal, maat.height() - 1080 * schaal) / 2;
            QCOMPARE_LE((s.in(*klas, "Shape1_1")->pos() - verwacht).manhattanLength(), 2);
        }
        QTest::keyClick(klas, Qt::Key_Escape);
        QTRY_VERIFY(!s.programma.klas());
    }

    // A replay is the class view's alone and lasts until the game changes: "forward", "rewind"
    // and placing systems show the live game again, as closing the view does; a rename shows in
    // the replay. Meanwhile the board's title says so and the board plays on, and the view
    // stands in a dark frame, the round timer running on in it.
    void terugblik_eindigt_data() {
        QTest::addColumn<QString>("handeling");
        for (const char* handeling : {"forward", "rewind", "place", "close"}) {
            QTest::newRow(handeling) << handeling;
        }
    }
    void terugblik_eindigt() {
        QFETCH(QString, handeling);
        spel_met_vensters s;
        s.teams({{1, "Noord"}, {2, "Oost"}});
        s.wissel(1, {1});
        s.vooruit();
        s.vooruit();
        s.programma.wissel_klas();
        frm_klas* klas = s.programma.klas();
        s.programma.klok().wissel();
        const auto hoek = [&klas] { return qGray(klas->grab().toImage().pixel(2, 2)); };
        QCOMPARE_GT(hoek(), 200);
        QVERIFY(!s.in(*klas, "lbl_terugblik")->isVisibleTo(klas)); // also before its first picture
        klas->kies_jaar(2);
        QApplication::processEvents();
        QCOMPARE(s.speelbord.windowTitle(), "Corvanta 5 - class view: replay of fiscal year 2");
        QCOMPARE_LT(hoek(), 64);
        QVERIFY(s.in(*klas, "lbl_klok")->isVisible());
        QVERIFY(s.programma.klok().klok().loopt());
        QTest::keyClicks(s.op_bord("tb_naam_speler_1"), "!");
        QApplication::processEvents();
        QCOMPARE(klas->gekozen_jaar(), 2);
        QCOMPARE(s.in(*klas, "lbl_naam_speler_1")->accessibleName(), "!Noord");
        if (handeling == "forward") {
            s.vooruit();
        } else if (handeling == "rewind") {
            s.achteruit();
        } else if (handeling == "place") {
            s.wissel(2, {2});
        } else {
            klas->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            s.programma.wissel_klas();
            klas = s.programma.klas();
        }
        QApplication::processEvents();
        QCOMPARE(klas->gekozen_jaar(), 0);
        QCOMPARE(s.speelbord.windowTitle(), "Corvanta 5");
        QCOMPARE(s.klas_anders_dan_bord(), QString());
    }

    // In the board, Enter and Escape leave a name box for the board, Escape putting back the
    // name it had, as a click on the board's background leaves it; then T starts the timer.
    void naam_verlaten() {
        spel_met_vensters s;
        s.teams({{1, "Noord"}, {2, "Oost"}});
        auto* vak = s.op_bord<QLineEdit>("tb_naam_speler_1");
        s.speelbord.activateWindow();
        QVERIFY(QTest::qWaitFor([&s] { return QApplication::activeWindow() == &s.speelbord; }));
        const auto typ = [&](const char* tekst, Qt::Key einde) {
            s.klik(vak);
            QTest::keyClicks(vak, tekst);
            QTest::keyClick(vak, einde);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_T);
            return s.programma.klok().klok().loopt();
        };
        QVERIFY(typ("x", Qt::Key_Return));
        QCOMPARE(s.tbl_speler.rij(1)->speler_naam(), "Noordx");
        QVERIFY(!typ("yz", Qt::Key_Escape));
        QCOMPARE(s.tbl_speler.rij(1)->speler_naam(), "Noordx");
        QCOMPARE(vak->cursorPosition(), 0);
        s.klik(vak);
        QTest::mouseClick(s.op_bord("im_background"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QApplication::focusWidget(), &s.speelbord);
    }

#ifdef CORVANTA_STANDEN
    // The standings choose the year too: a click on the chart the nearest closed one, or the
    // live game from the year being played; the class view's keys; the year chosen is marked
    // with a line across the chart. Without the class view they choose nothing.
    void terugblik_uit_standen() {
        spel_met_vensters s;
        s.teams({{1, "Noord"}, {2, "Oost"}});
        for (int i = 0; i < 4; ++i) {
            s.vooruit();
        }
        s.programma.toon_standen();
        QWidget& standen = s.programma.standen()->venster();
        const auto klik_jaar = [&s](double jaar) {
            QTest::mouseClick(view(s)->viewport(), Qt::LeftButton, {}, op_scherm(s, jaar, 50));
            QApplication::processEvents();
        };
        klik_jaar(2);
        QVERIFY(!s.programma.klas());
        s.programma.wissel_klas();
        frm_klas& klas = *s.programma.klas();
        klik_jaar(2.3);
        QCOMPARE(klas.gekozen_jaar(), 2);
        QCOMPARE_LT(qGray(view(s)->viewport()->grab().toImage().pixel(op_scherm(s, 2, 50))), 64);
        s.toets(&standen, Qt::Key_Left);
        QCOMPARE(klas.gekozen_jaar(), 1);
        s.toets(&standen, Qt::Key_End);
        QCOMPARE(klas.gekozen_jaar(), 0);
        klik_jaar(5);
        QCOMPARE(klas.gekozen_jaar(), 0);
        s.toets(&standen, Qt::Key_T);
        QVERIFY(s.programma.klok().klok().loopt());
    }
#endif

    // Dutch comes first when the desktop puts it before English; anything else is English.
    void taal_uit_voorkeur_data() {
        QTest::addColumn<QStringList>("voorkeur");
        QTest::addColumn<QString>("taal");
        QTest::newRow("Dutch") << QStringList{"nl-NL", "en-US"} << "nl";
        QTest::newRow("Flemish after German") << QStringList{"de-DE", "nl-BE", "en"} << "nl";
        QTest::newRow("English first") << QStringList{"en-GB", "nl-NL"} << "en";
        QTest::newRow("neither") << QStringList{"de-DE", "fr"} << "en";
    }
    void taal_uit_voorkeur() {
        QFETCH(QStringList, voorkeur);
        QFETCH(QString, taal);
        QCOMPARE(taal::uit_voorkeur(voorkeur), taal);
    }

    // Every text of every window goes through a translation: with a translator that changes
    // whatever it is asked for, installed while the windows are open and again once all are,
    // nothing but typed names and numbers is left as it was: not on the board before and after
    // the teams, in both dialogs, the standings, the class view, the board's menu or the exit
    // confirmation.
    void alles_vertaald() {
        const QStringList namen{"Alfa", "Beta"};
        spel_met_vensters s;
        frm_voeg_speler_toe& teams = s.cpt_ui.voeg_speler_toe();
        QTest::keyClicks(s.in<QLineEdit>(teams, "tb_naam_speler_1"), namen[0]);
        pseudo_vertaler pseudo;
        const auto zet = [&pseudo](bool aan) {
            aan ? QCoreApplication::installTranslator(&pseudo)
                : QCoreApplication::removeTranslator(&pseudo);
            QApplication::processEvents();
        };
        zet(true);
        QCOMPARE(onvertaald(teams, namen).join("; "), QString());
        QCOMPARE(onvertaald(s.speelbord, namen).join("; "), QString());
        QTest::keyClicks(s.in<QLineEdit>(teams, "tb_naam_speler_3"), namen[1]);
        s.klik(s.in(teams, "knp_voeg_speler_toe"));
        s.wissel(2, {1, 2});
        s.vooruit();
        QList<QWidget*> vensters{&s.speelbord, s.wissel_open(2, {2})};
        s.programma.wissel_klas();
        vensters << s.programma.klas();
        s.programma.klok().wissel();
        s.menu("round timer...")->trigger();
        vensters << s.speelbord.findChild<frm_klok*>();
#ifdef CORVANTA_STANDEN
        s.programma.toon_standen();
        vensters << &s.programma.standen()->venster();
        QCOMPARE(s.programma.standen()->tip(1, 2).front(), QChar('['));
#endif
        for (bool opnieuw : {false, true}) {
            zet(!opnieuw);
            zet(true);
            for (QWidget* venster : vensters) {
                QCOMPARE(onvertaald(*venster, namen).join("; "), QString());
            }
        }
        for (QAction* a : s.speelbord.actions()) {
            QVERIFY2(a->text().startsWith("["), qPrintable(a->text()));
        }
        modale_vragen vragen;
        vragen.antwoord("[Cancel~~~]");
        QVERIFY(!s.speelbord.close());
        QCOMPARE(vragen.gezien.size(), 5);
        for (int i : {0, 1, 3, 4}) {
            QVERIFY2(vragen.gezien[i].startsWith("["), qPrintable(vragen.gezien[i]));
        }
        zet(false);
    }

    // A game in Dutch: Dutch captions, none cut off at the designed size or the smallest the
    // board allows, in the board and both dialogs, which open at the board's scale.
    void nederlands_past_data() {
        QTest::addColumn<double>("schaal");
        QTest::newRow("designed") << 1.0;
        QTest::newRow("smallest") << 0.5;
    }
    void nederlands_past() {
        QFETCH(double, schaal);
        const auto nl = in_taal("nl");
        spel_met_vensters s;
        s.speelbord.resize(QSize(1016, 745) * schaal);
        frm_voeg_speler_toe teams(s.cpt_ui, s.pion, s.speelbord.schaal());
        QCOMPARE(afgekapt(teams).join(", "), QString());
        s.teams({{1, "Rood"}, {2, "Groen"}});
        frm_voeg_systeem_toe* systemen = s.wissel_open(5, {1});
        QCOMPARE(afgekapt(*systemen).join(", "), QString());
        QCOMPARE(afgekapt(s.speelbord).join(", "), QString());
        QCOMPARE(s.op_bord<QPushButton>("knp_voeg_systeem_toe_5")->text(), "systemen plaatsen");
    }

    // Switching live, from Dutch to English and back, keeps the game, the names half typed in
    // the add-teams dialog and the focus; every open window changes at once, the class view and
    // what a screen reader hears of the round timer too.
    void live_wisselen() {
        const auto nl = in_taal("nl");
        spel_met_vensters s;
        frm_voeg_speler_toe& teams = s.cpt_ui.voeg_speler_toe();
        auto* vak = s.in<QLineEdit>(teams, "tb_naam_speler_2");
        QTest::keyClicks(vak, "Gro");
        vak->setFocus();
        taal::zet("en");
        QApplication::processEvents();
        QCOMPARE(s.in<QPushButton>(teams, "knp_voeg_speler_toe")->text(), "add teams");
        QCOMPARE(vak->text(), "Gro");
        QCOMPARE(teams.focusWidget(), vak);
        QTest::keyClicks(vak, "en");
        s.klik(s.in(teams, "knp_voeg_speler_toe"));
        s.wissel(1, {1});
        s.vooruit();
        s.programma.wissel_klas();
        s.programma.klok().wissel();
        const QString totaal = s.tekst("tb_marktaandeel_speler_1");
        taal::zet("nl");
        QApplication::processEvents();
        QApplication::processEvents(); // the class view draws once the event loop comes round
        QCOMPARE(s.op_bord("lbl_klok")->accessibleName(),
                 "rondetimer loopt, nog hooguit 5 minuten");
        QCOMPARE(s.tekst("tb_naam_speler_1"), "Groen");
        QCOMPARE(s.tekst("tb_marktaandeel_speler_1"), totaal);
        QCOMPARE(s.klas_anders_dan_bord(), QString());
    }

    // A number drawn from pictures of its characters looks as a plain label of it would, at any
    // alignment and after a change of font or screen: its ink covers the same place, to a pixel,
    // and as much of it.
    void groot_getal_als_label() {
        const auto inkt = [](const QImage& beeld) {
            QRect omtrek;
            int pixels = 0;
            for (int i = 0; i < beeld.width() * beeld.height(); ++i) {
                const QPoint p(i % beeld.width(), i / beeld.width());
                if (qGray(beeld.pixel(p)) < 128) {
                    omtrek |= QRect(p, QSize(1, 1));
                    ++pixels;
                }
            }
            return std::pair{omtrek, pixels};
        };
        for (const Qt::Alignment richting :
             {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignBottom,
              Qt::Alignment(Qt::AlignCenter)}) {
            QLabel gewoon("32767");
            groot_getal getal("32767");
            getal.grab(); // its characters drawn once at the default font, then made anew
            for (QLabel* label : {&gewoon, static_cast<QLabel*>(&getal)}) {
                label->setFont(lettertype::maak(96));
                label->setAlignment(richting);
                label->resize(600, 160);
            }
            const auto [waar, hoeveel] = inkt(gewoon.grab().toImage());
            const auto [getal_waar, getal_hoeveel] = inkt(getal.grab().toImage());
            // Each edge apart: without fontconfig's hinting, as on Windows, glyphs need not stand
            // on whole pixels.
            for (const QPoint hoek : {getal_waar.topLeft() - waar.topLeft(),
                                      getal_waar.bottomRight() - waar.bottomRight()}) {
                QCOMPARE_LE(std::abs(hoek.x()), 1);
                QCOMPARE_LE(std::abs(hoek.y()), 1);
            }
            QCOMPARE_LT(std::abs(getal_hoeveel - hoeveel), hoeveel / 50);
        }
        // Moved to a screen of another pixel ratio, it draws its characters anew, as sharp as a
        // number drawn there at first.
        groot_getal verhuisd("32767"), daar("32767");
        verhuisd.grab();
        for (groot_getal* getal : {&verhuisd, &daar}) {
            getal->setScreen(QGuiApplication::screens().at(2));
        }
        QCOMPARE(verhuisd.grab().toImage(), daar.grab().toImage());
    }

    // Full screen on 1920 x 1080 with four teams on every square, the digits of every share and
    // total stand at least 1/25 of the screen's height, the year's taller and the round timer's
    // as tall; every text fits its place, in either language, 59:59 too; a long name is cut at
    // its end; nothing stands outside the view.
    void klas_leesbaar_data() {
        QTest::addColumn<QString>("taal");
        QTest::newRow("English") << "en";
        QTest::newRow("Dutch") << "nl";
    }
    void klas_leesbaar() {
        QFETCH(QString, taal);
        const auto gekozen = in_taal(qPrintable(taal));
        spel_met_vensters s(QGuiApplication::screens().at(1));
        const QString lang = "Internationale Handelsmaatschappij";
        s.teams({{1, lang}, {2, "B"}, {3, "C"}, {4, "D"}});
        for (int v = 1; v <= 9; ++v) {
            s.wissel(v, {1, 2, 3, 4});
        }
        s.vooruit();
        s.wissel(1, {1});
        s.vooruit();
        s.programma.klok().stel_in(cls_klok::langste);
        s.programma.wissel_klas();
        frm_klas& klas = *s.programma.klas();
        QTRY_COMPARE(klas.size(), QSize(1920, 1080));
        const auto cijfers = [](const QWidget* c) {
            return QFontMetrics(c->font()).tightBoundingRect("0123456789").height();
        };
        // Too small digits, a text wider than its place, two texts over one another.
        const auto fouten = [&](int jaar) {
            klas.kies_jaar(jaar);
            QApplication::processEvents();
            QStringList fout = afgekapt(klas);
            // Where a control stands in the view, also one inside a square's frame.
            const auto plek = [&klas](const QWidget* c) {
                return QRect(c->mapTo(&klas, QPoint()), c->size());
            };
            for (const QWidget* c : klas.findChildren<QWidget*>()) {
                if (!klas.rect().contains(plek(c))) {
                    fout << c->objectName() + " outside";
                }
            }
            const QList<QLabel*> labels = klas.findChildren<QLabel*>();
            for (const QLabel* c : labels) {
                if (!c->isVisibleTo(&klas)) {
                    continue;
                }
                if (c->objectName().contains("marktaandeel") && klas.height() == 1080 &&
                    cijfers(c) < 1080 / 25) {
                    fout << c->objectName() + " small";
                }
                for (const QLabel* ander : labels) {
                    if (c < ander && ander->isVisibleTo(&klas) && plek(c).intersects(plek(ander))) {
                        fout << c->objectName() + " over " + ander->objectName();
                    }
                }
            }
            return fout.join(", ");
        };
        // Live, the first year replayed (every system new), the second (one taken away).
        for (int jaar : {0, 1, 2}) {
            QCOMPARE(fouten(jaar), QString());
        }
        QCOMPARE_GT(cijfers(s.in(klas, "lbl_ronde_nummer")), 2 * 1080 / 25);
        QCOMPARE_GE(cijfers(s.in(klas, "lbl_klok")), cijfers(s.in(klas, "lbl_ronde_nummer")));
        QCOMPARE(s.in<QLabel>(klas, "lbl_klok")->text(), "59:59");
        // The long name's team left square 1 in the year replayed now: it stands last.
        const QString naam = s.in<QLabel>(klas, "lbl_naam_speler_4")->text();
        QVERIFY2(naam.endsWith(QChar(0x2026)), qPrintable(naam));
        QVERIFY2(lang.startsWith(naam.chopped(1)), qPrintable(naam));
        klas.setWindowState(Qt::WindowNoState);
        klas.resize(QSize(1920, 1080) * 0.3);
        QCOMPARE(fouten(1), QString());
    }

    // The round timer from the board: T starts it, the menu pauses it and its entry then says
    // "start"; a T typed into a name box is a letter of the name; Shift+T and "forward" stop it
    // at the full time. A screen reader hears whole minutes while it runs, the exact time while
    // it stands. A stopped clock costs nothing: while it runs a timer wakes the program, once
    // paused none.
    void klok_bedienen() {
        using namespace std::chrono_literals;
        spel_met_vensters s;
        s.teams({{1, "Een"}, {2, "Twee"}});
        auto* klok = s.op_bord<QLabel>("lbl_klok");
        struct teller : QObject {
            int tikken = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                tikken += e->type() == QEvent::Timer ? 1 : 0;
                return false;
            }
        } t;
        QApplication::instance()->installEventFilter(&t);
        const auto tikken = [&t] { // over a second of real time
            t.tikken = 0;
            QTest::qWait(1100);
            return t.tikken;
        };
        QVERIFY(s.menu("start timer"));
        s.toets(&s.speelbord, Qt::Key_T);
        QCOMPARE_GT(tikken(), 0);
        s.tijd += 61500ms;
        s.programma.klok().kijk();
        QCOMPARE(klok->text(), "3:59");
        QCOMPARE(klok->accessibleName(), "round timer running, at most 4 minutes left");
        s.menu("pause timer")->trigger();
        QCOMPARE(tikken(), 0);
        QCOMPARE(klok->accessibleName(), "round timer, 3 minutes 59 seconds left");
        QTest::keyClicks(s.op_bord("tb_naam_speler_1"), "T");
        QCOMPARE(s.tbl_speler.rij(1)->speler_naam(), "TEen");
        QVERIFY(s.menu("start timer"));
        QTest::keyClick(&s.speelbord, Qt::Key_T, Qt::ShiftModifier);
        QCOMPARE(klok->text(), "5:00");
        QTest::keyClick(&s.speelbord, Qt::Key_T);
        s.tijd += 2s;
        s.vooruit();
        QCOMPARE(klok->text(), "5:00");
        QVERIFY(!s.programma.klok().klok().loopt());
        s.menu("mute chime")->trigger();
        QVERIFY(s.programma.klok().gedempt());
    }

    // "round timer..." opens frm_klok at the clock's time, 5:00 at first, and takes a time typed
    // as a person types it: over the time shown, after selecting it anew or after a Backspace,
    // minutes and seconds or whole minutes; Up and Down reach every time from 0:10 to 59:59.
    // Enter sets the clock to it; a time the clock cannot take is refused only then, with the
    // reason shown.
    void klok_instellen_data() {
        using toetsen = QList<QKeyCombination>;
        QTest::addColumn<toetsen>("eerst");
        QTest::addColumn<QString>("typen");
        QTest::addColumn<int>("seconden"); // 0: refused
        const QKeyCombination einde(Qt::Key_End), alles(Qt::CTRL | Qt::Key_A),
            terug(Qt::Key_Backspace), min(Qt::Key_PageDown), plus(Qt::Key_PageUp), op(Qt::Key_Up),
            neer(Qt::Key_Down);
        QTest::newRow("over the time shown") << toetsen{} << "0:15" << 15;
        QTest::newRow("selected anew") << toetsen{einde, alles} << "45:00" << 45 * 60;
        QTest::newRow("after Backspace") << toetsen{terug} << "2:30" << 150;
        QTest::newRow("whole minutes") << toetsen{} << "7" << 7 * 60;
        QTest::newRow("up from the shortest") << toetsen{min, min, min, min, min, op} << "" << 11;
        QTest::newRow("down from the longest") << toetsen(55, plus) + toetsen{neer} << "" << 3598;
        QTest::newRow("too short") << toetsen{} << "0:05" << 0;
    }
    void klok_instellen() {
        QFETCH(QList<QKeyCombination>, eerst);
        QFETCH(QString, typen);
        QFETCH(int, seconden);
        spel_met_vensters s;
        s.teams({{1, "Een"}});
        s.menu("round timer...")->trigger();
        auto* d = s.speelbord.findChild<frm_klok*>();
        auto* tijd = d->findChild<QLineEdit*>("tb_klok_tijd");
        QCOMPARE(tijd->text(), "5:00");
        for (const QKeyCombination toets : eerst) {
            QTest::keyClick(tijd, toets.key(), toets.keyboardModifiers());
        }
        QTest::keyClicks(tijd, typen);
        QTest::keyClick(tijd, Qt::Key_Enter);
        QCOMPARE(s.programma.klok().klok().ingesteld().count(), seconden ? seconden : 300);
        QCOMPARE(s.getoond("lbl_klok"), seconden != 0);
        QCOMPARE(d->findChild<QLabel*>("lbl_reden")->isVisible(), seconden == 0);
    }

    // The class view shows the board's time, large: in the last minute both clocks turn bold,
    // the board's red, the class view's light on dark; at 0:00 the class view says "time's up"
    // and a screen reader hears so from the board. T at that instant, before the clock has been
    // looked at again, starts nothing and still sounds the chime.
    void klok_loopt_af() {
        using namespace std::chrono_literals;
        spel_met_vensters s;
        s.teams({{1, "Een"}});
        s.programma.wissel_klas();
        frm_klas& klas = *s.programma.klas();
        auto* bord = s.op_bord<QLabel>("lbl_klok");
        auto* groot = s.in<QLabel>(klas, "lbl_klok");
        s.programma.klok().stel_in(70s);
        s.programma.klok().wissel();
        QCOMPARE(bord->font().bold(), false);
        s.tijd += 10s;
        s.programma.klok().kijk();
        QCOMPARE(bord->accessibleName(), "round timer running, last minute");
        QCOMPARE(bord->font().bold(), true);
        QCOMPARE_GT(bord->palette().color(QPalette::WindowText).red(), 128);
        QCOMPARE(groot->font().bold(), true);
        QCOMPARE_LT(qGray(groot->palette().color(QPalette::Window).rgb()), 64);
        s.tijd += 60s;
        QSignalSpy chime(&s.programma.klok(), &rondeklok::tijd_om);
        s.toets(&s.speelbord, Qt::Key_T);
        QCOMPARE(chime.count(), 1);
        QVERIFY(!s.programma.klok().klok().loopt());
        QCOMPARE(s.klas_anders_dan_bord(), QString());
        QCOMPARE(bord->text(), "0:00");
        QCOMPARE(s.in<QLabel>(klas, "lbl_klok_text")->text(), "time's up");
        QCOMPARE(bord->accessibleName(), "round timer, time's up");
    }

#ifdef CORVANTA_STANDEN
    // A long game's line: after any sequence of changes, none at first, its points are those
    // drawn anew from its values, each run of years as its lowest and highest in their order,
    // never more than Qt Charts can redraw at a press.
    void verloop_dunt_uit() {
        QLineSeries lijn, opnieuw;
        verloop v(lijn), vers(opnieuw);
        QRandomGenerator rng(7);
        std::vector<double> waarden;
        for (int zet = 0; zet < 3000; ++zet) {
            v.toon(); // the first time new, without a year
            QCOMPARE_LE(lijn.count(), 2 * verloop::meeste_runs);
            const int keuze = rng.bounded(10);
            if (keuze < 7 || waarden.empty()) {
                for (int i = 0, n = rng.bounded(1, 40); i < n; ++i) {
                    waarden.push_back(rng.bounded(900.0));
                    v.zet(static_cast<int>(waarden.size()), waarden.back());
                }
            } else if (keuze < 8) {
                waarden.back() = rng.bounded(900.0);
                v.zet(static_cast<int>(waarden.size()), waarden.back());
            } else {
                waarden.resize(waarden.size() -
                               std::min<std::size_t>(waarden.size() - 1, rng.bounded(1, 60)));
                v.kort_in(static_cast<int>(waarden.size()));
            }
        }
        v.toon();
        vers.vul(waarden);
        vers.toon();
        QCOMPARE(lijn.points(), opnieuw.points());
        QCOMPARE_GT(waarden.size(), std::size_t{5000});
    }
#endif
};

QTEST_MAIN(tst_vensters)
#include "tst_vensters.moc"
