#pragma once

#include "ui/standen/standen.h"
#include "ui/standen/verloop.h"

#include <memory>
#include <utility>
#include <vector>

#include <QWidget>

class QChart;
class QLineSeries;
class QValueAxis;
class rasterview;

// The standings over the fiscal years, for the debrief: one line per team, in its pawn's colour
// and with markers of its own shape, through its total market share in percent at the end of
// every closed year, as the scoreboard showed it in the year after. The year being played is
// not closed: its point, "now", stands apart, hollow at the end of a dashed line. Where lines run
// together, each lies a little thinner over the one before, so that none hides another.
//
// It follows the game while it is open: volg runs after every redraw of the board and every
// rename, and touches only the last years, so a press costs the same in any year. Reopened, it
// reads the whole history once. A window of its own beside the board, not modal, resizable, its
// text and lines growing with it. Hovering over a point says whose it is, which year and what
// share; a click chooses the nearest closed year for the class view to replay, and the year
// replayed is marked with a vertical line. Escape leaves full screen, or closes it; Ctrl+C
// copies the chart as a picture to the clipboard.
class frm_standen : public QWidget, public standen {
    Q_OBJECT

public:
    explicit frm_standen(standen_bron& bron, QWidget* parent = nullptr);
    ~frm_standen() override;

    QWidget& venster() override { return *this; }
    void volg() override;
    QString tip(int rij, int jaar) const override;
    void markeer_jaar(int jaar) override;
    void kopieer() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // A handler for connect() that runs the given one under the program's error boundary.
    template <class Handler> auto bewaak(Handler handler) {
        return [this, handler = std::move(handler)] { m_bron.bewaakt(handler); };
    }

    void vertaal();
    void maak_lijnen();
    void werk_bij();
    void lees_alles(int gesloten);
    void bereken(int jaar);
    void toon_nu();
    void zet_assen();
    void schaal_mee();
    void beschrijf();
    // The year nearest a place in the view, 1 to the current one.
    int jaar_bij(QPoint plek) const;
    bool toon_tip(QPoint plek, QPoint scherm);

    standen_bron& m_bron;
    QChart* m_grafiek;
    QValueAxis* m_jaren_as;
    QValueAxis* m_aandeel_as;
    rasterview* m_view;
    // By team row, 1 to the number of teams; element 0 unused. Each line runs through the closed
    // years; the current year's point is on a line of its own.
    std::vector<QLineSeries*> m_lijnen;
    std::vector<QLineSeries*> m_nu_lijnen;
    std::vector<std::unique_ptr<verloop>> m_verlopen;
    std::array<double, 5> m_nu{};
    int m_jaar = 0;
    bool m_bij_te_werken = false;
    double m_hoogste = 0;
};
