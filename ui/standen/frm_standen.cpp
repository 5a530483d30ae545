#include "ui/standen/frm_standen.h"

#include "ui/standen/merkteken.h"
#include "ui/standen/rasterview.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QEvent>
#include <QHelpEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QShortcut>
#include <QToolTip>
#include <QValueAxis>

namespace {

// The designed size.
constexpr QSize ontworpen(960, 600);

// A step of 1, 2 or 5 times a power of ten that puts at most ten ticks over the range.
double tik_afstand(double bereik) {
    double macht = 1;
    while (true) {
        for (double stap : {1.0, 2.0, 5.0}) {
            if (bereik / (stap * macht) <= 10) {
                return stap * macht;
            }
        }
        macht *= 10;
    }
}

} // namespace

frm_standen::frm_standen(standen_bron& bron, QWidget* parent)
    : QWidget(parent, Qt::Window), m_bron(bron), m_grafiek(new QChart), m_jaren_as(new QValueAxis),
      m_aandeel_as(new QValueAxis), m_view(new rasterview(m_grafiek, *m_aandeel_as, this)) {
    setObjectName("frm_standen");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(ontworpen);

    m_view->setObjectName("grafiek_standen");
    // It takes the window's keys: it is all there is to look at.
    m_view->setFocus();
    m_view->setRenderHint(QPainter::Antialiasing);
    // Tooltips and clicks on the chart are the window's own: a tooltip comes where the mouse
    // rests, as anywhere in the desktop.
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
    m_grafiek->legend()->setAlignment(Qt::AlignBottom);
    m_grafiek->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    for (QValueAxis* as : {m_jaren_as, m_aandeel_as}) {
        as->setLabelFormat("%d");
        as->setTickInterval(1);
        as->setTickType(QValueAxis::TicksDynamic);
    }
    m_jaren_as->setGridLineVisible(false);
    m_grafiek->addAxis(m_jaren_as, Qt::AlignBottom);
    m_grafiek->addAxis(m_aandeel_as, Qt::AlignLeft);

    maak_lijnen();
    vertaal();

    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, bewaak([this] {
                isFullScreen() ? setWindowState(windowState() & ~Qt::WindowFullScreen)
                               : (void)close();
            }));
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            bewaak([this] { kopieer(); }));
    schaal_mee();
    werk_bij();
}

frm_standen::~frm_standen() = default;

void frm_standen::vertaal() {
    setWindowTitle(tr("standings", "window title"));
    m_view->setAccessibleName(tr("standings chart"));
    m_grafiek->setTitle(tr("market share per fiscal year"));
    m_jaren_as->setTitleText(tr("end of fiscal year (hollow: now, the year being played)",
                                "title of the chart's axis of the rounds"));
    m_aandeel_as->setTitleText(tr("market share (%)", "title of the chart's axis of the shares"));
}

void frm_standen::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        m_bron.bewaakt([this] {
            vertaal();
            if (m_jaar > 0) {
                beschrijf();
            }
        });
    }
}

void frm_standen::maak_lijnen() {
    const int n = m_bron.aantal_teams();
    m_lijnen.assign(1, nullptr);
    m_nu_lijnen.assign(1, nullptr);
    m_verlopen.resize(1);
    for (int t = 1; t <= n; ++t) {
        for (const bool nu : {false, true}) {
            auto* lijn = new QLineSeries(m_grafiek);
            lijn->setColor(m_bron.kleur(t));
            lijn->setLightMarker(merkteken(m_bron.vorm(t), m_bron.kleur(t), nu));
            m_grafiek->addSeries(lijn);
            lijn->attachAxis(m_jaren_as);
            lijn->attachAxis(m_aandeel_as);
            (nu ? m_nu_lijnen : m_lijnen).push_back(lijn);
        }
        m_verlopen.push_back(std::make_unique<verloop>(*m_lijnen.back()));
        m_nu_lijnen.back()->setPointsVisible(true);
    }
    // The legend names each team once, by its closed years' line.
    for (std::size_t t = 1; t < m_nu_lijnen.size(); ++t) {
        for (QLegendMarker* merk : m_grafiek->legend()->markers(m_nu_lijnen[t])) {
            merk->setVisible(false);
        }
    }
}

// Only the last closed years can have changed since the last time: a "forward" closes one, a
// rewind opens the last one again. The first time, the whole history is read once.
void frm_standen::volg() {
    // The board redraws after each of a press's four steps; the chart follows once, after them.
    if (!m_bij_te_werken) {
        m_bij_te_werken = true;
        QMetaObject::invokeMethod(this, bewaak([this] { werk_bij(); }), Qt::QueuedConnection);
    }
}

void frm_standen::werk_bij() {
    m_bij_te_werken = false;
    const int jaar = m_bron.jaar();
    const int gesloten = jaar - 1;
    for (std::size_t t = 1; t < m_verlopen.size(); ++t) {
        m_lijnen[t]->setName(m_bron.naam(static_cast<int>(t)));
    }
    if (m_jaar == 0) {
        lees_alles(gesloten);
    } else {
        for (std::size_t t = 1; t < m_verlopen.size(); ++t) {
            m_verlopen[t]->kort_in(gesloten);
        }
        for (int j = std::max(1, std::min(m_jaar - 1, gesloten)); j <= gesloten; ++j) {
            bereken(j);
        }
    }
    m_jaar = jaar;
    m_nu = m_bron.totalen(jaar);
    for (std::size_t t = 1; t < m_verlopen.size(); ++t) {
        m_verlopen[t]->toon();
        m_hoogste = std::max(m_hoogste, m_nu.at(t));
    }
    toon_nu();
    zet_assen();
    beschrijf();
}

void frm_standen::lees_alles(int gesloten) {
    std::vector<std::vector<double>> procenten(m_verlopen.size());
    for (int jaar = 1; jaar <= gesloten; ++jaar) {
        const std::array<double, 5> totaal = m_bron.totalen(jaar);
        for (std::size_t t = 1; t < procenten.size(); ++t) {
            procenten[t].push_back(totaal.at(t));
            m_hoogste = std::max(m_hoogste, procenten[t].back());
        }
    }
    for (std::size_t t = 1; t < procenten.size(); ++t) {
        m_verlopen[t]->vul(std::move(procenten[t]));
    }
}

void frm_standen::bereken(int jaar) {
    const std::array<double, 5> totaal = m_bron.totalen(jaar);
    for (std::size_t t = 1; t < m_verlopen.size(); ++t) {
        m_verlopen[t]->zet(jaar, totaal.at(t));
        m_hoogste = std::max(m_hoogste, totaal.at(t));
    }
}

// Now: a dashed step from the last closed year to a hollow point, whose start has no marker of
// its own, for the closed line has one there.
void frm_standen::toon_nu() {
    for (std::size_t t = 1; t < m_nu_lijnen.size(); ++t) {
        QList<QPointF> punten;
        if (m_jaar > 1) {
            punten.append({m_jaar - 1.0, m_verlopen[t]->waarde(m_jaar - 1)});
        }
        punten.append({static_cast<double>(m_jaar), m_nu.at(t)});
        QLineSeries& lijn = *m_nu_lijnen[t];
        lijn.replace(punten);
        lijn.setPointConfiguration(0, QXYSeries::PointConfiguration::Visibility, m_jaar == 1);
    }
}

// The years from 1 to the current one; the shares from 0 to a round figure above the highest
// seen, which never shrinks while the window is open, so the lines do not jump at a rewind. In a
// long game the years' axis runs on to the next tick, and changes only when the game passes it
// or falls a tick short of it, so that most presses leave the axes alone.
void frm_standen::zet_assen() {
    const double jaren = std::max(2, m_jaar);
    const double stap = tik_afstand(jaren - 1);
    // Half a year's room on either side, so that the first and last points show whole.
    double eerste = 0.5, laatste = jaren + 0.5;
    if (jaren > 100) {
        eerste = 1;
        laatste = m_jaren_as->max();
        if (jaren > laatste || jaren + stap < laatste) {
            laatste = std::ceil(jaren / stap) * stap;
        }
    }
    if (m_jaren_as->max() != laatste || m_jaren_as->min() != eerste) {
        m_jaren_as->setRange(eerste, laatste);
        m_jaren_as->setTickInterval(stap);
        // From year 1 in small steps; in long ones at round numbers: 1000, 2000, not 1001.
        m_jaren_as->setTickAnchor(stap >= 10 ? 0 : 1);
    }
    const double top = std::max(100.0, std::ceil(m_hoogste * 1.05 / 50) * 50);
    if (m_aandeel_as->max() != top || m_aandeel_as->min() != 0) {
        m_aandeel_as->setRange(0, top);
        m_aandeel_as->setTickInterval(tik_afstand(top));
    }
    // Each year its marked point while they stand apart; in a long game the line alone.
    const bool punten = m_jaar <= 60;
    for (std::size_t t = 1; t < m_lijnen.size(); ++t) {
        m_lijnen[t]->setPointsVisible(punten);
    }
}

// For a screen reader: each team's share now.
void frm_standen::beschrijf() {
    QStringList delen;
    for (std::size_t t = 1; t < m_lijnen.size(); ++t) {
        delen << tip(static_cast<int>(t), m_jaar);
    }
    const QString beschrijving = delen.join("; ");
    if (m_view->accessibleDescription() != beschrijving) {
        m_view->setAccessibleDescription(beschrijving);
    }
}

QString frm_standen::tip(int rij, int jaar) const {
    const QString naam = m_lijnen.at(static_cast<std::size_t>(rij))->name();
    if (jaar == m_jaar) {
        return tr("%1, now, in fiscal year %2: %3",
                  "the tooltip of a point of the year being played: the team's name, the year, "
                  "its share as it stands")
            .arg(naam)
            .arg(jaar)
            .arg(m_bron.procent_tekst(m_nu.at(static_cast<std::size_t>(rij))));
    }
    const verloop& lijn = *m_verlopen.at(static_cast<std::size_t>(rij));
    return tr("%1, end of fiscal year %2: %3",
              "a point's tooltip: the team's name, the year, its share when the year closed")
        .arg(naam)
        .arg(jaar)
        .arg(m_bron.procent_tekst(lijn.waarde(jaar)));
}

void frm_standen::markeer_jaar(int jaar) {
    m_view->markeer(jaar);
}

int frm_standen::jaar_bij(QPoint plek) const {
    const QPointF waarde =
        m_grafiek->mapToValue(m_grafiek->mapFromScene(m_view->mapToScene(plek)), m_lijnen.at(1));
    return std::clamp(static_cast<int>(std::lround(waarde.x())), 1, std::max(1, m_jaar));
}

// The points of the year nearest the mouse that lie under it; each of tied teams is named.
bool frm_standen::toon_tip(QPoint plek, QPoint scherm) {
    const int jaar = jaar_bij(plek);
    QStringList tips;
    QRect gebied;
    for (std::size_t t = 1; t < m_lijnen.size(); ++t) {
        const double waarde = jaar == m_jaar ? m_nu.at(t) : m_verlopen[t]->waarde(jaar);
        const QPoint punt = m_view->mapFromScene(m_grafiek->mapToScene(
            m_grafiek->mapToPosition({static_cast<double>(jaar), waarde}, m_lijnen[t])));
        const int straal = static_cast<int>(m_lijnen[t]->markerSize() / 2) + 4;
        const QRect rond(punt - QPoint(straal, straal), QSize(2 * straal, 2 * straal));
        if (rond.contains(plek)) {
            tips << tip(static_cast<int>(t), jaar);
            gebied |= rond;
        }
    }
    if (tips.isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(scherm, tips.join('\n'), m_view->viewport(), gebied);
    return true;
}

bool frm_standen::eventFilter(QObject* object, QEvent* event) {
    if (object != m_view->viewport() || m_jaar == 0) {
        return QWidget::eventFilter(object, event);
    }
    bool afgehandeld = false;
    m_bron.bewaakt([&] {
        if (event->type() == QEvent::ToolTip) {
            const auto* hulp = static_cast<QHelpEvent*>(event);
            toon_tip(hulp->pos(), hulp->globalPos());
            afgehandeld = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* muis = static_cast<QMouseEvent*>(event);
            const QPointF in_grafiek =
                m_grafiek->mapFromScene(m_view->mapToScene(muis->position().toPoint()));
            if (muis->button() == Qt::LeftButton && m_grafiek->plotArea().contains(in_grafiek)) {
                const int jaar = jaar_bij(muis->position().toPoint());
                m_bron.kies_jaar(jaar < m_jaar ? jaar : 0);
            }
        }
    });
    return afgehandeld || QWidget::eventFilter(object, event);
}

void frm_standen::kopieer() const {
    QApplication::clipboard()->setImage(m_view->grab().toImage());
}

// Text and lines grow with the window, as the board's do. Each team's line lies a little
// thinner, with smaller markers, over the ones before it, and after the first they are dashed,
// each its own way: where lines run together, every one stays in sight.
void frm_standen::schaal_mee() {
    const double schaal = std::min(static_cast<double>(width()) / ontworpen.width(),
                                   static_cast<double>(height()) / ontworpen.height());
    m_view->setGeometry(rect());
    m_grafiek->setTitleFont(m_bron.lettertype(15 * schaal));
    m_grafiek->legend()->setFont(m_bron.lettertype(12 * schaal));
    for (QValueAxis* as : {m_jaren_as, m_aandeel_as}) {
        as->setLabelsFont(m_bron.lettertype(11 * schaal));
        as->setTitleFont(m_bron.lettertype(12 * schaal));
    }
    const auto n = static_cast<double>(m_lijnen.size() - 1);
    static const QList<QList<qreal>> streepjes{{}, {}, {4, 1.5}, {2.5, 1.5}, {1.5, 1.2}};
    for (std::size_t t = 1; t < m_lijnen.size(); ++t) {
        const double voor = n - static_cast<double>(t);
        for (QLineSeries* lijn : {m_lijnen[t], m_nu_lijnen[t]}) {
            QPen pen = lijn->pen();
            pen.setWidthF((3.5 + 1.5 * voor) * schaal);
            pen.setCapStyle(Qt::FlatCap);
            lijn == m_nu_lijnen[t] ? pen.setDashPattern({1.5, 1.5})
            : t == 1               ? pen.setStyle(Qt::SolidLine)
                                   : pen.setDashPattern(streepjes.at(static_cast<qsizetype>(t)));
            lijn->setPen(pen);
            lijn->setMarkerSize((15 + 4 * voor) * schaal);
        }
    }
}

void frm_standen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_bron.bewaakt([this] { schaal_mee(); });
}

// What the program calls, through maak_standen, once it has loaded this module.
extern "C" Q_DECL_EXPORT standen* corvanta_maak_standen(standen_bron& bron, QWidget* ouder) {
    return new frm_standen(bron, ouder);
}
