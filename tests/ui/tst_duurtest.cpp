#include "bewaakt_spel.h"
#include "ui/board/percentage_text.h"
#include "ui/dialogs/pawn_picture.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include <QMap>
#include <QRegularExpression>

namespace {

// Which team row owns a system on each square (by team number), 0 for none.
using bord = std::array<std::array<int, 5>, 10>;

// What the game must hold, kept apart from the program: the round, the board every round
// started with, the board as it stands, and the teams entered.
struct verwachting {
    int ronde = 1;
    std::vector<bord> begin{bord{}};
    bord huidig{};
    struct team {
        std::string naam;
        int team_nummer;
    };
    std::vector<team> teams;
    bool teams_dialoog_open = true;
    // Until the first rename the teams carry their names exactly as typed in the dialog.
    bool namen_zoals_getypt = false;
};

bool is_geheel_getal(const QString& tekst) {
    static const QRegularExpression geheel("^-?(0|[1-9][0-9]*)$");
    return geheel.match(tekst).hasMatch();
}

// Random play by the game master through the windows, checked after every action. Every
// choice comes from the seed, so a failing seed replays the same game.
class willekeurige_spelleider {
public:
    // One game in eight closes the add-teams dialog with its close control and plays on
    // without teams.
    explicit willekeurige_spelleider(unsigned zaad)
        : m_rng(zaad), m_teams_weggooien(kies(0, 7) == 0) {}

    // Plays the actions; returns the first broken rule, or an empty text.
    QString speel(int acties) {
        for (int i = 0; i < acties; ++i) {
            doe_iets();
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QString fout = controleer();
            if (!fout.isEmpty()) {
                return fout;
            }
        }
        return {};
    }

    QString verloop() const { return m_log.join('\n'); }

    QString samenvatting() const {
        QStringList delen{QString("highest round %1").arg(m_hoogste_ronde),
                          QString("%1 teams").arg(s.tbl_speler.aantal_rijen())};
        for (auto it = m_tellers.begin(); it != m_tellers.end(); ++it) {
            delen << QString("%1 x %2").arg(it.value()).arg(it.key());
        }
        return delen.join(", ");
    }

private:
    int kies(int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(m_rng); }
    template <class T> T* kies_uit(const QList<T*>& lijst) {
        return lijst.at(kies(0, static_cast<int>(lijst.size()) - 1));
    }

    QList<QWidget*> dialogen() {
        QList<QWidget*> open;
        for (QWidget* d : s.speelbord.findChildren<frm_voeg_speler_toe*>()) {
            if (d->isVisible()) {
                open << d;
            }
        }
        for (QWidget* d : s.speelbord.findChildren<frm_voeg_systeem_toe*>()) {
            if (d->isVisible()) {
                open << d;
            }
        }
        return open;
    }

    QList<QWidget*> vensters() { return QList<QWidget*>{&s.speelbord} + dialogen(); }

    // Everything in the window that the game master can press, buttons and pawns, with how
    // often each is chosen: "forward" more than "rewind" so that games grow long, and the
    // add-teams dialog's button seldom so that names get typed first.
    static std::vector<std::pair<QWidget*, double>> knoppen(QWidget* venster) {
        std::vector<std::pair<QWidget*, double>> lijst;
        for (QWidget* w : venster->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled()) {
                continue;
            }
            const QString naam = w->objectName();
            if (qobject_cast<QAbstractButton*>(w)) {
                const double gewicht = naam == "knp_vooruit"           ? 6.0
                                       : naam == "knp_achteruit"       ? 3.0
                                       : naam == "knp_voeg_speler_toe" ? 0.15
                                                                       : 1.0;
                lijst.emplace_back(w, gewicht);
            } else if (qobject_cast<pawn_picture*>(w)) {
                lijst.emplace_back(w, 1.0);
            } else if (naam.startsWith("im_pion") || naam.startsWith("im_nieuw")) {
                lijst.emplace_back(w, 0.05);
            }
        }
        return lijst;
    }

    QList<QLineEdit*> naamvakken() {
        QList<QLineEdit*> lijst;
        for (QWidget* venster : vensters()) {
            for (QLineEdit* vak : venster->findChildren<QLineEdit*>()) {
                if (vak->objectName().startsWith("tb_naam_speler") && vak->isVisible() &&
                    vak->isEnabled()) {
                    lijst << vak;
                }
            }
        }
        return lijst;
    }

    static QString naam_van(QWidget* w) {
        return w->window()->objectName() + "/" + w->objectName();
    }
    void log(const QString& actie) { m_log << QString("%1. %2").arg(m_log.size() + 1).arg(actie); }

    void doe_iets() {
        const int keuze = kies(0, 199);
        const QList<QLineEdit*> vakken = naamvakken();
        QList<QWidget*> systeemdialogen, teamdialogen;
        for (QWidget* d : dialogen()) {
            (qobject_cast<frm_voeg_systeem_toe*>(d) ? systeemdialogen : teamdialogen) << d;
        }
        if (keuze < 40 && !vakken.isEmpty()) {
            typ(kies_uit(vakken));
        } else if (keuze >= 40 && keuze < 52 && !vakken.isEmpty()) {
            wis(kies_uit(vakken));
        } else if (keuze >= 52 && keuze < 58 && !systeemdialogen.isEmpty()) {
            sluit_dialoog(kies_uit(systeemdialogen));
        } else if (keuze == 58 && !teamdialogen.isEmpty() && m_teams_weggooien) {
            sluit_dialoog(kies_uit(teamdialogen));
        } else if (keuze == 59) {
            sluit_bord();
        } else {
            const auto lijst = knoppen(kies_uit(vensters()));
            std::vector<double> gewichten;
            for (const auto& [knop, gewicht] : lijst) {
                gewichten.push_back(gewicht);
            }
            if (!lijst.empty()) {
                std::discrete_distribution<std::size_t> welke(gewichten.begin(), gewichten.end());
                druk(lijst[welke(m_rng)].first);
            }
        }
    }

    void typ(QLineEdit* vak) {
        static const QString letters = QString::fromUtf8("abcXYZ019 -\u00e9");
        QString tekst;
        for (int n = kies(1, 6); n > 0; --n) {
            tekst += letters.at(kies(0, static_cast<int>(letters.size()) - 1));
        }
        log(QString("type \"%1\" into %2").arg(tekst, naam_van(vak)));
        for (QChar teken : tekst) {
            if (teken.unicode() < 128) {
                QTest::keyClick(vak, teken.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, vak, Qt::Key_Eacute, QString(teken), {});
            }
        }
    }

    void wis(QLineEdit* vak) {
        if (kies(0, 3) == 0) {
            log(QString("select all and delete in %1").arg(naam_van(vak)));
            QTest::keyClick(vak, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(vak, Qt::Key_Delete);
            return;
        }
        const int aantal = kies(1, 5);
        log(QString("backspace %1x in %2").arg(aantal).arg(naam_van(vak)));
        for (int i = 0; i < aantal; ++i) {
            QTest::keyClick(vak, Qt::Key_Backspace);
        }
    }

    void sluit_dialoog(QWidget* dialoog) {
        log(QString("close %1 with its close control").arg(dialoog->objectName()));
        if (qobject_cast<frm_voeg_speler_toe*>(dialoog)) {
            m_verwacht.teams_dialoog_open = false;
        }
        dialoog->close();
    }

    void sluit_bord() {
        log("close frm_speelbord, answer Cancel");
        ++m_afsluitvragen;
        m_vragen.antwoord("Cancel");
        m_bord_gesloten = s.speelbord.close();
    }

    void druk(QWidget* knop) {
        log("press " + naam_van(knop));
        const QString naam = knop->objectName();
        const bool vrij = s.status.vak_nummer() == 0;
        verwachting& v = m_verwacht;
        if (knop->window() == &s.speelbord) {
            if (naam == "knp_vooruit" && vrij) {
                ++m_tellers["forward"];
                ++v.ronde;
                v.begin.push_back(v.huidig);
            } else if (naam == "knp_achteruit" && vrij && v.ronde > 1) {
                ++m_tellers["rewind"];
                --v.ronde;
                v.begin.pop_back();
                v.huidig = v.begin.back();
            }
        } else if (auto* teams = qobject_cast<frm_voeg_speler_toe*>(knop->window());
                   teams && naam == "knp_voeg_speler_toe") {
            for (int i = 1; i <= 4; ++i) {
                const QString tekst =
                    s.in<QLineEdit>(*teams, QString("tb_naam_speler_%1").arg(i))->text();
                if (!tekst.isEmpty()) {
                    v.teams.push_back({tekst.toStdString(), i});
                }
            }
            v.teams_dialoog_open = false;
            v.namen_zoals_getypt = true;
        } else if (auto* systemen = qobject_cast<frm_voeg_systeem_toe*>(knop->window());
                   systemen && naam == "knp_voeg_systeem_toe") {
            ++m_tellers["add systems"];
            const int vak = s.status.vak_nummer();
            for (std::size_t rij = 1; rij <= v.teams.size(); ++rij) {
                const bool gekozen =
                    !s.in(*systemen, QString("im_pion_geselecteerd_%1").arg(rij))->isHidden();
                int& eigenaar = v.huidig[vak][v.teams[rij - 1].team_nummer];
                if (gekozen && eigenaar == 0 && v.begin.back()[vak][v.teams[rij - 1].team_nummer]) {
                    ++m_tellers["put back"];
                }
                eigenaar = gekozen ? static_cast<int>(rij) : 0;
            }
        }
        spel_met_vensters::klik(knop);
    }

    // The rules that must hold between any two actions of the game master.
    QString controleer() {
        const verwachting& v = m_verwacht;
        if (modale_vragen::app().aantal_fouten() != 0 || !m_vragen.onverwacht().isEmpty()) {
            return "an exception reached the event boundary: " + m_vragen.onverwacht().join("; ");
        }
        if (m_bord_gesloten || !s.speelbord.isVisible()) {
            return "the board window closed although the game master answered Cancel";
        }
        if (m_vragen.beantwoord_aantal() != m_afsluitvragen) {
            return "closing the board did not ask for confirmation";
        }
        m_hoogste_ronde = std::max(m_hoogste_ronde, v.ronde);
        const int ronde = s.status.ronde();
        if (ronde != v.ronde || s.tbl_speelbord.aantal_rijen() != ronde) {
            return QString("round %1 with %2 board configurations, expected round %3")
                .arg(ronde)
                .arg(s.tbl_speelbord.aantal_rijen())
                .arg(v.ronde);
        }
        if (s.status.stap() != 1) {
            return QString("the game rests at step %1").arg(s.status.stap());
        }
        if (QString fout = controleer_vakslot(); !fout.isEmpty()) {
            return fout;
        }
        if (QString fout = controleer_geschiedenis(); !fout.isEmpty()) {
            return fout;
        }
        if (QString fout = controleer_teams(); !fout.isEmpty()) {
            return fout;
        }
        if (QString fout = controleer_vakken(); !fout.isEmpty()) {
            return fout;
        }
        return controleer_scorebord();
    }

    QString controleer_vakslot() {
        QList<frm_voeg_systeem_toe*> open;
        for (frm_voeg_systeem_toe* d : s.speelbord.findChildren<frm_voeg_systeem_toe*>()) {
            if (d->isVisible()) {
                open << d;
            }
        }
        const int vak = s.status.vak_nummer();
        if (open.size() > 1 || (vak != 0) != (open.size() == 1)) {
            return QString("square lock %1 with %2 add-systems dialogs open")
                .arg(vak)
                .arg(open.size());
        }
        if (vak != 0 &&
            s.in<QLabel>(*open.first(), "lbl_gebied")->text() != QString("segment %1").arg(vak)) {
            return QString("the open dialog does not edit square %1").arg(vak);
        }
        const bool teams_open = !s.speelbord.findChildren<frm_voeg_speler_toe*>().isEmpty() &&
                                s.speelbord.findChild<frm_voeg_speler_toe*>()->isVisible();
        if (teams_open != m_verwacht.teams_dialoog_open) {
            return "the add-teams dialog is open when it should not be, or the other way round";
        }
        return {};
    }

    // Every configuration holds the systems that were on the board when it was made or, for the
    // current one, placed since.
    QString controleer_geschiedenis() {
        const verwachting& v = m_verwacht;
        for (int r = 1; r <= v.ronde; ++r) {
            const bord& verwacht =
                r == v.ronde ? v.huidig : v.begin.at(static_cast<std::size_t>(r));
            const auto& config = *s.tbl_speelbord.rij(static_cast<std::int16_t>(r));
            for (std::int16_t vak = 1; vak <= 9; ++vak) {
                for (std::int16_t team = 1; team <= 4; ++team) {
                    const cls_systeem& cel = *config.systeem(vak, team);
                    const int eigenaar = verwacht[vak][team];
                    if (cel.aanwezig() != (eigenaar != 0) ||
                        (eigenaar != 0 && cel.speler_nummer() != eigenaar)) {
                        return QString("board of round %1, square %2, team %3: present %4 owner "
                                       "%5, expected owner %6")
                            .arg(r)
                            .arg(vak)
                            .arg(team)
                            .arg(cel.aanwezig())
                            .arg(cel.speler_nummer())
                            .arg(eigenaar);
                    }
                }
            }
        }
        return {};
    }

    QString controleer_teams() {
        verwachting& v = m_verwacht;
        const auto& teams = v.teams;
        if (s.tbl_speler.aantal_rijen() != static_cast<int>(teams.size())) {
            return QString("%1 teams, expected %2")
                .arg(s.tbl_speler.aantal_rijen())
                .arg(teams.size());
        }
        for (std::size_t i = 0; i < teams.size(); ++i) {
            const auto& rij = *s.tbl_speler.rij(static_cast<std::int16_t>(i + 1));
            if (rij.team_nummer() != teams[i].team_nummer ||
                rij.pion_nummer() != 4 * teams[i].team_nummer - 3) {
                return QString("team row %1 has team number %2").arg(i + 1).arg(rij.team_nummer());
            }
            if (v.namen_zoals_getypt && rij.speler_naam() != teams[i].naam) {
                return QString("team row %1 is named \"%2\", typed was \"%3\"")
                    .arg(i + 1)
                    .arg(QString::fromStdString(rij.speler_naam()),
                         QString::fromStdString(teams[i].naam));
            }
        }
        v.namen_zoals_getypt = false;
        return {};
    }

    // Before the first redraw the board shows as laid out, its share boxes empty; after it, every
    // present system shows its share, 0 to 100, from the top line of its square down. A square
    // that holds the systems it started the round with is one whole market: its rounded shares
    // add up to 100, give or take half a point per system.
    QString controleer_vakken() {
        const bool getekend = !s.op_bord<QLabel>("lbl_ronde_nummer")->text().isEmpty();
        for (int vak = 1; vak <= 9; ++vak) {
            int aanwezig = 0;
            for (int team = 1; team <= 4; ++team) {
                aanwezig += m_verwacht.huidig[vak][team] != 0 ? 1 : 0;
            }
            const bool zoals_begonnen = m_verwacht.huidig[vak] == m_verwacht.begin.back()[vak];
            int som = 0;
            for (int regel = 1; regel <= 4; ++regel) {
                const int slot = 4 * vak + 4 - regel;
                auto* aandeel =
                    s.op_bord<QLineEdit>(QString("tb_marktaandeel_systeem_%1").arg(slot));
                if (!getekend) {
                    if (!aandeel->text().isEmpty()) {
                        return QString("share box %1 filled before the first redraw").arg(slot);
                    }
                    continue;
                }
                if (aandeel->isVisible() != (regel <= aanwezig)) {
                    return QString("square %1 shows line %2 wrongly for %3 systems")
                        .arg(vak)
                        .arg(regel)
                        .arg(aanwezig);
                }
                if (!aandeel->isVisible()) {
                    continue;
                }
                const int procent = aandeel->text().toInt();
                if (!is_geheel_getal(aandeel->text()) || procent < 0 || procent > 100) {
                    return QString("share box %1 shows \"%2\"").arg(slot).arg(aandeel->text());
                }
                som += procent;
            }
            if (getekend && aanwezig > 0 && zoals_begonnen && 2 * std::abs(som - 100) > aanwezig) {
                return QString("the shares on square %1 add up to %2").arg(vak).arg(som);
            }
        }
        return {};
    }

    // The rows show the teams by descending total, ties in table order, each with its own name.
    QString controleer_scorebord() {
        const int n = s.tbl_speler.aantal_rijen();
        if (n == 0) {
            return {};
        }
        cls_subcpt_ui::per_team_double totaal{};
        s.subcpt_ui.srvc_bereken_marktaandeel_speler(totaal);
        std::vector<int> volgorde(static_cast<std::size_t>(n));
        for (int t = 1; t <= n; ++t) {
            volgorde[static_cast<std::size_t>(t - 1)] = t;
        }
        std::stable_sort(volgorde.begin(), volgorde.end(), [&](int a, int b) {
            return totaal[static_cast<std::size_t>(a)] > totaal[static_cast<std::size_t>(b)];
        });
        const auto& getoond = s.speelbord.inverse_volgorde();
        long long vorige = 0;
        for (int r = 1; r <= n; ++r) {
            const int team = getoond[static_cast<std::size_t>(r)];
            if (team != volgorde[static_cast<std::size_t>(r - 1)]) {
                return QString("scoreboard row %1 shows team %2, expected team %3")
                    .arg(r)
                    .arg(team)
                    .arg(volgorde[static_cast<std::size_t>(r - 1)]);
            }
            const QString aandeel = s.tekst(QString("tb_marktaandeel_speler_%1").arg(r));
            if (!is_geheel_getal(aandeel) ||
                aandeel != percentage_text(totaal[static_cast<std::size_t>(team)]) ||
                (r > 1 && aandeel.toLongLong() > vorige)) {
                return QString("scoreboard row %1 shows share \"%2\"").arg(r).arg(aandeel);
            }
            vorige = aandeel.toLongLong();
            const QString naam = s.tekst(QString("tb_naam_speler_%1").arg(r));
            if (naam.toStdString() !=
                s.tbl_speler.rij(static_cast<std::int16_t>(team))->speler_naam()) {
                return QString("scoreboard row %1 shows \"%2\", not the name of team %3")
                    .arg(r)
                    .arg(naam)
                    .arg(team);
            }
        }
        return {};
    }

    spel_met_vensters s;
    modale_vragen m_vragen;
    std::mt19937 m_rng;
    bool m_teams_weggooien;
    verwachting m_verwacht;
    QStringList m_log;
    int m_afsluitvragen = 0;
    bool m_bord_gesloten = false;
    int m_hoogste_ronde = 1;
    QMap<QString, int> m_tellers;
};

} // namespace

class tst_duurtest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vorige_melder = qInstallMessageHandler(meld); }

    // Thousands of random actions of the game master, each followed by every check: nothing
    // reaches the error boundary, the history holds one board per round, the game rests at step
    // 1, the square lock matches the open dialog, every board keeps its systems, and the board
    // and scoreboard show whole-number shares in score order.
    void willekeurig_spelen_data() {
        QTest::addColumn<unsigned>("zaad");
        for (unsigned zaad : {1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u}) {
            QTest::addRow("seed_%u", zaad) << zaad;
        }
    }

    void willekeurig_spelen() {
        QFETCH(unsigned, zaad);
        willekeurige_spelleider spelleider(zaad);
        const QString fout = spelleider.speel(1000);
        if (!fout.isEmpty()) {
            qWarning().noquote() << QString("Actions that reproduce it (rerun: tst_duurtest "
                                            "willekeurig_spelen:%1):\n%2")
                                        .arg(QTest::currentDataTag(), spelleider.verloop());
            QFAIL(qPrintable(fout));
        }
        qInfo().noquote() << spelleider.samenvatting();
    }

private:
    // The offscreen platform warns about every window hint it cannot pass on; thousands of
    // dialogs would bury the report in them.
    static void meld(QtMsgType soort, const QMessageLogContext& plaats, const QString& tekst) {
        if (!tekst.startsWith("This plugin does not support")) {
            vorige_melder(soort, plaats, tekst);
        }
    }
    static inline QtMessageHandler vorige_melder = nullptr;
};

BEWAAKTE_TEST_MAIN(tst_duurtest)
#include "tst_duurtest.moc"
