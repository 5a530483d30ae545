#include "../spelleider.h"
#include "spel.h"

#include <map>
#include <stdexcept>

#include <QTest>

namespace {

using bord_aandelen = std::array<std::array<double, 5>, 10>;

// What the random games saw, over all of them.
struct tellers {
    aandelen_gezien gezien;
    int rondes = 0, teruggezet = 0;
};

// The game master's hands on the rules themselves, one step of the round cycle at a time, so
// that the shares can be checked between the steps of a press. A broken promise throws.
class regels_handen {
public:
    explicit regels_handen(tellers& teller) : m_teller(teller) {}
    int aantal_teams() const { return s.tbl_speler.aantal_rijen(); }
    int ronde() const { return s.status.ronde(); }

    void wissel(std::int16_t vak, const std::vector<int>& rijen) {
        for (auto rij : rijen) {
            const std::int16_t team =
                s.tbl_speler.rij(static_cast<std::int16_t>(rij))->team_nummer();
            const bool weg = s.cel(vak, team).aanwezig();
            m_teller.teruggezet +=
                !weg && ronde() > 1 && s.cel(ronde() - 1, vak, team).aanwezig() ? 1 : 0;
            weg ? s.haal_weg(rij, vak) : s.plaats({{rij, vak}});
        }
    }

    // After the shares are computed, every occupied square is one whole market.
    void vooruit() {
        s.stappen(2);
        m_voor[ronde()] = aandelen();
        s.stappen(1);
        meld(hele_markten(*s.tbl_speelbord.rij(s.status.ronde()), m_teller.gezien));
        s.stappen(1);
        ++m_teller.rondes;
    }

    // The backward computation gives every present system back the share it had before the
    // forward one, on the same two boards.
    void terug() {
        s.stappen(-2);
        const bord_aandelen nu = aandelen(), voor = m_voor.at(ronde());
        for (std::int16_t v = 1; v <= 9; ++v) {
            for (std::int16_t t = 1; t <= 4; ++t) {
                meld(s.cel(v, t).aanwezig() && std::abs(nu[v][t] - voor[v][t]) > 1e-9
                         ? "backward share"
                         : "");
            }
        }
        s.stappen(-2);
    }

    static void meld(const std::string& fout) {
        if (!fout.empty()) {
            throw std::runtime_error(fout);
        }
    }

    spel s;

private:
    bord_aandelen aandelen() const {
        bord_aandelen a{};
        for (std::int16_t v = 1; v <= 9; ++v) {
            for (std::int16_t t = 1; t <= 4; ++t) {
                a[v][t] = s.cel(v, t).marktaandeel();
            }
        }
        return a;
    }

    tellers& m_teller;
    std::map<int, bord_aandelen> m_voor;
};

} // namespace

class tst_willekeurig_spel : public QObject {
    Q_OBJECT

private slots:
    // A thousand random games with fixed seeds and one to four teams, systems taken away and put
    // back among the moves: after every forward computation each occupied square is one whole
    // market, the backward one restores every share, and between moves the game rests at step 1
    // with one board per round. A failing seed replays the same game.
    void willekeurige_spellen() {
        tellers teller;
        for (unsigned zaad = 1; zaad <= 1000; ++zaad) {
            regels_handen handen(teller);
            spelleider leider(zaad, handen);
            for (std::int16_t t = 1; t <= 4; ++t) {
                if (leider.kies(0, 1) == 1) {
                    handen.s.subcpt_ui.srvc_voeg_speler_toe("team", t, 4 * t - 3);
                }
            }
            try {
                for (int i = 0; i < 300; ++i) {
                    leider.zet();
                    regels_handen::meld(handen.s.status.stap() == 1 &&
                                                handen.s.tbl_speelbord.aantal_rijen() ==
                                                    handen.ronde()
                                            ? ""
                                            : "history");
                }
            } catch (const std::exception& fout) {
                QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(zaad).arg(fout.what())));
            }
        }
        qInfo("1000 games, %d rounds closed, %d systems put back within their round; %d squares "
              "checked, shares from %g to %g",
              teller.rondes, teller.teruggezet, teller.gezien.vakken, teller.gezien.kleinste,
              teller.gezien.grootste);
        QVERIFY(teller.teruggezet > 1000 && teller.gezien.vakken > 100000);
    }
};

QTEST_APPLESS_MAIN(tst_willekeurig_spel)
#include "tst_willekeurig_spel.moc"
