#pragma once

#include "services/cls_subcpt_ui.h"
#include "ui/standen/standen.h"
#include "ui/standen/verloop.h"

#include <memory>
#include <vector>

#include <QWidget>

class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;
class frm_pion;
class vensterplaats;

// The standings over the fiscal years, for the debrief: one line per team, in its pawn's colour,
// through its total market share in percent in every year from 1 to the current one, as the
// scoreboard shows it for that year before rounding. Year k comes from board k as the history
// holds it now; for the current year that is what the scoreboard shows at this moment.
//
// It follows the game while it is open: volg runs after every redraw of the board and every
// rename, and touches only the last years, so a press costs the same in any year. Reopened, it
// reads the whole history once. A window of its own beside the board, not modal, resizable, its
// text and lines growing with it. Escape leaves full screen, or closes it; Ctrl+C copies the
// chart as a picture to the clipboard.
class frm_standen : public QWidget, public standen {
    Q_OBJECT

public:
    frm_standen(cls_tbl_speler& tbl_speler, cls_status& status, cls_subcpt_ui& subcpt_ui,
                frm_pion& pion, QWidget* parent = nullptr);
    ~frm_standen() override;

    QWidget& venster() override { return *this; }
    void volg() override;
    QString tip(int rij, int jaar) const override;
    void kopieer() const;

    void setVisible(bool zichtbaar) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void vertaal();
    void maak_lijnen();
    void werk_bij();
    void lees_alles(int jaren);
    void bereken(int jaar);
    void zet_assen();
    void schaal_mee();
    void beschrijf();

    cls_tbl_speler& m_tbl_speler;
    cls_status& m_status;
    cls_subcpt_ui& m_subcpt_ui;
    frm_pion& m_pion;
    vensterplaats* m_plaats;
    QChart* m_grafiek;
    QValueAxis* m_jaren_as;
    QValueAxis* m_aandeel_as;
    QChartView* m_view;
    // By team row, 1 to the number of teams; element 0 unused.
    std::vector<QLineSeries*> m_lijnen;
    std::vector<std::unique_ptr<verloop>> m_verlopen;
    int m_jaren = 0;
    bool m_bij_te_werken = false;
    double m_hoogste = 0;
};
