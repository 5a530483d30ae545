#include "../spelleider.h"
#include "bewaakt_spel.h"
#include "ui/board/percentage_text.h"

#include <QRegularExpression>

namespace {

// Which team row owns a system on each square (by team number), 0 for none.
using bord = std::array<std::array<int, 5>, 10>;

// The game master's hands on the windows: every move is clicks and keys, mixed at random with
// what else a person does at the board: a name typed or erased, a dialog closed with its close
// control, a press that the square lock holds back, a question to quit answered Cancel. They keep
// their own record of what the game must hold, apart from the program.
class venster_handen {
public:
    explicit venster_handen(unsigned zaad) : m_rng(zaad) {}

    // Names go into some boxes of the add-teams dialog; one game in eight closes it unused.
    void begin() {
        frm_voeg_speler_toe& dialoog = s.cpt_ui.voeg_speler_toe();
        const bool weggooien = kies(0, 7) == 0;
        for (int box = 1; box <= 4; ++box) {
            if (kies(0, 2) != 0) {
                QLineEdit* vak = s.in<QLineEdit>(dialoog, QString("tb_naam_speler_%1").arg(box));
                typ(vak);
                if (!weggooien) {
                    m_teams.push_back({vak->text().toStdString(), box});
                }
            }
        }
        log(weggooien ? "close the add-teams dialog" : "add teams");
        if (weggooien) {
            dialoog.close();
        } else {
            spel_met_vensters::klik(s.in(dialoog, "knp_voeg_speler_toe"));
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int aantal_teams() const { return static_cast<int>(m_teams.size()); }
    int ronde() const { return m_ronde; }

    void wissel(int vak, const std::vector<int>& rijen) {
        log(QString("square %1, toggle %2 rows").arg(vak).arg(rijen.size()));
        frm_voeg_systeem_toe* dialoog = s.open_vak(vak);
        bord na = m_huidig;
        for (int rij : rijen) {
            QWidget* rechts = s.in(*dialoog, QString("im_pion_geselecteerd_%1").arg(rij));
            spel_met_vensters::klik(
                rechts->isHidden() ? s.in(*dialoog, QString("im_pion_%1").arg(rij)) : rechts);
            int& eigenaar = na[vak][m_teams.at(static_cast<std::size_t>(rij - 1)).team_nummer];
            eigenaar = eigenaar == 0 ? rij : 0;
        }
        if (kies(0, 3) == 0) {
            druk_op_slot();
        }
        if (kies(0, 9) == 0) {
            log("close it with its close control");
            dialoog->close();
        } else {
            spel_met_vensters::klik(s.in(*dialoog, "knp_voeg_systeem_toe"));
            m_huidig = na;
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void vooruit() {
        log("forward");
        s.vooruit();
        ++m_ronde;
        m_begin.push_back(m_huidig);
    }

    void terug() {
        log("rewind");
        s.achteruit();
        --m_ronde;
        m_begin.pop_back();
        m_huidig = m_begin.back();
    }

    // Something other than a move: a name changed on the scoreboard, or a question to quit.
    void iets_anders() {
        const int r = kies(1, 4);
        auto* naam = s.op_bord<QLineEdit>(QString("tb_naam_speler_%1").arg(r));
        if (kies(0, 4) == 0) {
            log("close the board, answer Cancel");
            ++m_vragen_gesteld;
            m_vragen.antwoord("Cancel");
            m_bord_gesloten = s.speelbord.close();
        } else if (naam->isVisible()) {
            kies(0, 1) == 0 ? typ(naam) : wis(naam);
            const int team = s.speelbord.inverse_volgorde()[static_cast<std::size_t>(r)];
            m_teams.at(static_cast<std::size_t>(team - 1)).naam = naam->text().toStdString();
        }
    }

    // The rules that must hold between any two actions of the game master.
    QString controleer() {
        if (modale_vragen::app().aantal_fouten() != 0 || !m_vragen.onverwacht().isEmpty()) {
            return "an exception reached the error boundary: " + m_vragen.onverwacht().join("; ");
        }
        if (m_bord_gesloten || !s.speelbord.isVisible() ||
            m_vragen.beantwoord_aantal() != m_vragen_gesteld) {
            return "closing the board did not ask, or closed it although the answer was Cancel";
        }
        if (s.status.ronde() != m_ronde || s.tbl_speelbord.aantal_rijen() != m_ronde ||
            s.status.stap() != 1 || s.status.vak_nummer() != 0 || s.systeem_dialoog()) {
            return QString("round %1, step %2, square lock %3 with %4 boards, expected round %5")
                .arg(s.status.ronde())
                .arg(s.status.stap())
                .arg(s.status.vak_nummer())
                .arg(s.tbl_speelbord.aantal_rijen())
                .arg(m_ronde);
        }
        for (QString fout : {controleer_geschiedenis(), controleer_teams(), controleer_vakken()}) {
            if (!fout.isEmpty()) {
                return fout;
            }
        }
        return controleer_scorebord();
    }

    QString verloop() const { return m_log.join('\n'); }
    spel_met_vensters s;

private:
    int kies(int van, int tot) { return std::uniform_int_distribution<int>(van, tot)(m_rng); }
    void log(const QString& actie) { m_log << QString("%1. %2").arg(m_log.size() + 1).arg(actie); }

    void typ(QLineEdit* vak) {
        static const QString letters = QString::fromUtf8("abcXYZ019 -\u00e9");
        QString tekst;
        for (int n = kies(1, 6); n > 0; --n) {
            tekst += letters.at(kies(0, static_cast<int>(letters.size()) - 1));
        }
        log(QString("type \"%1\" into %2").arg(tekst, vak->objectName()));
        for (QChar teken : tekst) {
            QTest::sendKeyEvent(QTest::Click, vak, teken == u'\u00e9' ? Qt::Key_Eacute : Qt::Key_A,
                                QString(teken), {});
        }
    }

    void wis(QLineEdit* vak) {
        log(QString("erase in %1").arg(vak->objectName()));
        if (kies(0, 3) == 0) {
            QTest::keyClick(vak, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(vak, Qt::Key_Delete);
        } else {
            QTest::keyClick(vak, Qt::Key_Backspace);
        }
    }

    // While a dialog holds a square, the board's navigation and other squares do nothing.
    void druk_op_slot() {
        const QString knop = QStringList{"knp_vooruit", "knp_achteruit",
                                         QString("knp_voeg_systeem_toe_%1").arg(kies(1, 9))}
                                 .at(kies(0, 2));
        log("press " + knop + " while the dialog is open");
        spel_met_vensters::klik(s.op_bord(knop));
        m_slot_doorbroken |= s.status.ronde() != m_ronde ||
                             s.speelbord.findChildren<frm_voeg_systeem_toe*>().size() != 1;
    }

    // Every board holds the systems that were on it when its round closed or, for the current
    // one, placed since; every closed round left whole markets.
    QString controleer_geschiedenis() {
        if (m_slot_doorbroken) {
            return "a press went through the square lock";
        }
        for (int r = 1; r <= m_ronde; ++r) {
            const bord& verwacht =
                r == m_ronde ? m_huidig : m_begin.at(static_cast<std::size_t>(r));
            const auto& config = *s.tbl_speelbord.rij(static_cast<std::int16_t>(r));
            for (std::int16_t vak = 1; vak <= 9; ++vak) {
                for (std::int16_t team = 1; team <= 4; ++team) {
                    const cls_systeem& cel = *config.systeem(vak, team);
                    const int eigenaar = verwacht[vak][team];
                    if (cel.aanwezig() != (eigenaar != 0) ||
                        (eigenaar != 0 && cel.speler_nummer() != eigenaar)) {
                        return QString("round %1, square %2, team %3: owner %4 present %5")
                            .arg(r)
                            .arg(vak)
                            .arg(team)
                            .arg(cel.speler_nummer())
                            .arg(cel.aanwezig());
                    }
                }
            }
            aandelen_gezien gezien;
            if (const std::string fout = r < m_ronde ? hele_markten(config, gezien) : "";
                !fout.empty()) {
                return QString("round %1: %2").arg(r).arg(QString::fromStdString(fout));
            }
        }
        return {};
    }

    QString controleer_teams() {
        if (s.tbl_speler.aantal_rijen() != aantal_teams()) {
            return QString("%1 teams").arg(s.tbl_speler.aantal_rijen());
        }
        for (int i = 1; i <= aantal_teams(); ++i) {
            const auto& rij = *s.tbl_speler.rij(static_cast<std::int16_t>(i));
            const auto& team = m_teams[static_cast<std::size_t>(i - 1)];
            if (rij.team_nummer() != team.team_nummer ||
                rij.pion_nummer() != 4 * team.team_nummer - 3 || rij.speler_naam() != team.naam) {
                return QString("team row %1 is \"%2\", team number %3")
                    .arg(i)
                    .arg(QString::fromStdString(rij.speler_naam()))
                    .arg(rij.team_nummer());
            }
        }
        return {};
    }

    // Until the first redraw the board shows as laid out, its share boxes empty. Then every
    // present system shows its share, 0 to 100, from the top line of its square down. A square
    // that holds the systems it started the round with is one whole market: its rounded shares
    // add up to 100, give or take half a point per system.
    QString controleer_vakken() {
        static const QRegularExpression geheel("^(0|[1-9][0-9]*)$");
        const bool getekend = !s.op_bord<QLabel>("lbl_ronde_nummer")->text().isEmpty();
        for (int vak = 1; vak <= 9 && getekend; ++vak) {
            int aanwezig = 0, som = 0;
            for (int team = 1; team <= 4; ++team) {
                aanwezig += m_huidig[vak][team] != 0 ? 1 : 0;
            }
            for (int regel = 1; regel <= 4; ++regel) {
                auto* aandeel = s.op_bord<QLineEdit>(
                    QString("tb_marktaandeel_systeem_%1").arg(4 * vak + 4 - regel));
                const QString tekst = aandeel->text();
                if (aandeel->isVisible() != (regel <= aanwezig) ||
                    (aandeel->isVisible() &&
                     (!geheel.match(tekst).hasMatch() || tekst.toInt() > 100))) {
                    return QString("square %1 line %2 shows \"%3\" for %4 systems")
                        .arg(vak)
                        .arg(regel)
                        .arg(aandeel->isVisible() ? tekst : "nothing")
                        .arg(aanwezig);
                }
                som += aandeel->isVisible() ? tekst.toInt() : 0;
            }
            if (aanwezig > 0 && m_huidig[vak] == m_begin.back()[vak] &&
                2 * std::abs(som - 100) > aanwezig) {
                return QString("the shares on square %1 add up to %2").arg(vak).arg(som);
            }
        }
        for (int slot = 4; slot <= 39 && !getekend; ++slot) {
            if (!s.tekst(QString("tb_marktaandeel_systeem_%1").arg(slot)).isEmpty()) {
                return QString("share box %1 filled before the first redraw").arg(slot);
            }
        }
        return {};
    }

    // The rows show the teams by descending total, ties in table order, each with its name.
    QString controleer_scorebord() {
        cls_subcpt_ui::per_team_double totaal{};
        s.subcpt_ui.srvc_bereken_marktaandeel_speler(totaal);
        std::vector<int> volgorde;
        for (int t = 1; t <= aantal_teams(); ++t) {
            volgorde.push_back(t);
        }
        std::stable_sort(volgorde.begin(), volgorde.end(), [&](int a, int b) {
            return totaal[static_cast<std::size_t>(a)] > totaal[static_cast<std::size_t>(b)];
        });
        for (int r = 1; r <= aantal_teams(); ++r) {
            const int team = volgorde[static_cast<std::size_t>(r - 1)];
            if (s.speelbord.inverse_volgorde()[static_cast<std::size_t>(r)] != team ||
                s.tekst(QString("tb_marktaandeel_speler_%1").arg(r)) !=
                    percentage_text(totaal[static_cast<std::size_t>(team)]) ||
                s.tekst(QString("tb_naam_speler_%1").arg(r)).toStdString() !=
                    m_teams[static_cast<std::size_t>(team - 1)].naam) {
                return QString("scoreboard row %1 does not show team %2").arg(r).arg(team);
            }
        }
        return {};
    }

    struct team {
        std::string naam;
        int team_nummer;
    };
    std::mt19937 m_rng;
    modale_vragen m_vragen;
    std::vector<team> m_teams;
    int m_ronde = 1;
    std::vector<bord> m_begin{bord{}};
    bord m_huidig{};
    int m_vragen_gesteld = 0;
    bool m_bord_gesloten = false;
    bool m_slot_doorbroken = false;
    QStringList m_log;
};

} // namespace

class tst_duurtest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vorige_melder = qInstallMessageHandler(meld); }

    void willekeurig_spelen_data() {
        QTest::addColumn<unsigned>("zaad");
        for (unsigned zaad : {1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u}) {
            QTest::addRow("seed_%u", zaad) << zaad;
        }
    }

    // Hundreds of random moves of the game master through the windows, each followed by every
    // check: nothing reaches the error boundary, the history holds one board per round with
    // its systems and whole markets, the game rests at step 1 with no square held, and the
    // board and scoreboard show the shares in score order.
    void willekeurig_spelen() {
        QFETCH(unsigned, zaad);
        venster_handen handen(zaad + 1);
        spelleider leider(zaad, handen);
        handen.begin();
        QString fout = handen.controleer();
        for (int i = 0; i < 400 && fout.isEmpty(); ++i) {
            leider.kies(0, 2) == 0 ? handen.iets_anders() : leider.zet();
            QApplication::processEvents();
            fout = handen.controleer();
        }
        if (!fout.isEmpty()) {
            qWarning().noquote() << "Actions that reproduce it:\n" + handen.verloop();
            QFAIL(qPrintable(fout));
        }
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
