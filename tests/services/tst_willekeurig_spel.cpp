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
// "forward" and "rewind" (never at round 1, where the button is disabled). It checks the
// history after every move and the share properties at every computation.
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
            if (keuze < 5) {
                wijzig_vak();
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
    int gecontroleerde_sommen = 0;
    int gecontroleerde_terugrekeningen = 0;
    double grootste_aandeel = 0;

private:
    int kies(int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(m_rng); }

    void controleer(bool goed, const std::string& wat) {
        if (!goed) {
            throw std::runtime_error(wat + " broken after: " + m_log.str());
        }
    }

    void wijzig_vak() {
        const int vak = kies(1, 9);
        m_log << "square " << vak << ":";
        for (int rij = 1; rij <= m_s.tbl_speler.aantal_rijen(); ++rij) {
            if (kies(0, 2) != 0) {
                continue;
            }
            const int team = m_s.tbl_speler.rij(static_cast<std::int16_t>(rij))->team_nummer();
            if (m_s.cel(vak, team).aanwezig()) {
                m_s.haal_weg(rij, vak);
                m_log << " -" << rij;
            } else {
                m_s.plaats(rij, vak);
                m_log << " +" << rij;
            }
        }
        m_log << "; ";
    }

    // Squares whose present shares already add up to what is left after the departures must
    // reach exactly 1 by the forward computation.
    std::vector<int> vakken_die_op_1_moeten_komen() const {
        std::vector<int> vakken;
        const int r = m_s.status.ronde();
        for (int v = 1; v <= 9; ++v) {
            double weg = 0, aanwezig = 0;
            bool bezet = false;
            for (int t = 1; t <= 4; ++t) {
                const cls_systeem& nu = m_s.cel(v, t);
                if (nu.aanwezig()) {
                    bezet = true;
                    aanwezig += nu.marktaandeel();
                } else if (r > 1 && m_s.cel(r - 1, v, t).aanwezig()) {
                    weg += m_s.cel(r - 1, v, t).marktaandeel();
                }
            }
            double rest = 1 - weg;
            if (rest == 0) {
                rest = 1;
            }
            if (bezet && std::abs(aanwezig - rest) <= 1e-12 * std::abs(rest)) {
                vakken.push_back(v);
            }
        }
        return vakken;
    }

    void vooruit() {
        m_log << "forward; ";
        m_s.stap_vooruit();
        m_s.stap_vooruit();
        const std::vector<int> vakken = vakken_die_op_1_moeten_komen();
        m_voor[m_s.status.ronde()] = aandelen(m_s);
        m_s.stap_vooruit();
        for (int v : vakken) {
            double som = 0;
            for (int t = 1; t <= 4; ++t) {
                const cls_systeem& c = m_s.cel(v, t);
                som += c.aanwezig() ? c.marktaandeel() : 0.0;
            }
            controleer(std::abs(som - 1) <= 1e-9, "shares of square " + std::to_string(v));
            ++gecontroleerde_sommen;
        }
        for (int v = 1; v <= 9; ++v) {
            for (int t = 1; t <= 4; ++t) {
                grootste_aandeel =
                    std::max(grootste_aandeel, std::abs(m_s.cel(v, t).marktaandeel()));
            }
        }
        m_s.stap_vooruit();
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
    // Many random games with fixed seeds keep the history, the share sums and the backward
    // computation sound, and never reach a numeric fault.
    void willekeurige_spellen() {
        int sommen = 0, terugrekeningen = 0;
        double grootste = 0;
        for (unsigned zaad = 1; zaad <= 1000; ++zaad) {
            willekeurig_spel spel(zaad);
            try {
                spel.speel(300);
            } catch (const std::exception& fout) {
                QFAIL(qPrintable(QStringLiteral("seed %1: %2\n%3")
                                     .arg(zaad)
                                     .arg(fout.what(), QString::fromStdString(spel.log()))));
            }
            sommen += spel.gecontroleerde_sommen;
            terugrekeningen += spel.gecontroleerde_terugrekeningen;
            grootste = std::max(grootste, spel.grootste_aandeel);
        }
        qInfo("checked %d square sums and %d backward shares; largest share %g", sommen,
              terugrekeningen, grootste);
        QVERIFY(sommen > 5000);
        QVERIFY(terugrekeningen > 5000);
    }
};

QTEST_APPLESS_MAIN(tst_willekeurig_spel)
#include "tst_willekeurig_spel.moc"
