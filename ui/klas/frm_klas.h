#pragma once

#include "ui/board/bordbeeld.h"
#include "ui/indeling.h"

#include <array>
#include <map>
#include <optional>
#include <utility>

#include <QPixmap>
#include <QWidget>

class QLabel;
class frm_pion;
class rondeklok;
class vensterplaats;

// The class view: the game as the class sees it on the projector, large and plain, while the
// game master works on the board. The fiscal year; the teams in the scoreboard's order with
// pawn, name and total; and the nine squares three by three, each with its systems' pawns and
// shares line by line as the board shows them. Every text is a label, so a screen reader reads
// it too, and nothing in it takes a click.
//
// It keeps nothing of the game: toon draws what the board has just drawn, after every redraw and
// every rename. Laid out for 1920 x 1080, it scales as one piece to any size, the shares and
// totals at least 1/25 of that height tall. Escape leaves full screen, or closes it.
class frm_klas : public QWidget {
    Q_OBJECT

public:
    explicit frm_klas(frm_pion& pion, QWidget* parent = nullptr);

    // Shows what the board has just drawn, once the event loop comes round.
    void toon(const bordbeeld& beeld);
    // Shows the round timer beside the year, once the game master has set or started it.
    void toon_klok(const rondeklok& klok);

    // The designed size, in pixels at scale 1.
    static constexpr QSize ontworpen{1920, 1080};

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void teken();
    void toon_pion(QLabel& plaatje, const bordbeeld::regel& regel);
    void zet_pion(QLabel& plaatje, std::int16_t pion);
    void toon_aandeel(QLabel& label, const bordbeeld::regel& regel, const QString& wie);
    void toon_naam(int rij);
    void schaal_mee();
    void stijl_klok();

    frm_pion& m_pion;
    indeling m_indeling;
    std::optional<bordbeeld> m_beeld;
    // What it shows, to compare the next picture with.
    bordbeeld m_getoond;
    // Pawn pictures at the sizes they are shown, by pawn number and width.
    std::map<std::pair<std::int16_t, int>, QPixmap> m_op_maat;
    vensterplaats* m_plaats;
    QLabel* m_lbl_ronde_nummer = nullptr;
    QLabel* m_lbl_klok = nullptr;
    QLabel* m_lbl_klok_text = nullptr;
    bool m_klok_let_op = false;
    // The clock last shown, to say again in another language.
    const rondeklok* m_klok = nullptr;
    // Scoreboard rows 1 to 4, and the names they show whole, before any is cut to fit.
    std::array<QLabel*, 5> m_im_pion_speler{};
    std::array<QLabel*, 5> m_lbl_naam_speler{};
    std::array<QLabel*, 5> m_lbl_marktaandeel_speler{};
    std::array<QString, 5> m_namen;
    // System slots 4 to 39, numbered as the board's: square v's top line is slot 4v + 3.
    std::array<QLabel*, 40> m_im_nieuw{};
    std::array<QLabel*, 40> m_lbl_marktaandeel_systeem{};
};
