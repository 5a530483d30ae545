#include "ui/standen/verloop.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include <QLineSeries>

namespace {

constexpr int geen = -1;
constexpr int meer = -2;

} // namespace

verloop::verloop(QLineSeries& lijn) : m_lijn(lijn) {}

double verloop::waarde(int jaar) const {
    return m_waarden.at(static_cast<std::size_t>(jaar - 1));
}

void verloop::vul(std::vector<double> procenten) {
    m_waarden = std::move(procenten);
    m_run = 1;
    pas_run_aan();
    teken_alles();
}

void verloop::zet(int jaar, double procent) {
    if (jaar < 1 || jaar > aantal() + 1) {
        throw std::out_of_range("the standings have no year " + std::to_string(jaar));
    }
    if (jaar == aantal() + 1) {
        m_waarden.push_back(procent);
    } else {
        m_waarden[static_cast<std::size_t>(jaar - 1)] = procent;
    }
    if (!pas_run_aan()) {
        teken_run((jaar - 1) / m_run);
    }
}

void verloop::kort_in(int aantal) {
    if (aantal >= this->aantal()) {
        return;
    }
    m_waarden.resize(static_cast<std::size_t>(std::max(0, aantal)));
    if (pas_run_aan()) {
        return;
    }
    m_punten.resize(runs() * punten_per_run());
    m_veranderd = meer;
    if (runs() > 0) {
        teken_run(runs() - 1);
    }
}

void verloop::toon() {
    if (m_veranderd >= 0) {
        m_lijn.replace(m_veranderd, m_punten.at(m_veranderd));
    } else if (m_veranderd == meer) {
        m_lijn.replace(m_punten);
    }
    m_veranderd = geen;
}

int verloop::runs() const {
    return (aantal() + m_run - 1) / m_run;
}

// Doubles the runs' length when there are too many, and halves it, with room to spare so that a
// game going back and forth at a boundary does not redraw every time, when there are few. Says
// whether it drew every point anew.
bool verloop::pas_run_aan() {
    const int oud = m_run;
    while (runs() > meeste_runs) {
        m_run *= 2;
    }
    while (m_run > 1 && (aantal() + m_run / 2 - 1) / (m_run / 2) <= meeste_runs / 2) {
        m_run /= 2;
    }
    if (m_run == oud) {
        return false;
    }
    teken_alles();
    return true;
}

void verloop::teken_alles() {
    m_punten.clear();
    for (int run = 0; run < runs(); ++run) {
        m_punten.append(punten_van(run));
    }
    m_veranderd = meer;
}

// The run's lowest and highest year in the order they came, or its one year.
QList<QPointF> verloop::punten_van(int run) const {
    const int eerste = run * m_run + 1;
    const int laatste = std::min(aantal(), eerste + m_run - 1);
    int laag = eerste, hoog = eerste;
    for (int jaar = eerste; jaar <= laatste; ++jaar) {
        laag = waarde(jaar) < waarde(laag) ? jaar : laag;
        hoog = waarde(jaar) > waarde(hoog) ? jaar : hoog;
    }
    const int eerder = std::min(laag, hoog), later = std::max(laag, hoog);
    QList<QPointF> punten{{static_cast<double>(eerder), waarde(eerder)},
                          {static_cast<double>(later), waarde(later)}};
    punten.resize(punten_per_run());
    return punten;
}

void verloop::teken_run(int run) {
    const QList<QPointF> punten = punten_van(run);
    const int begin = run * punten_per_run();
    for (int i = 0; i < punten_per_run(); ++i) {
        if (begin + i >= m_punten.size()) {
            m_punten.append(punten[i]);
            m_veranderd = meer;
        } else if (m_punten[begin + i] != punten[i]) {
            m_punten[begin + i] = punten[i];
            m_veranderd = m_veranderd == geen ? begin + i : meer;
        }
    }
}
