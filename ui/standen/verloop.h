#pragma once

#include <vector>

#include <QList>
#include <QPointF>

class QLineSeries;

// One team's line on the standings chart: its total share, in percent, in every fiscal year
// from 1, and the points drawn for them. While the years are few, each has its point. A long
// game would give Qt Charts more points than it can redraw at every press, so the years are
// then taken in runs of 2, 4, 8, ... years, each drawn as its lowest and highest value, in the
// order they came, which keeps every peak and trough in sight. The values themselves are kept
// whole for the tooltips.
//
// Changes collect until toon hands them to the line in one go: Qt Charts lays a whole line out
// again at every change of it. A change touches the run of its year; only when the runs double
// or halve in length are all points made again, from the values kept.
class verloop {
public:
    explicit verloop(QLineSeries& lijn);

    // All years at once, from year 1.
    void vul(std::vector<double> procenten);
    // The value of a year: one already there, or the year after the last.
    void zet(int jaar, double procent);
    // Keeps years 1 to aantal.
    void kort_in(int aantal);
    void toon();

    int aantal() const { return static_cast<int>(m_waarden.size()); }
    double waarde(int jaar) const;
    // Years per run, 1 while each year has its point.
    int run() const { return m_run; }

    // More runs than this, and the runs double in length.
    static constexpr int meeste_runs = 64;

private:
    int runs() const;
    int punten_per_run() const { return m_run == 1 ? 1 : 2; }
    QList<QPointF> punten_van(int run) const;
    void teken_run(int run);
    bool pas_run_aan();
    void teken_alles();

    QLineSeries& m_lijn;
    std::vector<double> m_waarden;
    int m_run = 1; // a power of 2
    QList<QPointF> m_punten;
    // The one point changed since the last toon, -1 for none, -2 for more.
    int m_veranderd = -1;
};
