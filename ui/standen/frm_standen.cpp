#include "ui/standen/frm_standen.h"

#include "services/cls_applicatie.h"
#include "ui/board/percentage_tekst.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/lettertype.h"
#include "ui/standen/rasterview.h"
#include "ui/venster.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCursor>
#include <QEvent>
#include <QLegend>
#include <QLineSeries>
#include <QShortcut>
#include <QToolTip>
#include <QValueAxis>

namespace {

// The designed size, and the smallest scale it opens at on a small screen.
constexpr QSize ontworpen(960, 600);
constexpr double kleinste_schaal = 0.4;

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

frm_standen::frm_standen(cls_tbl_speler& tbl_speler, cls_status& status, cls_subcpt_ui& subcpt_ui,
                         frm_pion& pion, QWidget* parent)
    : QWidget(parent, Qt::Window), m_tbl_speler(tbl_speler), m_status(status),
      m_subcpt_ui(subcpt_ui), m_pion(pion),
      m_plaats(new vensterplaats(*this, ontworpen, kleinste_schaal)), m_grafiek(new QChart),
      m_jaren_as(new QValueAxis), m_aandeel_as(new QValueAxis),
      m_view(new rasterview(m_grafiek, *m_aandeel_as, this)) {
    setObjectName("frm_standen");
    setWindowIcon(programma_icoon());
    setAttribute(Qt::WA_DeleteOnClose);
    resize(ontworpen);

    m_view->setObjectName("grafiek_standen");
    // It takes the window's keys: it is all there is to look at.
    m_view->setFocus();
    m_view->setRenderHint(QPainter::Antialiasing);
    m_grafiek->legend()->setAlignment(Qt::AlignBottom);
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
                isFullScreen() ? m_plaats->verlaat_volledig_scherm() : (void)close();
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
    m_jaren_as->setTitleText(tr("fiscal year", "title of the chart's axis of the rounds"));
    m_aandeel_as->setTitleText(tr("market share (%)", "title of the chart's axis of the shares"));
}

void frm_standen::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        cls_applicatie::bewaakt([this] {
            vertaal();
            if (m_jaren > 0) {
                beschrijf();
            }
        });
    }
}

void frm_standen::maak_lijnen() {
    const std::int16_t n = m_tbl_speler.aantal_rijen();
    m_lijnen.assign(1, nullptr);
    m_verlopen.resize(1);
    for (std::int16_t t = 1; t <= n; ++t) {
        auto* lijn = new QLineSeries(m_grafiek);
        lijn->setColor(
            m_pion.im_pion(m_tbl_speler.rij(t)->pion_nummer()).toImage().pixelColor(10, 10));
        m_grafiek->addSeries(lijn);
        lijn->attachAxis(m_jaren_as);
        lijn->attachAxis(m_aandeel_as);
        connect(lijn, &QLineSeries::hovered, this, [this, t](const QPointF& punt, bool erop) {
            cls_applicatie::bewaakt([&] {
                const int jaar =
                    std::clamp(static_cast<int>(std::lround(punt.x())), 1, std::max(1, m_jaren));
                erop ? QToolTip::showText(QCursor::pos(), tip(t, jaar), m_view)
                     : QToolTip::hideText();
            });
        });
        m_lijnen.push_back(lijn);
        m_verlopen.push_back(std::make_unique<verloop>(*lijn));
    }
}

// Only the last two years can have changed since the last time: the current board, and the
// one before it, whose shares a "forward" has just computed. Years beyond the current one are a
// rewind's and go. The first time, the whole history is read once.
void frm_standen::volg() {
    // The board redraws after each of a press's four steps; the chart follows once, after them.
    if (!m_bij_te_werken) {
        m_bij_te_werken = true;
        QMetaObject::invokeMethod(this, bewaak([this] { werk_bij(); }), Qt::QueuedConnection);
    }
}

void frm_standen::werk_bij() {
    m_bij_te_werken = false;
    const int jaren = m_status.ronde();
    for (std::size_t t = 1; t < m_verlopen.size(); ++t) {
        m_lijnen[t]->setName(
            QString::fromStdString(m_tbl_speler.rij(static_cast<std::int16_t>(t))->speler_naam()));
    }
    if (m_jaren == 0) {
        lees_alles(jaren);
    } else {
        for (std::size_t t = 1; t < m_verlopen.size(); ++t) {
            m_verlopen[t]->kort_in(jaren);
        }
        const int vanaf = std::max(1, std::min(m_jaren, jaren) - 1);
        for (int jaar = vanaf; jaar <= jaren; ++jaar) {
            bereken(jaar);
        }
    }
    m_jaren = jaren;
    for (std::size_t t = 1; t < m_verlopen.size(); ++t) {
        m_verlopen[t]->toon();
    }
    zet_assen();
    beschrijf();
}

void frm_standen::lees_alles(int jaren) {
    std::vector<std::vector<double>> procenten(m_verlopen.size());
    for (int jaar = 1; jaar <= jaren; ++jaar) {
        cls_subcpt_ui::per_team_double totaal{};
        m_subcpt_ui.srvc_bereken_marktaandeel_speler(static_cast<std::int16_t>(jaar), totaal);
        for (std::size_t t = 1; t < procenten.size(); ++t) {
            procenten[t].push_back(totaal.at(t) * 100.0);
            m_hoogste = std::max(m_hoogste, procenten[t].back());
        }
    }
    for (std::size_t t = 1; t < procenten.size(); ++t) {
        m_verlopen[t]->vul(std::move(procenten[t]));
    }
}

void frm_standen::bereken(int jaar) {
    cls_subcpt_ui::per_team_double totaal{};
    m_subcpt_ui.srvc_bereken_marktaandeel_speler(static_cast<std::int16_t>(jaar), totaal);
    for (std::size_t t = 1; t < m_verlopen.size(); ++t) {
        const double procent = totaal.at(t) * 100.0;
        m_verlopen[t]->zet(jaar, procent);
        m_hoogste = std::max(m_hoogste, procent);
    }
}

// The years from 1 to the current one; the shares from 0 to a round figure above the highest
// seen, which never shrinks while the window is open, so the lines do not jump at a rewind. In a
// long game the years' axis runs on to the next tick, and changes only when the game passes it
// or falls a tick short of it, so that most presses leave the axes alone.
void frm_standen::zet_assen() {
    const double jaren = std::max(2, m_jaren);
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
    const bool punten = m_jaren <= 60;
    for (std::size_t t = 1; t < m_lijnen.size(); ++t) {
        m_lijnen[t]->setPointsVisible(punten);
    }
}

// For a screen reader: each team's share in the current year.
void frm_standen::beschrijf() {
    QStringList delen;
    for (std::size_t t = 1; t < m_lijnen.size(); ++t) {
        delen << tip(static_cast<int>(t), m_jaren);
    }
    const QString beschrijving = delen.join("; ");
    if (m_view->accessibleDescription() != beschrijving) {
        m_view->setAccessibleDescription(beschrijving);
    }
}

QString frm_standen::tip(int rij, int jaar) const {
    const verloop& lijn = *m_verlopen.at(static_cast<std::size_t>(rij));
    return tr("%1, fiscal year %2: %3", "a point's tooltip: the team's name, the year, its share")
        .arg(m_lijnen.at(static_cast<std::size_t>(rij))->name())
        .arg(jaar)
        .arg(procent_tekst(lijn.waarde(jaar)));
}

void frm_standen::kopieer() const {
    QApplication::clipboard()->setImage(m_view->grab().toImage());
}

// Text and lines grow with the window, as the board's do.
void frm_standen::schaal_mee() {
    const double schaal = std::min(static_cast<double>(width()) / ontworpen.width(),
                                   static_cast<double>(height()) / ontworpen.height());
    m_view->setGeometry(rect());
    m_grafiek->setTitleFont(lettertype::maak(15 * schaal));
    m_grafiek->legend()->setFont(lettertype::maak(12 * schaal));
    for (QValueAxis* as : {m_jaren_as, m_aandeel_as}) {
        as->setLabelsFont(lettertype::maak(11 * schaal));
        as->setTitleFont(lettertype::maak(12 * schaal));
    }
    for (std::size_t t = 1; t < m_lijnen.size(); ++t) {
        QPen pen = m_lijnen[t]->pen();
        pen.setWidthF(3 * schaal);
        m_lijnen[t]->setPen(pen);
        m_lijnen[t]->setMarkerSize(9 * schaal);
    }
}

void frm_standen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    cls_applicatie::bewaakt([this] {
        schaal_mee();
        m_plaats->bij_verplaatsen();
    });
}

void frm_standen::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    cls_applicatie::bewaakt([this] { m_plaats->bij_verplaatsen(); });
}

void frm_standen::setVisible(bool zichtbaar) {
    cls_applicatie::bewaakt([this, zichtbaar] { m_plaats->bij_tonen(zichtbaar); });
    QWidget::setVisible(zichtbaar);
}

// What the program calls, through maak_standen, once it has loaded this module.
extern "C" Q_DECL_EXPORT standen* corvanta_maak_standen(cls_tbl_speler& tbl_speler,
                                                        cls_status& status,
                                                        cls_subcpt_ui& subcpt_ui, frm_pion& pion,
                                                        QWidget* ouder) {
    return new frm_standen(tbl_speler, status, subcpt_ui, pion, ouder);
}
