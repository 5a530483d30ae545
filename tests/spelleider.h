#pragma once

#include "state/cls_rij_speelbord.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

// A game master's random play, the same from a seed whichever hands carry it out: the rules
// directly, or the whole program through its windows. Handen provides aantal_teams(), ronde(),
// wissel(vak, rijen) (the rows on square vak change between having a system and not, as one
// add-systems dialog does), vooruit() and terug() (a whole "forward" or "rewind" press).
template <class Handen> class spelleider {
public:
    spelleider(unsigned zaad, Handen& handen) : m_rng(zaad), m_handen(handen) {}

    int kies(int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(m_rng); }

    // One move: change a square, take a system away and put it back within the round (or put
    // one down and take it away again), "forward", or "rewind" (never at round 1, where the
    // button is off).
    void zet() {
        const int keuze = kies(0, 9);
        const int n = m_handen.aantal_teams();
        if (keuze < 4) {
            std::vector<int> rijen;
            for (int rij = 1; rij <= n; ++rij) {
                if (kies(0, 2) == 0) {
                    rijen.push_back(rij);
                }
            }
            m_handen.wissel(kies(1, 9), rijen);
        } else if (keuze < 5 && n > 0) {
            const int vak = kies(1, 9), rij = kies(1, n);
            m_handen.wissel(vak, {rij});
            m_handen.wissel(vak, {rij});
        } else if (keuze < 8) {
            m_handen.vooruit();
        } else if (m_handen.ronde() > 1) {
            m_handen.terug();
        }
    }

private:
    std::mt19937 m_rng;
    Handen& m_handen;
};

// The shares seen on closed rounds' boards, for the report.
struct aandelen_gezien {
    int vakken = 0;
    double kleinste = 1, grootste = 0;
};

// A board whose round has closed is whole markets: on every occupied square the shares lie in
// [0, 1] and add up to 1. Returns what is wrong, or an empty text.
inline std::string hele_markten(const cls_rij_speelbord& bord, aandelen_gezien& gezien) {
    for (std::int16_t v = 1; v <= 9; ++v) {
        double som = 0;
        bool bezet = false;
        for (std::int16_t t = 1; t <= 4; ++t) {
            const cls_systeem& cel = *bord.systeem(v, t);
            if (!cel.aanwezig()) {
                continue;
            }
            const double m = cel.marktaandeel();
            if (!(m >= -1e-9 && m <= 1 + 1e-9)) {
                return "share " + std::to_string(m) + " on square " + std::to_string(v);
            }
            bezet = true;
            som += m;
            gezien.kleinste = std::min(gezien.kleinste, m);
            gezien.grootste = std::max(gezien.grootste, m);
        }
        if (bezet && std::abs(som - 1) > 1e-9) {
            return "the shares on square " + std::to_string(v) + " add up to " +
                   std::to_string(som);
        }
        gezien.vakken += bezet ? 1 : 0;
    }
    return {};
}
