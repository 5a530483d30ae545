#include "services/cls_subcpt_ui.h"

#include "state/naar_int16.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace {

constexpr std::int16_t aantal_vakken = cls_rij_speelbord::max_vak;
constexpr std::int16_t aantal_teams = cls_rij_speelbord::max_team;

cls_systeem& cel(const cls_rij_speelbord& bord, std::int16_t vak_nummer, std::int16_t team_nummer) {
    const std::shared_ptr<cls_systeem>& gevonden = bord.systeem(vak_nummer, team_nummer);
    if (!gevonden) {
        throw std::logic_error("square " + std::to_string(vak_nummer) + " has no cell for team " +
                               std::to_string(team_nummer));
    }
    return *gevonden;
}

// A stored share must be a finite number; anything else means the computation broke down.
double eindig(double waarde, const char* wat) {
    if (!std::isfinite(waarde)) {
        throw std::domain_error(std::string("floating-point fault in ") + wat);
    }
    return waarde;
}

// During a round a system holds the share it had when the round began: the previous board's
// share where the team had a system on the square then, and 0 for a system new this round. A
// system taken away and put back is an old system to the share computation, so at 0 its square
// would fall short of a whole market at the end of the round.
double aandeel_bij_begin(const cls_rij_speelbord* vorig, std::int16_t vak_nummer,
                         std::int16_t team_nummer) {
    if (!vorig) {
        return 0.0;
    }
    const cls_systeem& toen = cel(*vorig, vak_nummer, team_nummer);
    return toen.aanwezig() ? toen.marktaandeel() : 0.0;
}

// The tables of one market-share computation over the current board and, from round 2 on, the
// previous one. Integer terms are 16-bit and checked; every stored double must be finite.
class marktrekening {
public:
    using per_cel = std::array<std::array<double, aantal_teams + 1>, aantal_vakken + 1>;

    marktrekening(const cls_rij_speelbord& huidig, const cls_rij_speelbord* vorig) {
        lees(huidig, vorig);
        tel();
        for (std::size_t v = 1; v <= aantal_vakken; ++v) {
            A[v] = eindig(1.0 - A[v], "a square's remaining share");
            if (A[v] == 0.0) {
                A[v] = 1.0;
            }
        }
        weeg();
    }

    // new m = (E * A + 2G * m) / ((2G + C) * A), numerator and divisor formed first. Then each
    // square the formula did not leave one whole market is scaled back to one.
    void vooruit(per_cel& nieuw) const {
        for_each_present([&](std::size_t v, std::size_t t) {
            const auto [twee_g, twee_g_plus_c] = oud_termen(v);
            const double noemer = eindig(twee_g_plus_c * A[v], "a share's divisor");
            if (noemer == 0.0) {
                throw std::domain_error("division by zero in a market share");
            }
            const double teller = eindig(E[v][t] * A[v] + twee_g * m[v][t], "a share");
            nieuw[v][t] = eindig(teller / noemer, "a market share");
        });
        for (std::size_t v = 1; v <= aantal_vakken; ++v) {
            maak_heel(nieuw, v);
        }
    }

private:
    void lees(const cls_rij_speelbord& huidig, const cls_rij_speelbord* vorig) {
        for (std::int16_t v = 1; v <= aantal_vakken; ++v) {
            for (std::int16_t t = 1; t <= aantal_teams; ++t) {
                const cls_systeem& nu = cel(huidig, v, t);
                P[v][t] = nu.aanwezig();
                m[v][t] = nu.marktaandeel();
                if (vorig) {
                    const cls_systeem& toen = cel(*vorig, v, t);
                    Q[v][t] = toen.aanwezig();
                    mp[v][t] = toen.marktaandeel();
                }
            }
        }
        heeft_vorig = vorig != nullptr;
    }

    // Counting: systems per team, new minus taken away per team, and the share taken away.
    void tel() {
        for (std::size_t v = 1; v <= aantal_vakken; ++v) {
            for (std::size_t t = 1; t <= aantal_teams; ++t) {
                if (P[v][t]) {
                    N[t] = naar_int16(N[t] + 1);
                    if (heeft_vorig && !Q[v][t]) {
                        F[t] = naar_int16(F[t] + 1);
                    }
                }
                if (heeft_vorig && !P[v][t] && Q[v][t]) {
                    F[t] = naar_int16(F[t] - 1);
                    A[v] = eindig(A[v] + mp[v][t], "the share taken away");
                }
            }
        }
    }

    // A new system weighs as many as its team's systems, an old one its team's balance.
    void weeg() {
        for_each_present([&](std::size_t v, std::size_t t) {
            E[v][t] = (!heeft_vorig || !Q[v][t]) ? N[t] : F[t];
            C[v] = naar_int16(C[v] + E[v][t]);
            B[v] = naar_int16(B[v] + N[t]);
        });
        for (std::size_t v = 1; v <= aantal_vakken; ++v) {
            G[v] = naar_int16(B[v] - C[v]);
        }
    }

    // An old system weighs its team's balance, which is negative for a team that retreats from
    // several squares and can pull a share it keeps below 0; and a square whose previous shares
    // were all taken away while a system of share 0 stayed falls short of 1. Such a square gets
    // its negative shares set to 0 and the rest scaled to a sum of 1, or equal parts when nothing
    // is left. A square that is already whole keeps the formula's shares bit for bit.
    void maak_heel(per_cel& nieuw, std::size_t v) const {
        int aantal = 0;
        double som = 0;
        bool negatief = false;
        for (std::size_t t = 1; t <= aantal_teams; ++t) {
            if (P[v][t]) {
                ++aantal;
                som = eindig(som + nieuw[v][t], "a square's total share");
                negatief = negatief || nieuw[v][t] < 0;
            }
        }
        if (aantal == 0 || (!negatief && std::abs(som - 1.0) <= 1e-9)) {
            return;
        }
        double positief = 0;
        for (std::size_t t = 1; t <= aantal_teams; ++t) {
            if (P[v][t]) {
                nieuw[v][t] = std::max(0.0, nieuw[v][t]);
                positief = eindig(positief + nieuw[v][t], "a square's total share");
            }
        }
        for (std::size_t t = 1; t <= aantal_teams; ++t) {
            if (P[v][t]) {
                nieuw[v][t] = positief > 0 ? nieuw[v][t] / positief : 1.0 / aantal;
            }
        }
    }

    template <class Doe> void for_each_present(Doe&& doe) const {
        for (std::size_t v = 1; v <= aantal_vakken; ++v) {
            for (std::size_t t = 1; t <= aantal_teams; ++t) {
                if (P[v][t]) {
                    doe(v, t);
                }
            }
        }
    }

    // 2G and 2G + C, formed as 16-bit integers before they enter a product.
    std::pair<double, double> oud_termen(std::size_t v) const {
        const std::int16_t twee_g = naar_int16(2 * G[v]);
        return {twee_g, naar_int16(twee_g + C[v])};
    }

    bool heeft_vorig = false;
    std::array<std::array<bool, aantal_teams + 1>, aantal_vakken + 1> P{}, Q{};
    per_cel m{}, mp{};
    std::array<std::int16_t, aantal_teams + 1> N{}, F{};
    std::array<double, aantal_vakken + 1> A{};
    std::array<std::array<std::int16_t, aantal_teams + 1>, aantal_vakken + 1> E{};
    std::array<std::int16_t, aantal_vakken + 1> C{}, B{}, G{};
};

} // namespace

cls_subcpt_ui::cls_subcpt_ui(cls_tbl_speler& tbl_speler, cls_tbl_speelbord& tbl_speelbord,
                             cls_status& status)
    : m_tbl_speler(tbl_speler), m_tbl_speelbord(tbl_speelbord), m_status(status) {}

void cls_subcpt_ui::srvc_initialiseer_spel() {
    m_status.ronde(1);
    m_status.stap(1);
    srvc_voeg_speelbord_toe();
}

void cls_subcpt_ui::srvc_voeg_speler_toe(std::string speler_naam, std::int16_t team_nummer,
                                         std::int16_t pion_nummer) {
    auto rij = std::make_shared<cls_rij_speler>();
    rij->verwijderd(false);
    rij->speler_naam(std::move(speler_naam));
    rij->team_nummer(team_nummer);
    rij->pion_nummer(pion_nummer);
    m_tbl_speler.voeg_toe(std::move(rij));
}

void cls_subcpt_ui::srvc_speler_heeft_systeem_in_vak(std::int16_t vak_nummer,
                                                     per_team_bool& speler_heeft_systeem_in_vak) {
    for (std::int16_t t = 1; t <= aantal_teams; ++t) {
        const cls_systeem& systeem = cel(*huidig_speelbord(), vak_nummer, t);
        speler_heeft_systeem_in_vak.at(static_cast<std::size_t>(systeem.speler_nummer())) =
            systeem.aanwezig();
    }
}

void cls_subcpt_ui::srvc_voeg_speelbord_toe() {
    auto nieuw = std::make_shared<cls_rij_speelbord>();
    // The 36 cells of a board share one allocation: a long game keeps one board per round, and
    // this keeps each round's memory small. Each cell is still a reference of its own.
    auto cellen = std::make_shared<std::array<cls_systeem, aantal_vakken * aantal_teams>>();
    std::size_t volgende = 0;
    for (std::int16_t v = 1; v <= aantal_vakken; ++v) {
        for (std::int16_t t = 1; t <= aantal_teams; ++t) {
            std::shared_ptr<cls_systeem> systeem(cellen, &(*cellen)[volgende++]);
            nieuw->systeem(v, t, systeem);
            systeem->aanwezig(false);
            systeem->marktaandeel(0.0);
            systeem->speler_nummer(0);
        }
    }
    if (m_status.ronde() > 1) {
        const cls_rij_speelbord& vorig = *vorig_speelbord();
        for (std::int16_t v = 1; v <= aantal_vakken; ++v) {
            for (std::int16_t t = 1; t <= aantal_teams; ++t) {
                const cls_systeem& van = cel(vorig, v, t);
                cls_systeem& naar = cel(*nieuw, v, t);
                naar.aanwezig(van.aanwezig());
                naar.marktaandeel(van.marktaandeel());
                naar.speler_nummer(van.speler_nummer());
            }
        }
    }
    m_tbl_speelbord.voeg_toe(std::move(nieuw));
}

void cls_subcpt_ui::srvc_voeg_systeem_toe(std::int16_t speler_nummer, std::int16_t vak_nummer) {
    cls_systeem& systeem = cel_van_speler(speler_nummer, vak_nummer);
    const std::shared_ptr<cls_rij_speelbord> vorig =
        m_status.ronde() > 1 ? vorig_speelbord() : nullptr;
    const double aandeel = aandeel_bij_begin(vorig.get(), vak_nummer, team_van(speler_nummer));
    systeem.aanwezig(true);
    systeem.speler_nummer(speler_nummer);
    systeem.marktaandeel(aandeel);
}

void cls_subcpt_ui::srvc_verwijder_systeem(std::int16_t speler_nummer, std::int16_t vak_nummer) {
    cel_van_speler(speler_nummer, vak_nummer).aanwezig(false);
}

void cls_subcpt_ui::srvc_verwijder_huidig_speelbord() {
    m_tbl_speelbord.verwijder_laatste_rij();
}

void cls_subcpt_ui::srvc_naar_vorige_configuratie() {
    // The snapshot after the drop reads configuration ronde - 1; make sure it will exist before
    // dropping anything, so a failure leaves the history as it was.
    const std::int16_t ronde = m_status.ronde();
    if (ronde > 1 && ronde > m_tbl_speelbord.aantal_rijen()) {
        throw std::out_of_range("round " + std::to_string(ronde) + " has no board to go back to");
    }
    m_tbl_speelbord.verwijder_laatste_rij();
    srvc_voeg_speelbord_toe();
}

void cls_subcpt_ui::srvc_bereken_marktaandeel_per_systeem(std::string richting) {
    const std::shared_ptr<cls_rij_speelbord> huidig = huidig_speelbord();
    const std::shared_ptr<cls_rij_speelbord> vorig =
        m_status.ronde() > 1 ? vorig_speelbord() : nullptr;

    // Every new share is computed and checked before the first is written, so a fault leaves the
    // board as it was.
    marktrekening::per_cel nieuw{};
    if (richting == "vooruit") {
        marktrekening(*huidig, vorig.get()).vooruit(nieuw);
    } else if (richting == "achteruit") {
        // Once a square has been scaled to a whole market, the inverse of the formula can no
        // longer give its shares back; the shares the round began with are still on the boards.
        for (std::int16_t v = 1; v <= aantal_vakken; ++v) {
            for (std::int16_t t = 1; t <= aantal_teams; ++t) {
                nieuw[v][t] = aandeel_bij_begin(vorig.get(), v, t);
            }
        }
    } else {
        return;
    }
    for (std::int16_t v = 1; v <= aantal_vakken; ++v) {
        for (std::int16_t t = 1; t <= aantal_teams; ++t) {
            cls_systeem& systeem = cel(*huidig, v, t);
            if (systeem.aanwezig()) {
                systeem.marktaandeel(nieuw[v][t]);
            }
        }
    }
}

void cls_subcpt_ui::srvc_bereken_marktaandeel_speler(per_team_double& marktaandeel_speler) {
    srvc_bereken_marktaandeel_speler(m_status.ronde(), marktaandeel_speler);
}

void cls_subcpt_ui::srvc_bereken_marktaandeel_speler(std::int16_t ronde,
                                                     per_team_double& marktaandeel_speler) {
    const std::shared_ptr<cls_rij_speelbord> bord = m_tbl_speelbord.rij(ronde);
    if (!bord) {
        throw std::logic_error("round " + std::to_string(ronde) + " has no board");
    }
    for (std::int16_t v = 1; v <= aantal_vakken; ++v) {
        for (std::int16_t t = 1; t <= aantal_teams; ++t) {
            const cls_systeem& systeem = cel(*bord, v, t);
            if (systeem.aanwezig()) {
                double& totaal =
                    marktaandeel_speler.at(static_cast<std::size_t>(systeem.speler_nummer()));
                totaal = eindig(totaal + systeem.marktaandeel(), "a team's total share");
            }
        }
    }
}

void cls_subcpt_ui::srvc_bereken_score_volgorde(const per_team_double& marktaandeel_speler,
                                                per_team_int& speler_volgorde,
                                                per_team_int& inverse_volgorde) {
    std::int16_t n = m_tbl_speler.aantal_rijen();
    per_team_double waarden{};
    for (std::int16_t i = 1; i <= n; ++i) {
        waarden.at(static_cast<std::size_t>(i)) =
            marktaandeel_speler.at(static_cast<std::size_t>(i));
    }
    for (std::int16_t i = 1; i <= n; ++i) {
        inverse_volgorde.at(static_cast<std::size_t>(i)) = i;
    }
    std::int16_t plaats = 1;
    sorteer_volgorde(waarden, inverse_volgorde, plaats);
    n = m_tbl_speler.aantal_rijen();
    for (std::int16_t i = 1; i <= n; ++i) {
        const std::int16_t p = inverse_volgorde.at(static_cast<std::size_t>(i));
        speler_volgorde.at(static_cast<std::size_t>(p)) = i;
    }
}

// Gnome sort into descending order. Equal totals are never swapped, so ties keep row order. The
// place is tested before each step, so fewer than two teams take no step at all.
void cls_subcpt_ui::sorteer_volgorde(per_team_double& waarden, per_team_int& volgorde,
                                     std::int16_t& plaats) {
    while (plaats < m_tbl_speler.aantal_rijen()) {
        const auto k = static_cast<std::size_t>(plaats);
        if (waarden.at(k) < waarden.at(k + 1)) {
            std::swap(waarden.at(k), waarden.at(k + 1));
            std::swap(volgorde.at(k), volgorde.at(k + 1));
            if (plaats > 1) {
                --plaats;
            }
        } else {
            ++plaats;
        }
    }
}

std::shared_ptr<cls_rij_speelbord> cls_subcpt_ui::huidig_speelbord() const {
    std::shared_ptr<cls_rij_speelbord> bord = m_tbl_speelbord.rij(m_status.ronde());
    if (!bord) {
        throw std::logic_error("round " + std::to_string(m_status.ronde()) + " has no board");
    }
    return bord;
}

std::shared_ptr<cls_rij_speelbord> cls_subcpt_ui::vorig_speelbord() const {
    std::shared_ptr<cls_rij_speelbord> bord = m_tbl_speelbord.rij(naar_int16(m_status.ronde() - 1));
    if (!bord) {
        throw std::logic_error("the round before " + std::to_string(m_status.ronde()) +
                               " has no board");
    }
    return bord;
}

std::int16_t cls_subcpt_ui::team_van(std::int16_t speler_nummer) const {
    const std::shared_ptr<cls_rij_speler> speler = m_tbl_speler.rij(speler_nummer);
    if (!speler) {
        throw std::logic_error("there is no team row " + std::to_string(speler_nummer));
    }
    return speler->team_nummer();
}

cls_systeem& cls_subcpt_ui::cel_van_speler(std::int16_t speler_nummer,
                                           std::int16_t vak_nummer) const {
    return cel(*huidig_speelbord(), vak_nummer, team_van(speler_nummer));
}
