#pragma once

#include "services/cls_subcpt_ui.h"
#include "ui/board/achtergrond_rand.h"
#include "ui/board/bordbeeld.h"
#include "ui/indeling.h"

#include <array>
#include <cstdint>

#include <QPixmap>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QCloseEvent;
class QPaintEvent;
class QResizeEvent;
class QPushButton;
class cls_cpt_ui;
class frm_pion;
class rondeklok;

// The board window: the scoreboard on the left, the nine squares on the right. It draws the game
// from the records (initialiseer once the teams exist, refresh_me after every change) and keeps
// no copy of the game, only which team each scoreboard row shows.
//
// Construction builds every control from the layout table (ui/board/ontwerp_speelbord.h) and
// runs Form_Load: the team rows are hidden and "rewind" is off until the first refresh_me,
// because before it no game exists to rewind. Control arrays are std::arrays indexed as the
// controls are numbered; unused leading elements stay null.
//
// The window is laid out for 1016 x 745 pixels and can take any size: the whole board scales
// with it, keeping its proportions, centred, and the margins continue its backdrop.
class frm_speelbord : public QWidget {
    Q_OBJECT

public:
    frm_speelbord(cls_tbl_speler& tbl_speler, cls_tbl_speelbord& tbl_speelbord, cls_status& status,
                  cls_subcpt_ui& subcpt_ui, frm_pion& pion, QWidget* parent = nullptr);

    // The facade that the window's buttons drive; set once, by the wiring, before events arrive.
    void cpt_ui(cls_cpt_ui& let_cpt_ui);
    // The round timer that "forward" and "rewind" set back, and that shows beside the fiscal
    // year once the game master has set or started it; set once, by the wiring.
    void klok(rondeklok& let_klok);

    void initialiseer();
    void refresh_me();
    void disable_toevoegen_systeem();
    void enable_toevoegen_systeem();

    // The game master's actions. Navigation and "add systems" do nothing while an add-systems
    // dialog holds the square lock (status.vak_nummer not 0).
    void knp_achteruit_Click();
    void knp_vooruit_Click();
    void knp_voeg_systeem_toe_Click(int Index);
    void tb_naam_speler_Change(int Index);
    // Asks before the window closes; sets cancel to 1 to keep it open.
    void Form_Unload(int& cancel);

    // Which team (row number) each scoreboard row 1 to 4 shows.
    const cls_subcpt_ui::per_team_int& inverse_volgorde() const;
    // The square-number label of square v (1 to 9), whose caption the add-systems dialog reads.
    const QLabel& lbl_vak_nummer(int v) const;
    // The board's size against its designed size; the dialogs open at it too.
    double schaal() const;
    // What the board shows now, worked out afresh from the records.
    bordbeeld beeld();
    // The class view replays this closed year, or 0 for none: the title says so.
    void toon_terugblik(int jaar);
    // Whether the add-teams dialog has been answered and the scoreboard set up.
    bool teams_toegevoegd() const { return m_teams_toegevoegd; }

signals:
    // After every redraw, and after a rename, with what the board shows, for the views that
    // follow the game with the board.
    void getekend(const bordbeeld& beeld);
    void hernoemd(const bordbeeld& beeld);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A new language: every text of the board again, the game as it stands.
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void vertaal();
    void zet_titel();
    void noem_ronde();
    void teken_scorebord(const bordbeeld& beeld);
    void teken_vakken(const bordbeeld& beeld);
    void noem_pionnen(const bordbeeld& beeld);
    void neem_controls();
    void verbind_handlers();
    void schaal_mee();
    // Another year begins: its clock stands at the full time, ready for T.
    void zet_klok_terug();
    cls_cpt_ui& facade() const;

    cls_tbl_speler& m_tbl_speler;
    cls_tbl_speelbord& m_tbl_speelbord;
    cls_status& m_status;
    cls_subcpt_ui& m_subcpt_ui;
    frm_pion& m_pion;
    cls_cpt_ui* m_cpt_ui = nullptr;
    rondeklok* m_klok = nullptr;

    cls_subcpt_ui::per_team_int m_inverse_volgorde{};
    indeling m_indeling;
    QPixmap m_achtergrond;
    achtergrond_rand m_rand;
    double m_schaal = 1;
    bool m_teams_toegevoegd = false;
    int m_terugblik = 0;
    // Where the board stands in the window, in pixels; the rest is margin.
    QRect m_bord;

    QPushButton* m_knp_achteruit = nullptr;
    QPushButton* m_knp_vooruit = nullptr;
    QLabel* m_lbl_ronde_nummer = nullptr;

    // Scoreboard rows 1 to 4.
    std::array<QLineEdit*, 5> m_tb_naam_speler{};
    std::array<QLabel*, 5> m_im_pion_speler{};
    std::array<QLineEdit*, 5> m_tb_marktaandeel_speler{};

    // Squares 1 to 9.
    std::array<QLabel*, 10> m_lbl_vak_nummer{};
    std::array<QPushButton*, 10> m_knp_voeg_systeem_toe{};

    // System slots 4 to 39: square v owns 4v (bottom line) to 4v + 3 (top line).
    std::array<QLabel*, 40> m_im_nieuw{};
    std::array<QLineEdit*, 40> m_tb_marktaandeel_systeem{};
};
