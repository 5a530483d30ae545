#include "../spelleider.h"
#include "services/mdl_start.h"
#include "services/navigatie.h"
#include "spel_met_vensters.h"
#include "ui/board/percentage_tekst.h"

#include <cstdio>
#include <cstring>
#include <limits>
#include <stdexcept>

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

constexpr int laatste_ronde = std::numeric_limits<std::int16_t>::max();

// The game master's hands on the windows: every move is clicks, mixed at random with what else a
// person does at the board: a dialog closed with its close control, a press that the square lock
// holds back.
class venster_handen {
public:
    explicit venster_handen(unsigned zaad) : m_rng(zaad) {}

    // Teams go into random boxes, under random names; one game in eight closes the add-teams
    // dialog unused, and its board is never drawn. The class view follows the game throughout.
    void begin() {
        std::vector<std::pair<int, QString>> namen;
        for (int box = 1; box <= 4; ++box) {
            if (kies(0, 2) != 0) {
                namen.push_back({box, QString(kies(1, 6), QChar(u"abX9 -"[kies(0, 5)]))});
            }
        }
        kies(0, 7) == 0 ? (void)s.cpt_ui.voeg_speler_toe().close() : s.teams(namen);
        s.programma.wissel_klas();
    }

    int aantal_teams() const { return s.tbl_speler.aantal_rijen(); }
    int ronde() const { return m_ronde; }
    bool heeft(int vak, int rij) const {
        return s.cel_aanwezig(static_cast<std::int16_t>(vak),
                              s.tbl_speler.rij(static_cast<std::int16_t>(rij))->team_nummer());
    }

    void wissel(int vak, const std::vector<int>& rijen) {
        frm_voeg_systeem_toe* dialoog = s.wissel_open(vak, rijen);
        // While the dialog holds the square, navigation and the other squares do nothing.
        const QString knop =
            QStringList{"knp_vooruit", "knp_achteruit", "knp_voeg_systeem_toe_1"}.at(kies(0, 2));
        s.klik(s.op_bord(knop));
        m_verkeerd |= s.status.ronde() != m_ronde ||
                      s.speelbord.findChildren<frm_voeg_systeem_toe*>().size() != 1;
        kies(0, 9) == 0 ? (void)dialoog->close() : s.klik(s.in(*dialoog, "knp_voeg_systeem_toe"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void vooruit() {
        s.vooruit();
        ++m_ronde;
    }

    void terug() {
        s.achteruit();
        --m_ronde;
    }

    // What must hold between any two moves: no error at the boundary, no press through the lock;
    // one board per round at step 1 with no square held; and the class view showing what the
    // board shows. (The replay test reads the view against the records; the random games on the
    // rules check every closed round.)
    QString controleer() {
        if (modale_vragen::app().aantal_fouten() != 0 || !m_vragen.onverwacht.isEmpty() ||
            m_verkeerd) {
            return "an error or a press through the lock: " + m_vragen.onverwacht.join("; ");
        }
        if (s.status.ronde() != m_ronde || s.tbl_speelbord.aantal_rijen() != m_ronde ||
            s.status.stap() != 1 || s.status.vak_nummer() != 0 || s.systeem_dialoog()) {
            return QString("round %1, expected %2").arg(s.status.ronde()).arg(m_ronde);
        }
        // Until the first redraw, the board shows as laid out.
        if (s.op_bord<QLabel>("lbl_ronde_nummer")->text().isEmpty()) {
            return {};
        }
        const QString klas = s.klas_anders_dan_bord();
        return klas.isEmpty() ? QString() : "the class view shows another " + klas;
    }

    spel_met_vensters s;

private:
    int kies(int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(m_rng); }

    std::mt19937 m_rng;
    modale_vragen m_vragen;
    int m_ronde = 1;
    // A press went through the lock.
    bool m_verkeerd = false;
};

// Where the class view, replaying closed year jaar, shows other than that year's board and the
// board before it hold, read as a person or a screen reader reads the view: the year and the
// band; the scoreboard's names and totals, highest first; each square's lines from the top in
// team-number order, a present system with its pawn and share, "new" where the board before
// had none, and a system taken away during the year with its pawn, faint, and no share. Empty
// when they agree. Counts the marks it saw.
QString terugblik_anders(const spel_met_vensters& s, std::int16_t jaar, int& nieuw, int& weg) {
    const frm_klas& klas = *s.programma.klas();
    const auto label = [&klas](const QString& naam, int i = 0) {
        return klas.findChild<QLabel*>(i == 0 ? naam : QString("%1_%2").arg(naam).arg(i));
    };
    const auto naam = [&s](std::int16_t rij) {
        return QString::fromStdString(s.tbl_speler.rij(rij)->speler_naam());
    };
    QStringList anders;
    if (label("lbl_ronde_nummer")->text() != QString::number(jaar) ||
        !label("lbl_terugblik")->isVisibleTo(&klas) || label("lbl_terugblik")->text() != "replay" ||
        klas.accessibleName() != QString("replay of fiscal year %1").arg(jaar)) {
        anders << "the heading";
    }
    cls_subcpt_ui::per_team_double totaal{};
    s.subcpt_ui.srvc_bereken_marktaandeel_speler(jaar, totaal);
    QStringList rijen, getoond;
    QList<double> volgorde;
    for (std::int16_t r = 1; r <= s.tbl_speler.aantal_rijen(); ++r) {
        rijen << naam(r) + " " + percentage_tekst(totaal[r]);
        getoond << label("lbl_naam_speler", r)->accessibleName() + " " +
                       label("lbl_marktaandeel_speler", r)->text();
        volgorde << label("lbl_marktaandeel_speler", r)->text().toDouble();
    }
    if (!std::is_permutation(getoond.begin(), getoond.end(), rijen.begin(), rijen.end()) ||
        !std::is_sorted(volgorde.rbegin(), volgorde.rend())) {
        anders << "the scoreboard: " + getoond.join("; ");
    }
    for (std::int16_t v = 1; v <= 9; ++v) {
        QStringList verwacht, vak;
        for (std::int16_t w = 1; w <= 4; ++w) {
            const cls_systeem& cel = *s.tbl_speelbord.rij(jaar)->systeem(v, w);
            const bool ervoor =
                jaar > 1 && s.tbl_speelbord.rij(jaar - 1)->systeem(v, w)->aanwezig();
            if (!cel.aanwezig() && !ervoor) {
                continue;
            }
            const std::int16_t rij = cel.speler_nummer();
            const QString pion =
                frm_pion::beschrijving(s.tbl_speler.rij(rij)->pion_nummer(), naam(rij));
            const QString aandeel = percentage_tekst(cel.marktaandeel());
            const QString wie =
                QString("square %1, %2%3: ").arg(v).arg(naam(rij), ervoor ? "" : ", new this year");
            verwacht << (cel.aanwezig()
                             ? QStringList{pion, aandeel, wie + aandeel, ervoor ? "" : "new"}
                             : QStringList{pion + ", taken away this year", "", "", "taken away"})
                            .join(" | ");
            nieuw += cel.aanwezig() && !ervoor ? 1 : 0;
            weg += cel.aanwezig() ? 0 : 1;
        }
        for (int i = 4 * v + 3; i >= 4 * v; --i) {
            const QLabel* merk = label("lbl_verandering", i);
            if (!label("im_nieuw", i)->pixmap().isNull()) {
                vak << QStringList{label("im_nieuw", i)->accessibleName(),
                                   label("lbl_marktaandeel_systeem", i)->text(),
                                   label("lbl_marktaandeel_systeem", i)->accessibleName(),
                                   merk->isVisibleTo(&klas) ? merk->text() : ""}
                           .join(" | ");
            }
        }
        if (vak != verwacht) {
            anders << QString("square %1: %2 instead of %3")
                          .arg(v)
                          .arg(vak.join("; "), verwacht.join("; "));
        }
    }
    return anders.join(", ");
}

} // namespace

// The whole program under its own application object and error boundary: random play, start-up,
// a game to the last round, and an error at the boundary.
class tst_programma : public QObject {
    Q_OBJECT

private slots:
    // Hundreds of random moves of the game master through the windows for each of eight seeds,
    // each followed by every check; a failure names its seed and move, which replay it.
    void willekeurig_spelen() {
        for (unsigned zaad : {1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u}) {
            venster_handen handen(zaad + 1);
            spelleider leider(zaad, handen);
            handen.begin();
            QString fout = handen.controleer();
            int zet = 0;
            for (; zet < 400 && fout.isEmpty(); ++zet) {
                leider.zet();
                QApplication::processEvents();
                fout = handen.controleer();
            }
            QVERIFY2(fout.isEmpty(),
                     qPrintable(QString("seed %1, move %2: %3").arg(zaad).arg(zet).arg(fout)));
        }
    }

    // A random game of thirteen years, replayed in the class view: Left from the live game
    // steps back through every closed year to year 1, where it stops, and Right forward again to
    // the live game, where it stops; every year shows as its board and the one before hold it,
    // placed, taken away and put back systems among them.
    void terugblik_elk_jaar() {
        venster_handen handen(3);
        spelleider leider(4, handen);
        handen.s.teams({{1, "Noord"}, {2, "Oost"}, {3, "Zuid"}, {4, "West"}});
        handen.s.programma.wissel_klas();
        while (handen.ronde() < 13) {
            leider.zet();
        }
        frm_klas& klas = *handen.s.programma.klas();
        const auto druk = [&klas](Qt::Key toets) {
            spel_met_vensters::toets(&klas, toets);
            QApplication::processEvents();
            return klas.gekozen_jaar();
        };
        int nieuw = 0, weg = 0;
        for (std::int16_t jaar = 12; jaar >= 1; --jaar) {
            QCOMPARE(druk(Qt::Key_Left), jaar);
            QCOMPARE(terugblik_anders(handen.s, jaar, nieuw, weg), QString());
        }
        QCOMPARE(druk(Qt::Key_Left), 1);
        for (std::int16_t jaar = 2; jaar <= 12; ++jaar) {
            QCOMPARE(druk(Qt::Key_Right), jaar);
            QCOMPARE(terugblik_anders(handen.s, jaar, nieuw, weg), QString());
        }
        QCOMPARE(druk(Qt::Key_Right), 0);
        QCOMPARE(druk(Qt::Key_Right), 0);
        QCOMPARE(druk(Qt::Key_Home), 1);
        QCOMPARE(druk(Qt::Key_End), 0);
        QCOMPARE(handen.s.klas_anders_dan_bord(), QString());
        QCOMPARE_GT(nieuw, 20);
        QCOMPARE_GT(weg, 5);
    }

    // A game played to the last round the 16-bit round can count, 32,767: the rules take it
    // there, the last round comes through the "forward" button. There "forward" is off and does
    // nothing, and a rewind turns it on again.
    void tot_de_laatste_ronde() {
        spel_met_vensters s;
        s.teams({{1, "Noord"}, {2, "Oost"}});
        while (s.status.ronde() < laatste_ronde - 1) {
            stap_vooruit(s.subcpt_ui, s.status);
        }
        s.vooruit();
        QCOMPARE(s.op_bord<QLabel>("lbl_ronde_nummer")->text(), "32767");
        QVERIFY(!s.op_bord("knp_vooruit")->isEnabled());
        s.speelbord.knp_vooruit_Click();
        QCOMPARE(s.status.stap(), 1);
        s.achteruit();
        QVERIFY(s.op_bord("knp_vooruit")->isEnabled());
    }

    // An error at start-up, before the event loop runs, is told and ends the program with
    // status 1 at once: the program runs again, as its own process, with a board window whose
    // first show fails.
    void fout_bij_opstarten() {
        QProcess programma;
        programma.start(QCoreApplication::applicationFilePath(), {"--fout-bij-opstarten"});
        QVERIFY(programma.waitForFinished(10000));
        QCOMPARE(programma.exitCode(), 1);
        QVERIFY2(programma.readAllStandardError().contains("corvanta: the board cannot be shown"),
                 "the error went unsaid");
    }

    // Where the standings' module cannot be found, as in a broken installation or a build
    // without Qt Charts, asking for them says why and the game goes on: the program runs again,
    // as its own process, from a folder without the module.
    void standen_zonder_module() {
        QTemporaryDir map;
        const QString kopie = map.filePath("tst_programma");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), kopie));
        QProcess programma;
        programma.start(kopie, {"--standen-zonder-module"});
        QVERIFY(programma.waitForFinished(10000));
        QCOMPARE(programma.exitCode(), 0);
        const QString gezegd = programma.readAllStandardOutput();
        QVERIFY2(gezegd.startsWith("The standings cannot be shown: "), qPrintable(gezegd));
#ifdef CORVANTA_STANDEN
        QVERIFY2(gezegd.contains("corvanta_standen"), qPrintable(gezegd));
#else
        QVERIFY2(gezegd.contains("without Qt Charts"), qPrintable(gezegd));
#endif
    }

    // With one screen F5 puts the class view over the board, and the keys go with it: T starts
    // the timer from it, and no letter reaches the name box left in the board out of sight. The
    // program runs again, as its own process, on the offscreen platform's one screen.
    void een_scherm() {
        QProcess programma;
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert("QT_QPA_PLATFORM", "offscreen");
        programma.setProcessEnvironment(omgeving);
        programma.start(QCoreApplication::applicationFilePath(), {"--een-scherm"});
        QVERIFY(programma.waitForFinished(20000));
        QCOMPARE(QString(programma.readAllStandardOutput()).trimmed(), "running Noord!");
        QCOMPARE(programma.exitCode(), 0);
    }

    // Last, for it ends the program: a rule failing inside a button's handler, on a real click,
    // is caught in the handler, not after unwinding through Qt's mouse handling; the game master
    // reads the error in a message box, and the program then ends with status 1.
    void fout_in_een_knop() {
        spel_met_vensters s;
        modale_vragen vragen;
        s.teams({{1, "A"}});
        s.status.ronde(7); // a round without a board: the next redraw has nothing to draw
        QTimer::singleShot(0, [&s] { s.vooruit(); });
        QEventLoop lus;
        QTimer::singleShot(5000, &lus, [&lus] { lus.exit(99); });
        QCOMPARE(lus.exec(), 1);
        QCOMPARE(modale_vragen::app().aantal_fouten(), 1);
        QCOMPARE(modale_vragen::app().aantal_in_laatste_net(), 0);
        QCOMPARE(vragen.onverwacht.size(), 1);
        QVERIFY2(vragen.onverwacht[0].contains("board configuration 7"),
                 qPrintable(vragen.onverwacht[0]));
    }
};

// Fails the first show of the board window, in a handler that Qt calls during start-up.
class faalt_bij_tonen : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override {
        if (gebeurtenis->type() == QEvent::Show && object->objectName() == "frm_speelbord") {
            throw std::runtime_error("the board cannot be shown");
        }
        return false;
    }
};

// The program's application object in place of QTest's plain one, so that an exception escaping
// a handler is counted at the program's own error boundary. With --fout-bij-opstarten it starts
// the program as main() does, with a start-up that fails.
int main(int argc, char** argv) {
    // The program's own start-up reads the command line, where the flag is no option of its.
    const bool fout_bij_opstarten = argc == 2 && std::strcmp(argv[1], "--fout-bij-opstarten") == 0;
    argc -= fout_bij_opstarten ? 1 : 0;
    cls_applicatie app(argc, argv);
    if (fout_bij_opstarten) {
        modale_vragen vragen;
        faalt_bij_tonen faalt;
        app.installEventFilter(&faalt);
        return app.voer_uit(mdl_start::Main);
    }
    if (QCoreApplication::arguments().contains("--standen-zonder-module")) {
        spel_met_vensters s;
        modale_vragen vragen;
        s.teams({{1, "A"}});
        s.programma.toon_standen();
        s.vooruit();
        std::printf("%s\n", qPrintable(vragen.onverwacht.join("; ")));
        return s.programma.standen() || s.status.ronde() != 2 ? 2 : 0;
    }
    if (QCoreApplication::arguments().contains("--een-scherm")) {
        spel_met_vensters s;
        s.teams({{1, "Noord"}});
        auto* vak = s.op_bord<QLineEdit>("tb_naam_speler_1");
        s.speelbord.activateWindow();
        if (!QTest::qWaitFor([&s] { return QApplication::activeWindow() == &s.speelbord; })) {
            return 3;
        }
        s.klik(vak);
        QTest::keyClicks(vak, "!");
        QTest::keyClick(vak, Qt::Key_F5);
        if (!QTest::qWaitFor([&s] {
                return s.programma.klas() && QApplication::activeWindow() == s.programma.klas();
            })) {
            return 2;
        }
        // Where a person's keys go: the focus, or the window in front.
        QWidget* hier = QApplication::focusWidget();
        QTest::keyClicks(hier ? hier : QApplication::activeWindow(), "tx");
        std::printf("%s %s\n", s.programma.klok().klok().loopt() ? "running" : "stopped",
                    s.tbl_speler.rij(1)->speler_naam().c_str());
        return 0;
    }
    tst_programma test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_programma.moc"
