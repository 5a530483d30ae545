#include "ui/board/bordbeeld.h"

#include "ui/board/percentage_tekst.h"

bordbeeld lees_bordbeeld(const cls_tbl_speler& tbl_speler, const cls_tbl_speelbord& tbl_speelbord,
                         const cls_status& status, cls_subcpt_ui& subcpt_ui,
                         cls_subcpt_ui::per_team_int& inverse_volgorde) {
    bordbeeld beeld;
    beeld.ronde = status.ronde();

    cls_subcpt_ui::per_team_double marktaandeel_speler{};
    cls_subcpt_ui::per_team_int speler_volgorde{};
    subcpt_ui.srvc_bereken_marktaandeel_speler(marktaandeel_speler);
    subcpt_ui.srvc_bereken_score_volgorde(marktaandeel_speler, speler_volgorde, inverse_volgorde);
    const std::int16_t n = tbl_speler.aantal_rijen();
    beeld.scorebord.resize(static_cast<std::size_t>(n));
    for (std::int16_t t = 1; t <= n; ++t) {
        const cls_rij_speler& team = vereist(tbl_speler.rij(t), "a team row");
        const auto r = static_cast<std::size_t>(speler_volgorde.at(static_cast<std::size_t>(t)));
        beeld.scorebord.at(r - 1) = {
            team.pion_nummer(), QString::fromStdString(team.speler_naam()),
            percentage_tekst(marktaandeel_speler.at(static_cast<std::size_t>(t)))};
    }

    const cls_rij_speelbord& bord =
        vereist(tbl_speelbord.rij(status.ronde()), "the board of the current round");
    for (std::int16_t v = 1; v <= 9; ++v) {
        std::size_t k = 0;
        for (std::int16_t w = 1; w <= 4; ++w) {
            const cls_systeem& cel = vereist(bord.systeem(v, w), "a system cell");
            if (cel.aanwezig()) {
                const cls_rij_speler& eigenaar =
                    vereist(tbl_speler.rij(cel.speler_nummer()), "the team that owns a system");
                beeld.vakken.at(static_cast<std::size_t>(v)).at(k++) = {
                    eigenaar.pion_nummer(), QString::fromStdString(eigenaar.speler_naam()),
                    percentage_tekst(cel.marktaandeel())};
            }
        }
    }
    return beeld;
}
