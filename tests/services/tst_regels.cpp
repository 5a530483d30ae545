#include "../spelleider.h"
#include "services/cls_klok.h"
#include "spel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

#include <QTest>

namespace {

using per_team_double = cls_subcpt_ui::per_team_double;

// A cell's presence, owner and share.
using toestand = std::tuple<bool, std::int16_t, double>;
toestand toestand_van(const cls_systeem& cel) {
    return {cel.aanwezig(), cel.speler_nummer(), cel.marktaandeel()};
}

using bord_aandelen = std::array<std::array<double, 5>, 10>;

// The shares of the systems on a round's board; 0 where there is none.
bord_aandelen aandelen(const spel& s, std::int16_t ronde) {
    bord_aandelen a{};
    for (std::int16_t v = 1; v <= 9; ++v) {
        for (std::int16_t t = 1; t <= 4; ++t) {
            a[v][t] = s.cel(ronde, v, t).aanwezig() ? s.cel(ronde, v, t).marktaandeel() : 0;
        }
    }
    return a;
}

// What the random games saw, over all of them: systems put back within their round, occupied
// squares checked.
struct tellers {
    int teruggezet = 0, vakken = 0;
};

// A board whose round has closed is whole markets: on every occupied square the shares lie in
// [0, 1] and add up to 1. Returns what is wrong, or an empty text.
std::string hele_markten(const cls_rij_speelbord& bord, tellers& gezien) {
    for (std::int16_t v = 1; v <= 9; ++v) {
        double som = 0;
        bool bezet = false;
        for (std::int16_t t = 1; t <= 4; ++t) {
            const cls_systeem& cel = *bord.systeem(v, t);
            if (!cel.aanwezig()) {
                continue;
            }
            const double m = cel.marktaandeel();
            if (!(m >= 0 && m <= 1 + 1e-9)) {
                return "share " + std::to_string(m) + " on square " + std::to_string(v);
            }
            bezet = true;
            som += m;
        }
        if (bezet && std::abs(som - 1) > 1e-9) {
            return "the shares on square " + std::to_string(v) + " add up to " +
                   std::to_string(som);
        }
        gezien.vakken += bezet ? 1 : 0;
    }
    return {};
}

// The game master's hands on the rules themselves, one step of the round cycle at a time, so
// that the shares can be checked between the steps of a press. A broken promise throws.
class regels_handen {
public:
    explicit regels_handen(tellers& teller) : m_teller(teller) { m_begin[1] = {}; }
    int aantal_teams() const { return s.tbl_speler.aantal_rijen(); }
    int ronde() const { return s.status.ronde(); }
    bool heeft(std::int16_t vak, int rij) const { return s.cel(vak, team(rij)).aanwezig(); }

    void wissel(std::int16_t vak, const std::vector<int>& rijen) {
        for (auto rij : rijen) {
            const bool weg = heeft(vak, rij);
            m_teller.teruggezet +=
                !weg && ronde() > 1 && s.cel(ronde() - 1, vak, team(rij)).aanwezig() ? 1 : 0;
            weg ? s.haal_weg(static_cast<std::int16_t>(rij), vak)
                : s.plaats({{static_cast<std::int16_t>(rij), vak}});
        }
    }

    // After the shares are computed, every occupied square is one whole market.
    void vooruit() {
        s.stappen(3);
        meld(hele_markten(*s.tbl_speelbord.rij(s.status.ronde()), m_teller));
        s.stappen(1);
        m_begin[ronde()] = aandelen(s, s.status.ronde());
    }

    // The backward computation gives every present system the share it had when the round
    // began.
    void terug() {
        s.stappen(-2);
        const bord_aandelen& begin = m_begin.at(ronde());
        for (std::int16_t v = 1; v <= 9; ++v) {
            for (std::int16_t t = 1; t <= 4; ++t) {
                const cls_systeem& cel = s.cel(v, t);
                meld(cel.aanwezig() && cel.marktaandeel() != begin[v][t] ? "backward share" : "");
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
    std::int16_t team(int rij) const {
        return s.tbl_speler.rij(static_cast<std::int16_t>(rij))->team_nummer();
    }

    tellers& m_teller;
    std::map<int, bord_aandelen> m_begin;
};

} // namespace

class tst_regels : public QObject {
    Q_OBJECT

private slots:
    // Rows are numbered from 1 and handed out by reference, so a rename through rij() is the
    // table's; slot 0 exists but is empty; an empty reference or a 32,768th row is refused
    // before anything changes, and dropping from an empty history fails. Removal only marks a
    // row. A configuration has squares 0 to 9 and teams 0 to 4.
    void records() {
        cls_tbl_speler tabel;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(0));
        auto rij = std::make_shared<cls_rij_speler>();
        for (int i = 0; i < std::numeric_limits<std::int16_t>::max(); ++i) {
            tabel.voeg_toe(rij);
        }
        QVERIFY_THROWS_EXCEPTION(std::overflow_error,
                                 tabel.voeg_toe(std::make_shared<cls_rij_speler>()));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, cls_tbl_speler().voeg_toe(nullptr));
        QCOMPARE(tabel.aantal_rijen(), 32767);
        QCOMPARE(tabel.rij(32767), rij);
        QCOMPARE(tabel.rij(0), nullptr);
        tabel.rij(2)->speler_naam("lime");
        tabel.verwijder(3);
        QCOMPARE(rij->speler_naam(), "lime");
        QVERIFY(rij->verwijderd());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, tabel.verwijder(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, tabel.rij(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, cls_tbl_speelbord().verwijder_laatste_rij());

        cls_rij_speelbord bord;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bord.systeem(1, 5, nullptr));
        QCOMPARE(bord.systeem(0, 0), nullptr);
    }

    // Going back in round 1 leaves its one board as new: every cell as a default one, of no
    // team.
    void terug_in_ronde_1() {
        spel s{1, 3};
        s.plaats({{2, 5}, {1, 6}});
        s.subcpt_ui.srvc_naar_vorige_configuratie();
        for (std::int16_t v = 1; v <= 9; ++v) {
            for (std::int16_t t = 1; t <= 4; ++t) {
                QCOMPARE(toestand_van(s.cel(v, t)), toestand_van(cls_systeem{}));
            }
        }
    }

    // The worked game, rows 1 and 2 being teams 1 and 2. Round 1 weighs each team by its
    // systems on the whole board; in round 2 team 1 leaves square 1, team 2 takes its system
    // there away and puts it back, which keeps the share it began the round with, and joins
    // square 2, bringing the share left behind and a negative weight.
    void uitgewerkt_spel() {
        spel s{1, 2};
        s.plaats({{1, 1}, {1, 2}, {2, 1}});
        s.stappen(4);
        s.haal_weg(1, 1);
        s.haal_weg(2, 1);
        s.plaats({{2, 1}, {2, 2}});
        s.stappen(3);
        QCOMPARE(s.cel(1, 1, 1).marktaandeel(), 2.0 / 3.0);
        QCOMPARE(s.cel(1, 1, 2).marktaandeel(), 1.0 / 3.0);
        QCOMPARE(s.cel(1, 2).marktaandeel(), 1.0);
        QCOMPARE(s.cel(2, 1).marktaandeel(), 0.6);
        QCOMPARE(s.cel(2, 2).marktaandeel(), 0.4);
        per_team_double totaal{};
        s.subcpt_ui.srvc_bereken_marktaandeel_speler(totaal);
        QCOMPARE(totaal[1], 0.6);
        QCOMPARE(totaal[2], 1.4);
        s.subcpt_ui.srvc_bereken_marktaandeel_speler(totaal);
        QCOMPARE(totaal[2], 2.8);
        // A rewind press from round 3 takes away what round 2 placed.
        s.stappen(1);
        s.stappen(-4);
        QVERIFY(!s.cel(2, 2).aanwezig());
    }

    // A team retreats in year 6 to the one market where it holds 12 %, while two others leave
    // it: by the formula alone square 1 would show -23 and 123. Scaled to one market it shows 0
    // and 100, and the team's total is 0. The year rewound and played again gives the same board.
    void terugtrekkend_team() {
        const char* const jaren[6][4] = {{"234679", "123456789", "2457", "46789"},
                                         {"123456789", "123456789", "245678", "2356789"},
                                         {"156789", "1245", "12459", "1245679"},
                                         {"3489", "123456789", "123456789", "123456789"},
                                         {"134679", "1", "12345689", "1345689"},
                                         {"1", "1", "24579", "23478"}};
        spel s{1, 2, 3, 4};
        const auto speel = [&s](const char* const(&jaar)[4], int stappen) {
            for (std::int16_t rij = 1; rij <= 4; ++rij) {
                s.bezet(rij, jaar[rij - 1]);
            }
            s.stappen(stappen);
        };
        for (int jaar = 0; jaar < 5; ++jaar) {
            speel(jaren[jaar], 4);
        }
        speel(jaren[5], 3);
        QCOMPARE(s.cel(1, 1).marktaandeel(), 0.0);
        QCOMPARE(s.cel(1, 2).marktaandeel(), 1.0);
        // A square the formula leaves whole keeps its shares, here after team 1 left square 4.
        QCOMPARE(s.cel(4, 3).marktaandeel(), 0.63203101594854161);
        QCOMPARE(s.cel(4, 4).marktaandeel(), 0.36796898405145828);
        QCOMPARE(s.cel(2, 4).marktaandeel(), 0.27777777777777779);
        per_team_double totaal{};
        s.subcpt_ui.srvc_bereken_marktaandeel_speler(totaal);
        QCOMPARE(totaal[1], 0.0);
        s.stappen(1);
        const bord_aandelen jaar_6 = aandelen(s, 6);
        s.stappen(-4);
        speel(jaren[5], 4);
        QVERIFY(aandelen(s, 6) == jaar_6);
    }

    // What the rules refuse, they refuse before they change anything: a bad square, row or team,
    // a round without a board, a step past the last round the 16-bit round can count, and a
    // share or total that is not a finite number, caught in the numerator rather than after a
    // division hides it.
    void fouten_veranderen_niets() {
        spel s{1, 2};
        s.plaats({{1, 1}, {2, 1}, {1, 2}});
        s.stappen(4);
        s.haal_weg(2, 1);
        s.plaats({{2, 3}});
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.plaats({{1, 10}}));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, s.plaats({{0, 1}}));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, s.plaats({{1, 0}}));
        s.cel(1, 1, 2).marktaandeel(std::numeric_limits<double>::quiet_NaN());
        QVERIFY_THROWS_EXCEPTION(std::domain_error,
                                 s.subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit"));
        QCOMPARE(s.cel(2, 1).marktaandeel(), 1.0);
        QCOMPARE(s.cel(1, 1).marktaandeel(), 2.0 / 3.0);
        const double max = std::numeric_limits<double>::max();
        s.cel(2, 1).marktaandeel(max);
        s.cel(1, 1).marktaandeel(max);
        per_team_double totaal{};
        QVERIFY_THROWS_EXCEPTION(std::domain_error,
                                 s.subcpt_ui.srvc_bereken_marktaandeel_speler(totaal));
        s.cel(1, 1, 2).marktaandeel(0.5);
        QVERIFY_THROWS_EXCEPTION(std::domain_error,
                                 s.subcpt_ui.srvc_bereken_marktaandeel_per_systeem("vooruit"));
        QCOMPARE(s.cel(1, 1).marktaandeel(), max);
        s.cel(1, 1).speler_nummer(5);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 s.subcpt_ui.srvc_bereken_marktaandeel_speler(totaal));
        s.subcpt_ui.srvc_voeg_speler_toe("team 9", 9, 33);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.plaats({{3, 1}}));
        s.status.ronde(3);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.subcpt_ui.srvc_naar_vorige_configuratie());
        s.status.ronde(32767);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, s.stappen(1));
        QCOMPARE(s.status.stap(), 1);
        QCOMPARE(s.tbl_speelbord.aantal_rijen(), 2);
    }

    // A thousand random games with fixed seeds and one to four teams, systems taken away and put
    // back, teams growing and retreating among the moves: after every forward computation each
    // occupied square is one whole market, after every step back each system holds its share
    // from the start of the round, and between moves the game rests at step 1 with one board
    // per round. A failing seed replays the same game.
    void willekeurige_spellen() {
        tellers teller;
        int terugtochten = 0;
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
            terugtochten += leider.terugtochten;
        }
        QCOMPARE_GT(teller.teruggezet, 1000);
        QCOMPARE_GT(terugtochten, 10000);
        QCOMPARE_GT(teller.vakken, 100000);
    }

    // The round timer, on a time source the test moves: 5:00 at first; a count-down shows
    // seconds rounded up and looks again when the next one begins; a pause holds the time, a
    // resume goes on from it; setting back stops it at the full time. The time runs out once,
    // exactly at 0:00, also after a 20-minute sleep, and stays out until it is set back. A time
    // is set from 0:10 to 59:59 and sets the clock back.
    void klok() {
        using namespace std::chrono_literals;
        cls_klok::duur nu{123456};
        cls_klok klok([&nu] { return nu; });
        QCOMPARE(klok.seconden_over(), 300);
        QVERIFY(!klok.in_gebruik());
        klok.wissel();
        QVERIFY(klok.in_gebruik());
        nu += 1500ms;
        QCOMPARE(klok.seconden_over(), 299);
        QCOMPARE(klok.tot_volgende_seconde(), 500ms);
        klok.wissel();
        QVERIFY(!klok.loopt());
        nu += 10s;
        klok.start();
        nu += 500ms;
        QCOMPARE(klok.seconden_over(), 298);
        QCOMPARE(klok.tot_volgende_seconde(), 1000ms);
        QCOMPARE(klok.meld_om(), false);
        nu += 237s;
        QCOMPARE(klok.laatste_minuut(), false);
        nu += 1s;
        QCOMPARE(klok.laatste_minuut(), true);
        klok.zet_terug();
        QCOMPARE(klok.loopt(), false);
        QCOMPARE(klok.seconden_over(), 300);
        for (const cls_klok::duur tot_om : {cls_klok::duur(300s), cls_klok::duur(20min)}) {
            klok.start();
            nu += tot_om - 1ms;
            QCOMPARE(klok.seconden_over(), tot_om == 300s ? 1 : 0);
            QCOMPARE(klok.meld_om(), tot_om != 300s);
            nu += 1ms;
            QCOMPARE(klok.meld_om(), tot_om == 300s);
            QCOMPARE(klok.meld_om(), false);
            klok.wissel();
            nu += 1s;
            QCOMPARE(klok.loopt(), false);
            QCOMPARE(klok.seconden_over(), 0);
            QCOMPARE(klok.laatste_minuut(), false);
            klok.zet_terug();
        }
        klok.start();
        klok.stel_in(10s);
        QCOMPARE(klok.loopt(), false);
        QCOMPARE(klok.seconden_over(), 10);
        klok.stel_in(cls_klok::langste);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, klok.stel_in(9s));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, klok.stel_in(3600s));
        QCOMPARE(klok.seconden_over(), 3599);
    }
};

QTEST_APPLESS_MAIN(tst_regels)
#include "tst_regels.moc"
