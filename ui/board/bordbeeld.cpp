#include "ui/board/bordbeeld.h"

#include "ui/board/percentage_tekst.h"

namespace {

bordbeeld::regel regel_van(const cls_tbl_speler& tbl_speler, std::int16_t speler_nummer) {
    const cls_rij_speler& eigenaar =
        vereist(tbl_speler.rij(speler_nummer), "the team that owns a system");
    return {eigenaar.pion_nummer(), QString::fromStdString(eigenaar.speler_naam()), {}, {}};
}

// Square v's lines: its present systems, and in a closed year also those taken away during it,
// which were present on the board before.
void lees_vak(const cls_tbl_speler& tbl_speler, const cls_rij_speelbord& bord,
              const cls_rij_speelbord* ervoor, bool terugblik, std::int16_t v,
              std::array<bordbeeld::regel, 4>& regels) {
    std::size_t k = 0;
    for (std::int16_t w = 1; w <= 4; ++w) {
        const cls_systeem& cel = vereist(bord.systeem(v, w), "a system cell");
        const bool was_er =
            ervoor && vereist(ervoor->systeem(v, w), "a system cell of the year before").aanwezig();
        if (cel.aanwezig()) {
            bordbeeld::regel& regel = regels.at(k++) = regel_van(tbl_speler, cel.speler_nummer());
            regel.aandeel = percentage_tekst(cel.marktaandeel());
            regel.merk =
                terugblik && !was_er ? bordbeeld::wijziging::nieuw : bordbeeld::wijziging::geen;
        } else if (terugblik && was_er) {
            bordbeeld::regel& regel = regels.at(k++) = regel_van(tbl_speler, cel.speler_nummer());
            regel.merk = bordbeeld::wijziging::weg;
        }
    }
}

} // namespace

bordbeeld lees_bordbeeld(const cls_tbl_speler& tbl_speler, const cls_tbl_speelbord& tbl_speelbord,
                         const cls_status& status, cls_subcpt_ui& subcpt_ui, std::int16_t jaar,
                         cls_subcpt_ui::per_team_int& inverse_volgorde) {
    bordbeeld beeld;
    beeld.ronde = jaar;
    beeld.terugblik = jaar < status.ronde();

    cls_subcpt_ui::per_team_double marktaandeel_speler{};
    cls_subcpt_ui::per_team_int speler_volgorde{};
    subcpt_ui.srvc_bereken_marktaandeel_speler(jaar, marktaandeel_speler);
    subcpt_ui.srvc_bereken_score_volgorde(marktaandeel_speler, speler_volgorde, inverse_volgorde);
    const std::int16_t n = tbl_speler.aantal_rijen();
    beeld.scorebord.resize(static_cast<std::size_t>(n));
    for (std::int16_t t = 1; t <= n; ++t) {
        const auto r = static_cast<std::size_t>(speler_volgorde.at(static_cast<std::size_t>(t)));
        bordbeeld::regel& rij = beeld.scorebord.at(r - 1) = regel_van(tbl_speler, t);
        rij.aandeel = percentage_tekst(marktaandeel_speler.at(static_cast<std::size_t>(t)));
    }

    const cls_rij_speelbord& bord = vereist(tbl_speelbord.rij(jaar), "the board of the year");
    // What changed in a closed year shows against the board it began with; year 1 began empty.
    const cls_rij_speelbord* ervoor = nullptr;
    if (beeld.terugblik && jaar > 1) {
        ervoor = &vereist(tbl_speelbord.rij(static_cast<std::int16_t>(jaar - 1)),
                          "the board of the year before");
    }
    for (std::int16_t v = 1; v <= 9; ++v) {
        lees_vak(tbl_speler, bord, ervoor, beeld.terugblik, v,
                 beeld.vakken.at(static_cast<std::size_t>(v)));
    }
    return beeld;
}
