#pragma once

#include <random>
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
