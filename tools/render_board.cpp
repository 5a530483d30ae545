// Renders the board window of a sample game (four teams, round 3) to a PNG for the README; with
// more file names, the standings of the same game played on to fiscal year 8, the class view of
// round 3 at 1920 x 1080, its round timer running at 3:27 of 5:00, the board of round 3 in
// Dutch, and the class view replaying year 3 once the game is in year 8.
//
// Rerun it from the repository root with
//     cmake -S . -B build/tools && cmake --build build/tools --target corvanta_board_png
// which builds this program (it is not part of the normal build) and writes docs/board.png and
// docs/standings.png, docs/class-view.png, docs/board-nl.png and docs/class-view-replay.png
// without a display (QT_QPA_PLATFORM=offscreen).

#include "services/cls_programma.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_voeg_speler_toe.h"
#include "ui/klas/frm_klas.h"
#include "ui/klok/rondeklok.h"
#include "ui/standen/standen.h"
#include "ui/taal.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <initializer_list>
#include <utility>

#include <QApplication>
#include <QPixmap>
#include <QStringList>

namespace {

// The game master's choices through the facade, as the dialogs and buttons pass them on: each
// {row, square} changes between having a system and not.
void wissel(cls_programma& programma, std::initializer_list<std::pair<int, int>> rij_en_vak) {
    for (const auto& [rij, vak] : rij_en_vak) {
        cls_subcpt_ui::per_team_int verzoek{};
        cls_subcpt_ui::per_team_bool heeft{};
        programma.subcpt_ui().srvc_speler_heeft_systeem_in_vak(static_cast<std::int16_t>(vak),
                                                               heeft);
        verzoek.at(static_cast<std::size_t>(rij)) =
            heeft.at(static_cast<std::size_t>(rij)) ? -1 : 1;
        programma.cpt_ui().srvc_voeg_systeem_toe(static_cast<std::int16_t>(vak), verzoek);
    }
}

bool bewaar(QWidget& venster, const QString& uitvoer) {
    // A chart lays itself out when the event loop comes round.
    QApplication::processEvents();
    if (!venster.grab().save(uitvoer, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(uitvoer));
        return false;
    }
    return true;
}

int teken(const QString& bord_png, const QString& standen_png, const QString& klas_png,
          const QString& bord_nl_png, const QString& terugblik_png) {
    // The round timer's time, moved by hand so that the picture is the same at every run.
    cls_klok::duur nu{0};
    cls_programma programma([&nu] { return nu; });
    programma.start();
    programma.cpt_ui().srvc_voeg_speler_toe({"", "Northwind", "Greenleaf", "Bluewave", "Sunbeam"});
    programma.cpt_ui().voeg_speler_toe().close();
    frm_speelbord& speelbord = programma.speelbord();

    wissel(
        programma,
        {{1, 1}, {1, 2}, {1, 5}, {2, 1}, {2, 3}, {2, 6}, {3, 5}, {3, 7}, {3, 8}, {4, 2}, {4, 9}});
    speelbord.knp_vooruit_Click();
    wissel(programma, {{1, 4}, {3, 9}, {4, 5}, {2, 8}, {2, 1}});
    speelbord.knp_vooruit_Click();
    wissel(programma, {{4, 1}, {1, 7}, {3, 8}});

    // At its designed size, whatever screen the window would have fitted itself to.
    speelbord.resize(1016, 745);
    if (!bewaar(speelbord, bord_png)) {
        return 1;
    }
    if (!klas_png.isEmpty()) {
        programma.klok().wissel();
        nu += std::chrono::seconds(93);
        programma.klok().kijk();
        programma.wissel_klas();
        programma.klas()->resize(frm_klas::ontworpen);
        if (!bewaar(*programma.klas(), klas_png)) {
            return 1;
        }
    }
    if (!bord_nl_png.isEmpty()) {
        // Switched as the board's menu switches it; the windows set their texts on the event.
        taal::zet("nl");
        QApplication::processEvents();
        const bool bewaard = bewaar(speelbord, bord_nl_png);
        taal::zet("en");
        QApplication::processEvents();
        if (!bewaard) {
            return 1;
        }
    }
    if (standen_png.isEmpty()) {
        return 0;
    }
    // Five more years: Sunbeam spreads out, Northwind retreats to its strongest markets.
    const std::initializer_list<std::pair<int, int>> jaren[] = {
        {{4, 3}, {4, 4}}, {{4, 6}, {1, 4}, {1, 7}}, {{2, 2}, {3, 1}}, {{4, 7}, {4, 8}, {1, 2}}, {}};
    for (const auto& jaar : jaren) {
        speelbord.knp_vooruit_Click();
        wissel(programma, jaar);
    }
    programma.toon_standen();
    QWidget& standen = programma.standen()->venster();
    standen.resize(960, 600);
    if (!bewaar(standen, standen_png)) {
        return 1;
    }
    if (terugblik_png.isEmpty() || !programma.klas()) {
        return 0;
    }
    // The debrief: year 3 again, Sunbeam and Northwind new in their markets, Bluewave gone from
    // square 8.
    programma.klas()->kies_jaar(3);
    return bewaar(*programma.klas(), terugblik_png) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList argumenten = QApplication::arguments();
    if (argumenten.size() < 2 || argumenten.size() > 6) {
        std::fprintf(stderr,
                     "usage: %s BOARD.png [STANDINGS.png [CLASS-VIEW.png [BOARD-NL.png "
                     "[CLASS-VIEW-REPLAY.png]]]]\n",
                     argv[0]);
        return 2;
    }
    try {
        return teken(argumenten.at(1), argumenten.value(2), argumenten.value(3),
                     argumenten.value(4), argumenten.value(5));
    } catch (const std::exception& fout) {
        std::fprintf(stderr, "%s\n", fout.what());
        return 1;
    }
}
