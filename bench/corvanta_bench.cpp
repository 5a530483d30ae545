// Corvanta's figures: start-up against an empty Qt window, one "forward" press early and late in
// a game and with the board full screen, choosing a year to replay in the class view, the
// rules' two heaviest steps, and the memory a round of history takes. Each figure is the median of
// repeated runs and is printed as "figure <name> <value> <unit>". Headless, on a 1920 x 1080
// screen.
#include "services/cls_programma.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_voeg_speler_toe.h"
#include "ui/klas/frm_klas.h"
#include "ui/klas/terugblik.h"
#include "ui/klok/rondeklok.h"
#include "ui/standen/standen.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <malloc.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QSize>
#include <QTest>

namespace {

using klok = std::chrono::steady_clock;

double mediaan(std::vector<double> waarden) {
    std::sort(waarden.begin(), waarden.end());
    const std::size_t n = waarden.size();
    return n % 2 == 1 ? waarden[n / 2] : (waarden[n / 2 - 1] + waarden[n / 2]) / 2.0;
}

void figuur(const char* naam, double waarde, const char* eenheid) {
    std::printf("figure %s %.6g %s\n", naam, waarde, eenheid);
    std::fflush(stdout);
}

double sinds(klok::time_point begin) {
    return std::chrono::duration<double>(klok::now() - begin).count();
}

long long monotoon_ns() {
    timespec nu{};
    clock_gettime(CLOCK_MONOTONIC, &nu);
    return static_cast<long long>(nu.tv_sec) * 1000000000LL + nu.tv_nsec;
}

std::size_t in_gebruik() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Seconds from spawning the probe until it reports its first painted window.
double start_tijd(const QString& sonde, const QStringList& argumenten = {}) {
    QProcess proces;
    const long long begin = monotoon_ns();
    proces.start(sonde, argumenten);
    if (!proces.waitForFinished(30000) || proces.exitCode() != 0) {
        throw std::runtime_error("start-up probe failed: " + sonde.toStdString());
    }
    const long long geschilderd = proces.readAllStandardOutput().trimmed().toLongLong();
    return static_cast<double>(geschilderd - begin) / 1e9;
}

// A program of its own, made by the program's own wiring: four teams, and systems on most
// squares so that every round has shares to compute and pawns to draw.
struct spel {
    // The round timer's time source, moved by hand.
    cls_klok::duur tijd{0};
    cls_programma programma{[this] { return tijd; }};
    cls_status& status = programma.status();
    frm_speelbord& speelbord = programma.speelbord();
    cls_cpt_ui& cpt_ui = programma.cpt_ui();
    int verfbeurten = 0;

    spel() {
        programma.start();
        cpt_ui.srvc_voeg_speler_toe({"", "Noord", "Oost", "Zuid", "West"});
        cpt_ui.voeg_speler_toe().close();
        for (std::int16_t vak = 1; vak <= 9; ++vak) {
            cls_subcpt_ui::per_team_int plaats{};
            for (std::size_t rij = 1; rij <= 4; ++rij) {
                plaats[rij] = (vak + rij) % 3 != 0 ? 1 : 0;
            }
            cpt_ui.srvc_voeg_systeem_toe(vak, plaats);
        }
        QApplication::processEvents();
    }

    // Forward presses as the button makes them, through the facade; the event loop's share of
    // the work is done between them, except the painting.
    void vooruit_tot(int ronde) {
        while (status.ronde() < ronde) {
            for (int stap = 0; stap < 4; ++stap) {
                cpt_ui.srvc_vooruit();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
        }
        QApplication::processEvents();
    }

    QPushButton* knop(const char* naam) { return speelbord.findChild<QPushButton*>(naam); }

    // Team row rij comes to the square or leaves it, through the facade as its dialog does.
    void wissel(std::int16_t vak, std::size_t rij) {
        cls_subcpt_ui::per_team_bool heeft{};
        programma.subcpt_ui().srvc_speler_heeft_systeem_in_vak(vak, heeft);
        cls_subcpt_ui::per_team_int verzoek{};
        verzoek.at(rij) = heeft.at(rij) ? -1 : 1;
        cpt_ui.srvc_voeg_systeem_toe(vak, verzoek);
    }

    // Runs the event loop until a pass paints nothing more.
    void verf_af() {
        for (int voor = -1; voor != verfbeurten;) {
            voor = verfbeurten;
            QApplication::processEvents();
        }
    }

    // One press of the button and every paint that follows from it; returns seconds. A control
    // shown again asks for its paint only once the event loop reaches it, so the loop runs
    // until a pass paints nothing more.
    double druk(const char* naam) {
        return tot_geschilderd([&] { QTest::mouseClick(knop(naam), Qt::LeftButton); });
    }

    double tot_geschilderd(const std::function<void()>& doe) {
        const int geschilderd = verfbeurten;
        const auto begin = klok::now();
        doe();
        verf_af();
        const double tijd = sinds(begin);
        if (verfbeurten == geschilderd) {
            throw std::runtime_error("an action was not followed by a paint");
        }
        return tijd;
    }
};

// Counts the paints inside a board window and its dialogs. The board picture covers the
// window, so its controls take the paints, not the window itself.
class verfteller : public QObject {
public:
    explicit verfteller(spel& s) : m_spel(s) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~verfteller() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override {
        if (gebeurtenis->type() == QEvent::Paint) {
            for (auto* w = qobject_cast<QWidget*>(object); w; w = w->parentWidget()) {
                if (w == &m_spel.speelbord) {
                    ++m_spel.verfbeurten;
                    break;
                }
            }
        }
        return false;
    }

private:
    spel& m_spel;
};

void start_figuren() {
    const QString map = QCoreApplication::applicationDirPath();
    std::vector<double> corvanta, leeg, tekst;
    // In turns, so that all three see the same load on the machine; the first round warms the
    // file cache and is not counted.
    for (int i = 0; i <= 15; ++i) {
        const double c = start_tijd(map + "/start_corvanta");
        const double l = start_tijd(map + "/start_leeg_venster");
        const double t = start_tijd(map + "/start_leeg_venster", {"--text"});
        if (i > 0) {
            corvanta.push_back(c);
            leeg.push_back(l);
            tekst.push_back(t);
        }
    }
    const double c = mediaan(corvanta);
    const double l = mediaan(leeg);
    const double t = mediaan(tekst);
    figuur("startup_corvanta", c * 1e3, "ms");
    figuur("startup_empty_qt_window", l * 1e3, "ms");
    figuur("startup_ratio", c / l, "x");
    // What any Qt window pays as soon as it shows one word: the system's font configuration.
    figuur("startup_qt_window_with_text", t * 1e3, "ms");
    figuur("startup_ratio_to_window_with_text", c / t, "x");
}

// Memory per round over 10,000 rounds, median of three games; the last game, at round 10,000,
// is handed back for the press figures.
std::unique_ptr<spel> geheugen_figuur() {
    std::vector<double> per_ronde;
    std::unique_ptr<spel> s;
    for (int i = 0; i < 3; ++i) {
        s = std::make_unique<spel>();
        const std::size_t voor = in_gebruik();
        s->vooruit_tot(10000);
        per_ronde.push_back(static_cast<double>(in_gebruik() - voor) / (10000 - 1));
    }
    figuur("history_memory_per_round", mediaan(per_ronde), "bytes");
    return s;
}

// A forward press at round 2 and one at round 10,000 at the designed size, and one at round 2
// with the board full screen, 200 each, taken in turns in three games; each game is rewound
// after its press, untimed, so all stay where they are.
void druk_figuren(spel& laat) {
    spel vroeg;
    vroeg.vooruit_tot(2);
    spel groot;
    groot.vooruit_tot(2);
    groot.speelbord.showFullScreen();
    QApplication::processEvents();
    if (groot.speelbord.size() != QSize(1920, 1080)) {
        throw std::logic_error("the board did not fill the 1920 x 1080 screen");
    }
    verfteller v(vroeg), l(laat), g(groot);
    std::vector<double> ronde_2, ronde_10000, volledig_scherm;
    // The full-screen board takes its turns in blocks: pressed between the others, its 1920 x 1080
    // picture would push theirs out of the processor's caches before every one of their presses.
    for (int blok = 0; blok < 10; ++blok) {
        for (int i = 0; i < 20; ++i) {
            ronde_2.push_back(vroeg.druk("knp_vooruit"));
            vroeg.druk("knp_achteruit");
            ronde_10000.push_back(laat.druk("knp_vooruit"));
            laat.druk("knp_achteruit");
        }
        for (int i = 0; i < 20; ++i) {
            volledig_scherm.push_back(groot.druk("knp_vooruit"));
            groot.druk("knp_achteruit");
        }
    }
    // The game master's other frequent action: opening a square's add-systems dialog, until
    // it is painted. Closed again untimed.
    std::vector<double> dialoog;
    for (int i = 0; i < 100; ++i) {
        dialoog.push_back(vroeg.druk("knp_voeg_systeem_toe_5"));
        QWidget* open = nullptr;
        for (QWidget* venster : vroeg.speelbord.findChildren<QWidget*>()) {
            if (venster->isWindow() && venster->isVisible()) {
                open = venster;
            }
        }
        if (!open) {
            throw std::logic_error("no add-systems dialog opened");
        }
        open->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    figuur("open_add_systems_dialog", mediaan(dialoog) * 1e3, "ms");
    if (vroeg.status.ronde() != 2 || laat.status.ronde() != 10000 || groot.status.ronde() != 2) {
        throw std::logic_error("the press figures left their rounds");
    }
    const double vroeg_ms = mediaan(ronde_2) * 1e3;
    const double laat_ms = mediaan(ronde_10000) * 1e3;
    const double groot_ms = mediaan(volledig_scherm) * 1e3;
    figuur("forward_press_round_2", vroeg_ms, "ms");
    figuur("forward_press_round_10000", laat_ms, "ms");
    figuur("forward_press_ratio_10000_to_2", laat_ms / vroeg_ms, "x");
    figuur("forward_press_full_screen_1920x1080", groot_ms, "ms");
    figuur("forward_press_ratio_full_screen_to_designed", groot_ms / vroeg_ms, "x");
}

// Seconds from asking for the standings until they are painted; closed again untimed.
double open_standen(spel& s) {
    const auto begin = klok::now();
    s.programma.toon_standen();
    s.verf_af();
    const double tijd = sinds(begin);
    s.programma.standen()->venster().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return tijd;
}

// The standings opened at year 1,000 and at year 10,000, ten times each; and a forward press at
// year 10,000 with the standings open, 200 times in turns with the same press in the game
// whose standings are closed.
void standen_figuren(spel& dicht) {
    spel duizend;
    duizend.vooruit_tot(1000);
    verfteller d(duizend), z(dicht);
    std::vector<double> jaar_1000, jaar_10000;
    for (int i = 0; i < 10; ++i) {
        jaar_1000.push_back(open_standen(duizend));
        jaar_10000.push_back(open_standen(dicht));
    }
    figuur("open_standings_year_1000", mediaan(jaar_1000) * 1e3, "ms");
    figuur("open_standings_year_10000", mediaan(jaar_10000) * 1e3, "ms");

    spel open;
    open.vooruit_tot(10000);
    open.programma.toon_standen();
    verfteller o(open);
    open.verf_af();
    // Before each press, untimed, team 1 comes to square 1 or leaves it, so that the year's
    // shares differ from the years before and the press moves the line.
    std::vector<double> met, zonder;
    for (int i = 0; i < 200; ++i) {
        for (spel* s : {&dicht, &open}) {
            s->wissel(1, 1);
            s->verf_af();
        }
        zonder.push_back(dicht.druk("knp_vooruit"));
        dicht.druk("knp_achteruit");
        met.push_back(open.druk("knp_vooruit"));
        open.druk("knp_achteruit");
    }
    const double met_ms = mediaan(met) * 1e3;
    const double zonder_ms = mediaan(zonder) * 1e3;
    figuur("forward_press_round_10000_standings_open", met_ms, "ms");
    figuur("forward_press_ratio_standings_open_to_closed", met_ms / zonder_ms, "x");
}

// Two games at round 2, the first with its class view full screen at 1920 x 1080.
struct met_en_zonder_klas {
    spel met, zonder;
    met_en_zonder_klas() {
        met.vooruit_tot(2);
        zonder.vooruit_tot(2);
        met.programma.wissel_klas();
        met.programma.klas()->setWindowState(Qt::WindowFullScreen);
        QApplication::processEvents();
        if (met.programma.klas()->size() != QSize(1920, 1080)) {
            throw std::logic_error("the class view did not fill the 1920 x 1080 screen");
        }
    }

    // A forward press in each game, 200 times in turns; before each, untimed, team 1 comes to
    // square 1 or leaves it, so that the press changes what both show, and voor() runs. Returns
    // the median press with the class view in ms, and its ratio to the press without.
    std::pair<double, double> druk_vooruit(const std::function<void()>& voor) {
        verfteller m(met), z(zonder);
        std::vector<double> open, dicht;
        for (int i = 0; i < 200; ++i) {
            for (spel* s : {&met, &zonder}) {
                s->wissel(1, 1);
                s->verf_af();
            }
            voor();
            dicht.push_back(zonder.druk("knp_vooruit"));
            zonder.druk("knp_achteruit");
            open.push_back(met.druk("knp_vooruit"));
            met.druk("knp_achteruit");
        }
        return {mediaan(open) * 1e3, mediaan(open) / mediaan(dicht)};
    }
};

// A forward press at round 2 with the class view full screen, against the same press in a game
// without it.
void klas_figuren() {
    met_en_zonder_klas spellen;
    const auto [ms, verhouding] = spellen.druk_vooruit([] {});
    figuur("forward_press_class_view_full_screen", ms, "ms");
    figuur("forward_press_ratio_class_view_open_to_closed", verhouding, "x");
}

// Choosing a year to replay at year 10,000, the class view full screen at 1920 x 1080: Left from
// the game to year 9,999, End back, Home to year 1 and End back, each until painted, 50 times in
// turns with a forward press in the same game (rewound after, untimed).
void terugblik_figuren(spel& laat) {
    laat.programma.wissel_klas();
    frm_klas& klas = *laat.programma.klas();
    klas.setWindowState(Qt::WindowFullScreen);
    verfteller v(laat);
    laat.verf_af();
    if (klas.size() != QSize(1920, 1080)) {
        throw std::logic_error("the class view did not fill the 1920 x 1080 screen");
    }
    std::vector<double> kiezen, vooruit;
    for (int i = 0; i < 50; ++i) {
        for (const auto toets : {terugblik::toets::terug, terugblik::toets::live,
                                 terugblik::toets::eerste, terugblik::toets::live}) {
            // The view draws the year once the event loop comes round, before it paints.
            kiezen.push_back(laat.tot_geschilderd([&] {
                klas.stap(toets);
                QCoreApplication::sendPostedEvents(&klas, QEvent::MetaCall);
            }));
        }
        laat.wissel(1, 1);
        laat.verf_af();
        vooruit.push_back(laat.druk("knp_vooruit"));
        laat.druk("knp_achteruit");
    }
    if (klas.gekozen_jaar() != 0 || laat.status.ronde() != 10000) {
        throw std::logic_error("the replay figures left the game elsewhere");
    }
    const double kiezen_ms = mediaan(kiezen) * 1e3;
    figuur("choose_replay_year_round_10000_class_view_1920x1080", kiezen_ms, "ms");
    figuur("choose_replay_year_ratio_to_forward_press", kiezen_ms / (mediaan(vooruit) * 1e3), "x");
    klas.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The round timer: a forward press at round 2 with the clock running and the class view full
// screen, 200 times in turns with the same press in a game with neither (the press sets the
// clock back; it is started again, untimed, before each); and a tick of the running clock, one
// second's update of the board's and the class view's clocks, both windows full screen at
// 1920 x 1080, 200 times.
void klok_figuren() {
    met_en_zonder_klas spellen;
    spel& met = spellen.met;
    rondeklok& wekker = met.programma.klok();
    const auto [ms, verhouding] = spellen.druk_vooruit([&] {
        wekker.wissel();
        met.tijd += std::chrono::seconds(1);
        wekker.kijk();
        met.verf_af();
    });
    figuur("forward_press_timer_running_class_view", ms, "ms");
    figuur("forward_press_ratio_timer_and_class_view_to_neither", verhouding, "x");

    verfteller m(met);
    met.speelbord.showFullScreen();
    wekker.stel_in(cls_klok::langste);
    wekker.wissel();
    met.verf_af();
    std::vector<double> tik;
    for (int i = 0; i < 200; ++i) {
        const int geschilderd = met.verfbeurten;
        met.tijd += std::chrono::seconds(1);
        const auto begin = klok::now();
        wekker.kijk();
        met.verf_af();
        tik.push_back(sinds(begin));
        if (met.verfbeurten == geschilderd) {
            throw std::runtime_error("a tick of the round timer painted nothing");
        }
    }
    figuur("timer_tick_board_and_class_view_1920x1080", mediaan(tik) * 1e3, "ms");
}

// The rules alone, without windows: the market-share computation of round 2 (systems kept,
// placed and taken away since round 1) and the snapshot that opens a round.
void regel_figuren() {
    cls_tbl_speler tbl_speler;
    cls_tbl_speelbord tbl_speelbord;
    cls_status status;
    cls_subcpt_ui regels(tbl_speler, tbl_speelbord, status);
    regels.srvc_initialiseer_spel();
    for (std::int16_t t = 1; t <= 4; ++t) {
        regels.srvc_voeg_speler_toe("team", t, static_cast<std::int16_t>(4 * t - 3));
    }
    for (std::int16_t vak = 1; vak <= 9; ++vak) {
        for (std::int16_t rij = 1; rij <= 4; ++rij) {
            if ((vak + rij) % 3 != 0) {
                regels.srvc_voeg_systeem_toe(rij, vak);
            }
        }
    }
    regels.srvc_bereken_marktaandeel_per_systeem("vooruit");
    status.ronde(2);
    regels.srvc_voeg_speelbord_toe();
    regels.srvc_voeg_systeem_toe(1, 3);
    regels.srvc_verwijder_systeem(2, 1);

    constexpr int per_reeks = 2000;
    std::vector<double> aandeel, momentopname;
    for (int reeks = 0; reeks < 21; ++reeks) {
        // Forward and back in turn, so the shares stay those of the game.
        auto begin = klok::now();
        for (int i = 0; i < per_reeks / 2; ++i) {
            regels.srvc_bereken_marktaandeel_per_systeem("vooruit");
            regels.srvc_bereken_marktaandeel_per_systeem("achteruit");
        }
        aandeel.push_back(sinds(begin) / per_reeks);

        begin = klok::now();
        for (int i = 0; i < per_reeks; ++i) {
            status.ronde(static_cast<std::int16_t>(status.ronde() + 1));
            regels.srvc_voeg_speelbord_toe();
        }
        momentopname.push_back(sinds(begin) / per_reeks);
        for (int i = 0; i < per_reeks; ++i) {
            regels.srvc_verwijder_huidig_speelbord();
            status.ronde(static_cast<std::int16_t>(status.ronde() - 1));
        }
    }
    figuur("market_share_computation", mediaan(aandeel) * 1e9, "ns");
    figuur("board_snapshot", mediaan(momentopname) * 1e9, "ns");
}

} // namespace

int main(int argc, char** argv) {
    // Headless, for this process and the start-up probes it spawns.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" CORVANTA_BENCH_SCREEN);
    QApplication app(argc, argv);
    // Arguments pick groups of figures, by name; none runs them all.
    const QStringList groepen = QApplication::arguments().mid(1);
    const auto doe = [&groepen](const char* groep) {
        return groepen.isEmpty() || groepen.contains(QLatin1String(groep));
    };
    try {
        if (doe("start")) {
            start_figuren();
        }
        if (doe("rules")) {
            regel_figuren();
        }
        std::unique_ptr<spel> laat;
        if (doe("memory") || doe("press")) {
            laat = geheugen_figuur();
        } else if (doe("standings")) {
            laat = std::make_unique<spel>();
            laat->vooruit_tot(10000);
        }
        if (doe("press")) {
            druk_figuren(*laat);
        }
        if (doe("standings")) {
            standen_figuren(*laat);
        }
        if (doe("classview")) {
            klas_figuren();
        }
        if (doe("replay")) {
            if (!laat) {
                laat = std::make_unique<spel>();
                laat->vooruit_tot(10000);
            }
            terugblik_figuren(*laat);
        }
        if (doe("timer")) {
            klok_figuren();
        }
    } catch (const std::exception& fout) {
        std::fprintf(stderr, "corvanta_bench: %s\n", fout.what());
        return 1;
    }
    return 0;
}
