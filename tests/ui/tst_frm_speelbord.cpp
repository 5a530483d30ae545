#include "services/cls_subcpt_ui.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
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

    // A game with a team per team number given, in that order, drawn as the facade draws it.
    void begin(std::initializer_list<std::int16_t> team_nummers) {
        subcpt_ui.srvc_initialiseer_spel();
        for (std::int16_t t : team_nummers) {
            subcpt_ui.srvc_voeg_speler_toe("team " + std::to_string(t), t,
                                           static_cast<std::int16_t>(4 * t - 3));
        }
        speelbord.initialiseer();
        speelbord.refresh_me();
    }
    void plaats(std::int16_t rij, std::int16_t vak) { subcpt_ui.srvc_voeg_systeem_toe(rij, vak); }
    // Shows the window at this multiple of its designed size.
    void op_schaal(double schaal) {
        speelbord.show();
        speelbord.resize(qRound(1016 * schaal), qRound(745 * schaal));
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
    QString tekst(const QString& naam) const { return control<QLineEdit>(naam)->text(); }
    QList<QWidget*> controls() const {
        return speelbord.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    }
    bool zichtbaar(const QString& naam) const { return control(naam)->isVisibleTo(&speelbord); }
    bool pion_is(const QString& naam, int pion_nummer) const {
        return control<QLabel>(naam)->pixmap().toImage() == pion.im_pion(pion_nummer).toImage();
    }
};

QString naam(const char* array, int index) {
    return QString("%1_%2").arg(array).arg(index);
}

// Frames' top-left corners in twips, squares 1 to 9, and the y offsets of slots 4v to 4v + 3.
constexpr int vak_x[] = {0, 6000, 8760, 11520, 6000, 8760, 11520, 6000, 8760, 11520};
constexpr int vak_y[] = {0, 1320, 1320, 1320, 3960, 3960, 3960, 6600, 6600, 6600};
constexpr int slot_y[] = {2160, 1800, 1440, 1080};

// The box a control draws its text in and the baseline it uses, as Qt lays the text out.
std::pair<QRect, int> tekstvak(QWidget* c, const QFontMetrics& fm) {
    QRect vak = c->contentsRect();
    int marge = 0; // QLineEdit centres with a rounding of its own
    if (auto* knop = qobject_cast<QPushButton*>(c)) {
        QStyleOptionButton optie;
        optie.initFrom(knop);
        vak = knop->style()->subElementRect(QStyle::SE_PushButtonContents, &optie, knop);
    } else if (auto* regel = qobject_cast<QLineEdit*>(c)) {
        QStyleOptionFrame optie;
        optie.initFrom(regel);
        optie.lineWidth = regel->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &optie, regel);
        vak = regel->style()->subElementRect(QStyle::SE_LineEditContents, &optie, regel);
        vak = vak.marginsRemoved(regel->textMargins()).adjusted(2, 0, -2, 0);
        marge = 1;
    }
    return {vak, vak.top() + (vak.height() - fm.height() + marge) / 2 + fm.ascent()};
}

// Each edge and size of a rectangle within one pixel of another's.
bool bijna(const QRect& a, const QRect& b) {
    return qAbs(a.left() - b.left()) <= 1 && qAbs(a.top() - b.top()) <= 1 &&
           qAbs(a.width() - b.width()) <= 1 && qAbs(a.height() - b.height()) <= 1;
}

// Whether a dark pixel lies in this part of a picture, given in the window's coordinates.
bool donker_in(const QImage& beeld, const QRectF& deel) {
    const QRect pixels =
        QRectF(deel.topLeft() * beeld.devicePixelRatio(), deel.size() * beeld.devicePixelRatio())
            .toAlignedRect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (qGray(beeld.pixel(x, y)) < 100) {
                return true;
            }
        }
    }
    return false;
}

QScreen* scherm(const QString& naam) {
    for (QScreen* s : QGuiApplication::screens()) {
        if (s->name() == naam) {
            return s;
        }
    }
    throw std::logic_error("no screen " + naam.toStdString());
}

// How many rows of an image differ from another's: the height of what was drawn between them.
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

// The rows a text takes drawn on its own, with nothing to cut it off.
int inkt_rijen_los(const QString& tekst, const QFont& font) {
    QImage leeg(200, 200, QImage::Format_RGB32);
    leeg.fill(Qt::white);
    QImage beschreven = leeg;
    QPainter schilder(&beschreven);
    schilder.setFont(font);
    schilder.drawText(20, 100, tekst);
    schilder.end();
    return inkt_rijen(beschreven, leeg);
}

} // namespace

class tst_frm_speelbord : public QObject {
    Q_OBJECT

private slots:
    // Every control stands where the layout puts it (twips / 15), in its font, and is shown
    // and enabled as the window loads: team rows hidden, "rewind" off until the first refresh.
    void layout_at_load_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<double>("punten"); // 0: the window's default font
        QTest::addColumn<bool>("zichtbaar");
        auto rij = [](const QString& n, QRect r, double p = 0, bool z = true) {
            QTest::newRow(qPrintable(n)) << n << r << p << z;
        };
        rij("knp_achteruit", {960, 1440, 1575, 495}, 13.5);
        rij("knp_vooruit", {2760, 1440, 1575, 495}, 13.5);
        rij("lbl_ronde_text", {1200, 2160, 1335, 375}, 13.5);
        rij("lbl_ronde_nummer", {2760, 2160, 495, 375}, 13.5);
        rij("shp_background_scoreboard", {960, 2760, 3375, 2175});
        rij("lbl_speler", {1200, 2880, 1095, 375}, 13.5);
        rij("lbl_marktaandeel", {2760, 2880, 1335, 375}, 13.5);
        rij("im_background", {0, 0, 15255, 11175});
        for (int r = 1; r <= 4; ++r) {
            const int y = 3360 + 360 * (r - 1);
            rij(naam("tb_naam_speler", r), {1200, y, 1095, 285}, 0, false);
            rij(naam("im_pion_speler", r), {2520, y, 255, 255}, 0, false);
            rij(naam("tb_marktaandeel_speler", r), {3000, y, 1095, 285}, 0, false);
        }
        for (int v = 1; v <= 9; ++v) {
            const int x = vak_x[v];
            const int y = vak_y[v];
            rij(naam("Shape1", v), {x, y, 2655, 2535});
            rij(naam("lbl_vak_nummer", v), {x + 120, y + 120, 255, 375}, 18);
            rij(naam("knp_voeg_systeem_toe", v), {x + 600, y + 120, 1935, 495});
            rij(naam("lbl_marktaandeel_systeem", v), {x + 1080, y + 720, 1455, 255});
            rij(naam("Line1", v), {x, y + 960, 2655, 15}); // offsets 0 to 2640, one pixel high
            for (int k = 0; k < 4; ++k) {
                rij(naam("im_nieuw", 4 * v + k), {x + 120, y + slot_y[k], 255, 255});
                rij(naam("tb_marktaandeel_systeem", 4 * v + k),
                    {x + 720, y + slot_y[k], 1695, 285});
            }
        }
    }
    void layout_at_load() {
        QFETCH(QString, naam);
        QFETCH(QRect, twips);
        QFETCH(double, punten);
        QFETCH(bool, zichtbaar);
        bord b;
        const QWidget* c = b.control(naam);
        QCOMPARE(c->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        QCOMPARE(c->font().pointSizeF(), punten == 0 ? b.speelbord.font().pointSizeF() : punten);
        QCOMPARE(QFontInfo(c->font()).family(), QString("Liberation Sans"));
        QCOMPARE(c->isVisibleTo(&b.speelbord), zichtbaar);
        QCOMPARE(c->isEnabled(), naam != "knp_achteruit");
        QVERIFY(!c->accessibleName().isEmpty());
    }

    void window_and_square_frames() {
        bord b;
        QCOMPARE(b.speelbord.windowTitle(), QString("Corvanta 5"));
        QCOMPARE(b.speelbord.size(), QSize(1016, 745));
        QCOMPARE(b.speelbord.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QVERIFY(b.speelbord.minimumSize().height() >= 745 / 2);
        for (const QLabel* label : b.speelbord.findChildren<QLabel*>()) {
            QVERIFY2(!label->autoFillBackground(), qPrintable(label->objectName()));
        }
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
        QCOMPARE(&b.speelbord.lbl_vak_nummer(9), b.control<QLabel>("lbl_vak_nummer_9"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, b.speelbord.lbl_vak_nummer(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, b.speelbord.lbl_vak_nummer(10));
    }

    void tab_order_starts_at_forward() {
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

    // Captions and the widest share texts fit their boxes in the embedded font, at the designed
    // size and at twice it. A square number has no descender, so its ink, not the full 27-pixel
    // line, must fit the 25-pixel box; every other text fits with its whole line.
    void text_fits_its_box_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("tekst"); // empty: the control's own caption
        QTest::addColumn<double>("schaal");
        for (double schaal : {1.0, 2.0}) {
            auto rij = [schaal](const QString& n, const QString& t = {}) {
                QTest::addRow("%s %s x%g", qPrintable(n), qPrintable(t), schaal)
                    << n << t << schaal;
            };
            for (const char* n :
                 {"knp_achteruit", "knp_vooruit", "knp_voeg_systeem_toe_1", "lbl_ronde_text",
                  "lbl_speler", "lbl_marktaandeel", "lbl_marktaandeel_systeem_1"}) {
                rij(n);
            }
            for (int v = 1; v <= 9; ++v) {
                rij(naam("lbl_vak_nummer", v));
            }
            // The round's box holds three digits; a classroom game never reaches round 1000.
            rij("lbl_ronde_nummer", "999");
            for (const char* tekst : {"-100", "900", "0"}) {
                rij("tb_marktaandeel_speler_1", tekst);
                rij("tb_marktaandeel_systeem_4", tekst);
            }
        }
    }
    void text_fits_its_box() {
        QFETCH(QString, naam);
        QFETCH(QString, tekst);
        QFETCH(double, schaal);
        bord b;
        b.op_schaal(schaal);
        QWidget* c = b.control(naam);
        if (tekst.isEmpty()) {
            auto* knop = qobject_cast<QPushButton*>(c);
            tekst = knop ? knop->text() : qobject_cast<QLabel*>(c)->text();
        }
        const QFontMetrics fm(c->font());
        const auto [vak, basislijn] = tekstvak(c, fm);
        const int breedte = fm.horizontalAdvance(tekst);
        const int links =
            qobject_cast<QPushButton*>(c) ? vak.left() + (vak.width() - breedte) / 2 : vak.left();
        QVERIFY(breedte <= vak.right() - links + 1);
        QVERIFY(vak.contains(fm.tightBoundingRect(tekst).translated(links, basislijn)));
        QVERIFY(naam.startsWith("lbl_vak_nummer") || fm.height() <= vak.height());
    }

    // Accented capitals and descenders are drawn whole in every kind of text box, at every
    // scale from the smallest window up.
    void text_boxes_draw_accents_whole() {
        bord b;
        b.begin({1});
        b.plaats(1, 1);
        b.speelbord.refresh_me();
        const QString tekst = QString::fromUtf8("\u00c9y");
        for (int procent = 50; procent <= 400; procent += 5) {
            b.op_schaal(procent / 100.0);
            for (const char* n :
                 {"tb_naam_speler_1", "tb_marktaandeel_speler_1", "tb_marktaandeel_systeem_7"}) {
                auto* vak = b.control<QLineEdit>(n);
                vak->clear();
                const QImage leeg = vak->grab().toImage();
                vak->setText(tekst);
                QVERIFY2(inkt_rijen(vak->grab().toImage(), leeg) ==
                             inkt_rijen_los(tekst, vak->font()),
                         qPrintable(QString("%1 at %2 %").arg(n).arg(procent)));
            }
        }
    }

    // The whole board scales with its window: every control's rectangle is its designed one
    // times the scale within a pixel, its font and its lines scale too, and the board stands in
    // the middle of a window of any shape.
    void scales_with_its_window_data() {
        QTest::addColumn<QSize>("venster");
        QTest::addColumn<double>("schaal");
        QTest::newRow("twice") << QSize(2032, 1490) << 2.0;
        QTest::newRow("smallest") << QSize(508, 373) << 0.5;
        QTest::newRow("full hd, wider") << QSize(1920, 1080) << 1080 / 745.0;
        QTest::newRow("taller") << QSize(1016, 1400) << 1.0;
    }
    void scales_with_its_window() {
        QFETCH(QSize, venster);
        QFETCH(double, schaal);
        bord b;
        struct ontwerp {
            QWidget* control;
            QRect plaats;
            double punten;
            int lijn;
        };
        std::vector<ontwerp> ontworpen;
        for (QWidget* c : b.controls()) {
            auto* kader = qobject_cast<QFrame*>(c);
            const bool lijnen = kader && kader->frameShape() != QFrame::NoFrame;
            ontworpen.push_back(
                {c, c->geometry(), c->font().pointSizeF(), lijnen ? kader->lineWidth() : 0});
        }
        b.speelbord.show();
        b.speelbord.resize(venster);
        QCOMPARE(b.speelbord.schaal(), schaal);
        const QPoint marge((venster.width() - qRound(1016 * schaal)) / 2,
                           (venster.height() - qRound(745 * schaal)) / 2);
        for (const ontwerp& o : ontworpen) {
            const QRect verwacht(marge + o.plaats.topLeft() * schaal, o.plaats.size() * schaal);
            const QByteArray wat = o.control->objectName().toUtf8();
            QVERIFY2(bijna(o.control->geometry(), verwacht), wat);
            QVERIFY2(qFuzzyCompare(o.control->font().pointSizeF(), o.punten * schaal), wat);
            QVERIFY2(o.lijn == 0 || qobject_cast<QFrame*>(o.control)->lineWidth() ==
                                        std::max(1, qRound(o.lijn * schaal)),
                     wat);
        }
    }

    // It opens at its designed size where that fits the screen's free area with its frame, and
    // as large as fits where it does not; centred either way.
    void opens_on_the_screen_data() {
        QTest::addColumn<QString>("scherm_naam");
        QTest::addColumn<bool>("ontworpen_maat");
        QTest::newRow("1920 x 1080") << "1 projector" << true;
        QTest::newRow("1024 x 768 at 125 %") << "2 laptop 125%" << false;
    }
    void opens_on_the_screen() {
        QFETCH(QString, scherm_naam);
        QFETCH(bool, ontworpen_maat);
        bord b;
        b.speelbord.setScreen(scherm(scherm_naam));
        b.speelbord.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.speelbord));
        const QRect vrij = scherm(scherm_naam)->availableGeometry();
        const QRect buiten = b.speelbord.frameGeometry();
        QVERIFY(buiten != b.speelbord.geometry());
        QVERIFY(vrij.contains(buiten));
        QVERIFY((buiten.center() - vrij.center()).manhattanLength() <= 2);
        if (ontworpen_maat) {
            QCOMPARE(b.speelbord.size(), QSize(1016, 745));
        } else {
            QVERIFY(buiten.width() >= vrij.width() - 1 || buiten.height() >= vrij.height() - 1);
        }
    }

    // On a desktop scaled to 125 %, where a pixel of the window is a pixel and a quarter of the
    // screen, every square's frame keeps all four edges at any size of the window.
    void frames_keep_their_edges_at_125_percent() {
        bord b;
        QScreen* laptop = scherm("2 laptop 125%");
        b.speelbord.setScreen(laptop);
        b.speelbord.move(laptop->geometry().topLeft());
        b.speelbord.show();
        for (int breedte = 700; breedte <= 819; breedte += 3) {
            b.speelbord.resize(breedte, breedte * 745 / 1016);
            const QImage beeld = b.speelbord.grab().toImage();
            QCOMPARE(beeld.devicePixelRatio(), 1.25);
            for (int v = 1; v <= 9; ++v) {
                const QRect k = b.control(naam("Shape1", v))->geometry();
                const QPointF m = QRectF(k).center();
                const QString wat = QString("square %1 at width %2").arg(v).arg(breedte);
                for (const QPointF& rand : {QPointF(k.left(), m.y()), QPointF(k.right(), m.y()),
                                            QPointF(m.x(), k.top()), QPointF(m.x(), k.bottom())}) {
                    QVERIFY2(donker_in(beeld, {rand, QSizeF(1, 1)}), qPrintable(wat));
                }
            }
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
    }

    void teams_fill_their_rows() {
        bord b;
        QCOMPARE(b.speelbord.inverse_volgorde(), (cls_subcpt_ui::per_team_int{0, 1, 2, 3, 4}));
        b.begin({1, 3});
        for (int r = 1; r <= 4; ++r) {
            for (const char* deel :
                 {"tb_naam_speler", "im_pion_speler", "tb_marktaandeel_speler"}) {
                QCOMPARE(b.zichtbaar(naam(deel, r)), r <= 2);
            }
        }
        QCOMPARE(b.tekst("tb_naam_speler_2"), QString("team 3"));
        QVERIFY(b.pion_is("im_pion_speler_1", 1) && b.pion_is("im_pion_speler_2", 9));
        QCOMPARE(b.tekst("tb_marktaandeel_speler_1"), QString("0"));

        // A name longer than its box shows its beginning after every redraw, also once typing
        // has left the cursor at its end.
        auto* naam_vak = b.control<QLineEdit>("tb_naam_speler_1");
        QCOMPARE(naam_vak->cursorPosition(), 0);
        QTest::keyClicks(naam_vak, " International Holding BV");
        QVERIFY(naam_vak->cursorPosition() > 0);
        b.speelbord.refresh_me();
        QCOMPARE(naam_vak->cursorPosition(), 0);
    }

    // "rewind" never offers to drop the only board; "forward" never offers to overflow the round.
    void navigation_buttons_follow_the_round() {
        bord b;
        b.begin({1, 2});
        QVERIFY(!b.control("knp_achteruit")->isEnabled());
        b.vooruit();
        QVERIFY(b.control("knp_achteruit")->isEnabled());
        QCOMPARE(b.control<QLabel>("lbl_ronde_nummer")->text(), QString("2"));

        // One board object stands in for every round up to the last one the Integer holds.
        for (int r = 3; r <= 32767; ++r) {
            b.tbl_speelbord.voeg_toe(b.tbl_speelbord.rij(2));
        }
        b.status.ronde(32766);
        b.speelbord.refresh_me();
        QVERIFY(b.control("knp_vooruit")->isEnabled());
        b.status.ronde(32767);
        b.speelbord.refresh_me();
        QVERIFY(!b.control("knp_vooruit")->isEnabled());
    }

    void leading_team_shows_in_the_top_row() {
        bord b;
        b.begin({1, 2, 3});
        b.plaats(3, 1);
        b.plaats(3, 2);
        b.plaats(1, 2);
        b.vooruit(); // row 3: 1 + 2/3, row 1: 1/3
        QCOMPARE(b.speelbord.inverse_volgorde()[1], std::int16_t{3});
        QCOMPARE(b.tekst("tb_naam_speler_1"), QString("team 3"));
        QVERIFY(b.pion_is("im_pion_speler_1", 9));
        QCOMPARE(b.tekst("tb_marktaandeel_speler_1"), QString("167"));
        QCOMPARE(b.tekst("tb_naam_speler_2"), QString("team 1"));
        QCOMPARE(b.tekst("tb_marktaandeel_speler_2"), QString("33"));
    }

    // A square's systems take its lines from the top in team-number order, leaving no gap.
    void systems_fill_a_square_from_the_top() {
        bord b;
        b.begin({1, 2, 3, 4});
        b.plaats(4, 5);
        b.plaats(2, 5);
        for (std::int16_t rij = 1; rij <= 4; ++rij) {
            b.plaats(rij, 1);
        }
        b.vooruit();
        QVERIFY(b.pion_is("im_nieuw_23", 5) && b.pion_is("im_nieuw_22", 13));
        QCOMPARE(b.tekst("tb_marktaandeel_systeem_23"), QString("50"));
        QVERIFY(b.pion_is("im_nieuw_7", 1) && b.pion_is("im_nieuw_4", 13));
        b.subcpt_ui.srvc_verwijder_systeem(2, 1);
        b.speelbord.refresh_me();
        QVERIFY(b.pion_is("im_nieuw_6", 9) && b.pion_is("im_nieuw_5", 13));
        for (int i : {21, 20, 4, 9}) {
            QVERIFY(b.control<QLabel>(naam("im_nieuw", i))->pixmap().isNull());
            QVERIFY(!b.zichtbaar(naam("tb_marktaandeel_systeem", i)));
        }
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
