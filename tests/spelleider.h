#pragma once

#include <algorithm>
#include <random>
#include <vector>

// A game master's random play, the same from a seed whichever hands carry it out: the rules
// directly, or the whole program through its windows. Handen provides aantal_teams(), ronde(),
// heeft(vak, rij) (row rij has a system on square vak), wissel(vak, rijen) (the rows on square
// vak change between having a system and not, as one add-systems dialog does), vooruit() and
// terug() (a whole "forward" or "rewind" press).
template <class Handen> class spelleider {
public:
    spelleider(unsigned zaad, Handen& handen) : m_rng(zaad), m_handen(handen) {}

    int kies(int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(m_rng); }

    // One move: change a square; take a system away and put it back within the round (or put
    // one down and take it away again); a team grows onto most squares, or retreats to one or
    // two of its own while others may leave those too, which is where a negative balance weighs
    // most; "forward"; or "rewind" (never at round 1, where the button is off).
    void zet() {
        const int keuze = kies(0, 12);
        const int n = m_handen.aantal_teams();
        if (keuze < 3) {
            m_handen.wissel(kies(1, 9), willekeurige_rijen(n));
        } else if (keuze < 6 && n > 0) {
            const int rij = kies(1, n);
            keuze == 3 ? terugzetten(rij) : keuze == 4 ? groei(rij) : trek_terug(rij, n);
        } else if (keuze < 9 && n > 0) {
            // A round of strategy: every team grows, retreats or holds, and the year closes.
            for (int rij = 1; rij <= n; ++rij) {
                const int plan = kies(0, 2);
                plan == 0 ? groei(rij) : plan == 1 ? trek_terug(rij, n) : void();
            }
            m_handen.vooruit();
        } else if (keuze < 10) {
            m_handen.vooruit();
        } else if (m_handen.ronde() > 1) {
            m_handen.terug();
        }
    }

    int terugtochten = 0;

private:
    std::vector<int> willekeurige_rijen(int n) {
        std::vector<int> rijen;
        for (int rij = 1; rij <= n; ++rij) {
            if (kies(0, 2) == 0) {
                rijen.push_back(rij);
            }
        }
        return rijen;
    }

    void terugzetten(int rij) {
        const int vak = kies(1, 9);
        m_handen.wissel(vak, {rij});
        m_handen.wissel(vak, {rij});
    }

    void groei(int rij) {
        for (int vak = 1; vak <= 9; ++vak) {
            if (!m_handen.heeft(vak, rij) && kies(0, 3) != 0) {
                m_handen.wissel(vak, {rij});
            }
        }
    }

    // The team keeps one or two of its squares, shared ones first, and takes the rest away:
    // there its negative balance weighs against the others' shares.
    void trek_terug(int rij, int n) {
        std::vector<int> eigen;
        for (int vak = 1; vak <= 9; ++vak) {
            if (m_handen.heeft(vak, rij)) {
                eigen.push_back(vak);
            }
        }
        std::shuffle(eigen.begin(), eigen.end(), m_rng);
        std::stable_partition(eigen.begin(), eigen.end(), [&](int vak) {
            for (int ander = 1; ander <= n; ++ander) {
                if (ander != rij && m_handen.heeft(vak, ander)) {
                    return true;
                }
            }
            return false;
        });
        const std::size_t houden = static_cast<std::size_t>(kies(1, 2));
        for (std::size_t i = houden; i < eigen.size(); ++i) {
            m_handen.wissel(eigen[i], {rij});
        }
        terugtochten += eigen.size() > houden ? 1 : 0;
    }

    std::mt19937 m_rng;
    Handen& m_handen;
};
