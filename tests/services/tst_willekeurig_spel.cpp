#include "spel.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <map>
#include <random>
#include <sstream>
#include <vector>

#include <QTest>

namespace {

using bord_aandelen = std::array<std::array<double, 5>, 10>;

bord_aandelen aandelen(const spel& s) {
    bord_aandelen a{};
    for (int v = 1; v <= 9; ++v) {
        for (int t = 1; t <= 4; ++t) {
            a[v][t] = s.cel(v, t).marktaandeel();
        }
    }
    return a;
}

// Random play of one game, by the game master's moves: opening a square and toggling teams,
// taking a system away and putting it back within the round, "forward" and "rewind" (never at
// round 1, where the button is disabled). It checks the history after every move and the shares
// at every computation.
class willekeurig_spel {
public:
    explicit willekeurig_spel(unsigned zaad) : m_rng(zaad) {
        std::vector<int> nummers{1, 2, 3, 4};
        std::shuffle(nummers.begin(), nummers.end(), m_rng);
        nummers.resize(std::uniform_int_distribution<std::size_t>(1, 4)(m_rng));
        std::sort(nummers.begin(), nummers.end());
        for (int t : nummers) {
            m_s.subcpt_ui.srvc_voeg_speler_toe("team", static_cast<std::int16_t>(t),
                                               static_cast<std::int16_t>(4 * t - 3));
            m_log << "team " << t << "; ";
        }
    }

    void speel(int zetten) {
        for (int i = 0; i < zetten; ++i) {
            const int keuze = kies(0, 9);
            if (keuze < 4) {
                wijzig_vak();
            } else if (keuze < 5) {
                weg_en_terug();
            } else if (keuze < 8) {
                vooruit();
            } else if (m_s.status.ronde() > 1) {
                terug();
            }
            controleer(m_s.tbl_speelbord.aantal_rijen() == m_s.status.ronde(), "history");
            controleer(m_s.status.stap() == 1, "step");
        }
    }

    std::string log() const { return m_log.str(); }
    int rondes = 0;
    int correcties = 0;
    int gecontroleerde_sommen = 0;
    int gecontroleerde_terugrekeningen = 0;
    double kleinste_aandeel = 1;
    double grootste_aandeel = 0;

private:
    int kies(int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(m_rng); }

    void controleer(bool goed, const std::string& wat) {
        if (!goed) {
            throw std::runtime_error(wat + " broken after: " + m_log.str());
        }
    }

    int team_van(int rij) const {
        return m_s.tbl_speler.rij(static_cast<std::int16_t>(rij))->team_nummer();
    }

    void wijzig_vak() {
        const int vak = kies(1, 9);
        m_log << "square " << vak << ":";
        for (int rij = 1; rij <= m_s.tbl_speler.aantal_rijen(); ++rij) {
            if (kies(0, 2) != 0) {
                continue;
            }
            if (m_s.cel(vak, team_van(rij)).aanwezig()) {
                m_s.haal_weg(rij, vak);
                m_log << " -" << rij;
            } else {
                m_s.plaats(rij, vak);
                m_log << " +" << rij;
            }
        }
        m_log << "; ";
    }

    // The game master takes a system away, then changes their mind and puts it back.
    void weg_en_terug() {
        const int vak = kies(1, 9);
        const int rij = kies(1, std::max<int>(1, m_s.tbl_speler.aantal_rijen()));
        if (m_s.tbl_speler.aantal_rijen() == 0 || !m_s.cel(vak, team_van(rij)).aanwezig()) {
            return;
        }
        m_s.haal_weg(rij, vak);
        m_s.plaats(rij, vak);
        m_log << "square " << vak << ": -" << rij << "; square " << vak << ": +" << rij << "; ";
        ++correcties;
    }

    // After the forward computation every occupied square is one whole market.
    void vooruit() {
        m_log << "forward; ";
        m_s.stap_vooruit();
        m_s.stap_vooruit();
        m_voor[m_s.status.ronde()] = aandelen(m_s);
        m_s.stap_vooruit();
        for (int v = 1; v <= 9; ++v) {
            double som = 0;
            bool bezet = false;
            for (int t = 1; t <= 4; ++t) {
                const cls_systeem& c = m_s.cel(v, t);
                if (c.aanwezig()) {
                    bezet = true;
                    som += c.marktaandeel();
                    kleinste_aandeel = std::min(kleinste_aandeel, c.marktaandeel());
                    grootste_aandeel = std::max(grootste_aandeel, c.marktaandeel());
                    controleer(c.marktaandeel() >= -1e-9 && c.marktaandeel() <= 1 + 1e-9,
                               "a share on square " + std::to_string(v) + " outside 0..1");
                }
            }
            if (bezet) {
                controleer(std::abs(som - 1) <= 1e-9, "shares of square " + std::to_string(v));
                ++gecontroleerde_sommen;
            }
        }
        m_s.stap_vooruit();
        ++rondes;
    }

    // The backward computation must give every present system back the share it had before
    // the forward one, on the same two boards.
    void terug() {
        m_log << "rewind; ";
        m_s.stap_achteruit();
        m_s.stap_achteruit();
        const bord_aandelen& voor = m_voor.at(m_s.status.ronde());
        for (int v = 1; v <= 9; ++v) {
            for (int t = 1; t <= 4; ++t) {
                const cls_systeem& c = m_s.cel(v, t);
                if (c.aanwezig()) {
                    controleer(std::abs(c.marktaandeel() - voor[v][t]) <= 1e-9,
                               "backward share of square " + std::to_string(v));
                    ++gecontroleerde_terugrekeningen;
                }
            }
        }
        m_s.stap_achteruit();
        m_s.stap_achteruit();
    }

    std::mt19937 m_rng;
    spel m_s;
    std::map<int, bord_aandelen> m_voor;
    std::ostringstream m_log;
};

} // namespace

class tst_willekeurig_spel : public QObject {
    Q_OBJECT

private slots:
    // Many random games with fixed seeds, systems taken away and put back among them, keep the
    // history, every square's shares and the backward computation sound.
    void willekeurige_spellen() {
        constexpr unsigned aantal_spellen = 1000;
        int rondes = 0, correcties = 0, sommen = 0, terugrekeningen = 0;
        double kleinste = 1, grootste = 0;
        for (unsigned zaad = 1; zaad <= aantal_spellen; ++zaad) {
            willekeurig_spel spel(zaad);
            try {
                spel.speel(300);
            } catch (const std::exception& fout) {
                QFAIL(qPrintable(QStringLiteral("seed %1: %2\n%3")
                                     .arg(zaad)
                                     .arg(fout.what(), QString::fromStdString(spel.log()))));
            }
            rondes += spel.rondes;
            correcties += spel.correcties;
            sommen += spel.gecontroleerde_sommen;
            terugrekeningen += spel.gecontroleerde_terugrekeningen;
            kleinste = std::min(kleinste, spel.kleinste_aandeel);
            grootste = std::max(grootste, spel.grootste_aandeel);
        }
        qInfo("%d games, %d rounds closed, %d systems taken away and put back; checked %d "
              "square sums and %d backward shares; shares from %g to %g",
              aantal_spellen, rondes, correcties, sommen, terugrekeningen, kleinste, grootste);
        QVERIFY(correcties > 5000);
        QVERIFY(sommen > 5000);
        QVERIFY(terugrekeningen > 5000);
    }
};

QTEST_APPLESS_MAIN(tst_willekeurig_spel)
#include "tst_willekeurig_spel.moc"
