#pragma once

#include "ui/board/bordbeeld.h"
#include "ui/indeling.h"
#include "ui/klas/terugblik.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

#include <QPixmap>
#include <QWidget>

class QLabel;
class frm_pion;
class klok_label;
class rondeklok;
class vensterplaats;

// The class view: the game as the class sees it on the projector, large and plain, while the
// game master works on the board. The fiscal year; the teams in the scoreboard's order with
// pawn, name and total; and the nine squares three by three, each with its systems' pawns and
// shares line by line as the board shows them. Every text is a label, so a screen reader reads
// it too, and nothing in it takes a click.
//
// For the debrief it replays any closed year: Left, Right, Home and End choose it (see
// terugblik.h), and the view shows that year's board as it was closed, with the systems placed
// and taken away during the year marked, under a dark frame and a band that says "replay". Any
// change to the game shows the live game again; a rename shows in the replay.
//
// It keeps nothing of the game: toon draws what the board has just drawn, after every redraw;
// hernoem, after a rename; a replayed year is read through the lezer it is given. Laid out for
// 1920 x 1080, it scales as one piece to any size, the shares and totals at least 1/25 of that
// height tall. Escape leaves full screen, or closes it.
class frm_klas : public QWidget {
    Q_OBJECT

public:
    // The board of a closed year.
    using lezer = std::function<bordbeeld(int jaar)>;

    frm_klas(frm_pion& pion, lezer lees, QWidget* parent = nullptr);

    // Shows what the board has just drawn, once the event loop comes round; a replay ends.
    void toon(const bordbeeld& beeld);
    // The same after a rename, which leaves a replay on, with the new name.
    void hernoem(const bordbeeld& beeld);
    // Replays closed year jaar; 0 shows the live game. A year that is not closed changes nothing.
    void kies_jaar(int jaar);
    void stap(terugblik::toets toets);
    // The replay keys on a window, each handing its choice to stap: the view's own, and the
    // standings', which choose on the view.
    static void verbind_toetsen(QWidget& venster, std::function<void(terugblik::toets)> stap);
    // The year replayed, 0 while the view shows the live game.
    int gekozen_jaar() const { return m_jaar; }
    // Shows the round timer beside the year, once the game master has set or started it.
    void volg_klok(const rondeklok& klok);

    // The designed size, in pixels at scale 1.
    static constexpr QSize ontworpen{1920, 1080};

signals:
    // The year replayed, or 0 when the live game shows again.
    void terugblik(int jaar);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void plan(const bordbeeld& beeld);
    void teken();
    void teken_kop(const bordbeeld& beeld);
    void teken_regel(std::size_t v, std::size_t k, const bordbeeld::regel& regel);
    void toon_pion(QLabel& plaatje, const bordbeeld::regel& regel);
    void zet_pion(QLabel& plaatje, std::int16_t pion, bool vaag);
    void toon_aandeel(QLabel& label, const bordbeeld::regel& regel, const QString& wie);
    void toon_naam(int rij);
    void schaal_mee();
    void richt_terugblik_in();

    frm_pion& m_pion;
    lezer m_lees;
    indeling m_indeling;
    std::optional<bordbeeld> m_beeld;
    // What it shows, to compare the next picture with.
    bordbeeld m_getoond;
    // The live game as the board last drew it, and the year replayed, 0 for none.
    bordbeeld m_live;
    int m_jaar = 0;
    // Where the designed area stands in the window; a replay's frame is as thick as its height
    // allows.
    QRect m_ontwerp;
    // Pawn pictures at the sizes they are shown, by pawn number, width and faintness.
    std::map<std::tuple<std::int16_t, int, bool>, QPixmap> m_op_maat;
    vensterplaats* m_plaats;
    QLabel* m_lbl_ronde_nummer = nullptr;
    klok_label* m_lbl_klok = nullptr;
    // Scoreboard rows 1 to 4, and the names they show whole, before any is cut to fit.
    std::array<QLabel*, 5> m_im_pion_speler{};
    std::array<QLabel*, 5> m_lbl_naam_speler{};
    std::array<QLabel*, 5> m_lbl_marktaandeel_speler{};
    std::array<QString, 5> m_namen;
    QLabel* m_lbl_terugblik = nullptr;
    // System slots 4 to 39, numbered as the board's: square v's top line is slot 4v + 3.
    std::array<QLabel*, 40> m_im_nieuw{};
    std::array<QLabel*, 40> m_lbl_marktaandeel_systeem{};
    // What happened to the system during a replayed year: "new", "taken away".
    std::array<QLabel*, 40> m_lbl_verandering{};
};
