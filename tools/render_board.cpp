// Renders the board window of a sample game (four teams, round 3) to a PNG, for the README.
//
// Rerun it from the repository root with
//     cmake -S . -B build/tools && cmake --build build/tools --target corvanta_board_png
// which builds this program (it is not part of the normal build) and writes docs/board.png
// without a display (QT_QPA_PLATFORM=offscreen).

#include "services/cls_subcpt_ui.h"
#include "state/checked_int16.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <utility>
#include <vector>

#include <QApplication>
#include <QPixmap>
#include <QStringList>

namespace {

// One press of "forward": four steps, the shares computed on entering step 4, a new round's
// board on entering step 1.
void vooruit(cls_status& status, cls_subcpt_ui& subcpt_ui) {
    for (int i = 0; i < 4; ++i) {
        status.stap(static_cast<std::int16_t>(status.stap() % 4 + 1));
        if (status.stap() == 1) {
            status.ronde(checked_int16(status.ronde() + 1));
            subcpt_ui.srvc_voeg_speelbord_toe();
        } else if (status.stap() == 4) {
            subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit");
        }
    }
}

void plaats(cls_subcpt_ui& subcpt_ui, const std::vector<std::pair<int, int>>& team_en_vak) {
    for (const auto& [team, vak] : team_en_vak) {
        subcpt_ui.srvc_voeg_systeem_toe(static_cast<std::int16_t>(team),
                                        static_cast<std::int16_t>(vak));
    }
}

int render(const QString& uitvoer) {
    cls_tbl_speler tbl_speler;
    cls_tbl_speelbord tbl_speelbord;
    cls_status status;
    cls_subcpt_ui subcpt_ui(tbl_speler, tbl_speelbord, status);
    frm_pion pion;
    frm_speelbord speelbord(tbl_speler, tbl_speelbord, status, subcpt_ui, pion);

    subcpt_ui.srvc_initialiseer_spel();
    const char* const namen[] = {"Northwind", "Greenleaf", "Bluewave", "Sunbeam"};
    for (std::int16_t t = 1; t <= 4; ++t) {
        subcpt_ui.srvc_voeg_speler_toe(namen[t - 1], t, checked_int16(4 * t - 3));
    }

    plaats(
        subcpt_ui,
        {{1, 1}, {1, 2}, {1, 5}, {2, 1}, {2, 3}, {2, 6}, {3, 5}, {3, 7}, {3, 8}, {4, 2}, {4, 9}});
    vooruit(status, subcpt_ui);
    plaats(subcpt_ui, {{1, 4}, {3, 9}, {4, 5}, {2, 8}});
    subcpt_ui.srvc_verwijder_systeem(2, 1);
    vooruit(status, subcpt_ui);
    plaats(subcpt_ui, {{4, 1}, {1, 7}});

    speelbord.initialiseer();
    speelbord.refresh_me();
    speelbord.show();
    // At its designed size, whatever screen the window would have fitted itself to.
    speelbord.resize(1016, 745);
    if (!speelbord.grab().save(uitvoer, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(uitvoer));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    try {
        return render(arguments.at(1));
    } catch (const std::exception& fout) {
        std::fprintf(stderr, "%s\n", fout.what());
        return 1;
    }
}
