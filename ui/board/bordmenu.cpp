#include "ui/board/bordmenu.h"

#include "services/cls_applicatie.h"
#include "ui/board/frm_speelbord.h"
#include "ui/klok/frm_klok.h"
#include "ui/klok/rondeklok.h"
#include "ui/taal.h"
#include "ui/venster.h"

#include <utility>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

bordmenu::bordmenu(frm_speelbord& bord, handelingen doe)
    : QObject(&bord), m_bord(bord), m_talen(new QMenu(&bord)) {
    m_bord.setContextMenuPolicy(Qt::ActionsContextMenu);
    // The share boxes are only written by the program: the board's menu serves there too. The
    // name boxes keep the menu that edits text.
    for (QLineEdit* vak : m_bord.findChildren<QLineEdit*>()) {
        if (vak->objectName().startsWith("tb_marktaandeel")) {
            vak->setContextMenuPolicy(Qt::NoContextMenu);
        }
    }
    m_sneltoetsen << voeg_toe(QT_TR_NOOP("standings over the years"),
                              QKeySequence(Qt::CTRL | Qt::Key_H), doe.standen);
    QAction* volledig = voeg_toe(QT_TR_NOOP("full screen"), QKeySequence(Qt::Key_F11), [this] {
        vensterplaats* voor = vensterplaats::van(QApplication::activeWindow());
        (voor ? voor : vensterplaats::van(&m_bord))->wissel_volledig_scherm();
    });
    volledig->setShortcutContext(Qt::ApplicationShortcut);
    voeg_toe(QT_TR_NOOP("class view"), QKeySequence(Qt::Key_F5), doe.klas)
        ->setShortcutContext(Qt::ApplicationShortcut);
    connect(new QShortcut(Qt::Key_Escape, &m_bord), &QShortcut::activated, this,
            bewaak([this] { vensterplaats::van(&m_bord)->verlaat_volledig_scherm(); }));

    // Each language in its own words, so that whoever cannot read the present one finds theirs.
    m_talen->setObjectName("menu_taal");
    auto* groep = new QActionGroup(m_talen);
    for (const taal::aanbod& t : taal::talen()) {
        QAction* keuze = groep->addAction(t.naam);
        keuze->setCheckable(true);
        keuze->setData(t.code);
        connect(keuze, &QAction::triggered, this, bewaak([code = t.code] { taal::zet(code); }));
    }
    m_talen->addActions(groep->actions());
    connect(m_talen, &QMenu::aboutToShow, this, [groep] {
        for (QAction* keuze : groep->actions()) {
            keuze->setChecked(keuze->data().toString() == taal::huidig());
        }
    });
    m_bord.addAction(m_talen->menuAction());
    vertaal();
}

QAction* bordmenu::voeg_toe(const char* tekst, QKeySequence toets, std::function<void()> doe) {
    auto* handeling = new QAction(&m_bord);
    handeling->setShortcut(toets);
    connect(handeling, &QAction::triggered, this, bewaak(std::move(doe)));
    m_bord.addAction(handeling);
    m_teksten.emplace_back(handeling, tekst);
    return handeling;
}

void bordmenu::vertaal() {
    for (const auto& [handeling, tekst] : m_teksten) {
        handeling->setText(tr(tekst));
    }
    m_talen->setTitle(tr("language", "menu of the languages the program speaks"));
    if (m_klok_tekst) {
        m_klok_tekst();
    }
}

bool bordmenu::event(QEvent* gebeurtenis) {
    if (gebeurtenis->type() == QEvent::LanguageChange) {
        cls_applicatie::bewaakt([this] { vertaal(); });
    }
    return QObject::event(gebeurtenis);
}

void bordmenu::voeg_klok_toe(rondeklok& klok) {
    klok_handeling(QT_TR_NOOP("round timer..."), {}, [this, &klok] {
        if (!m_frm_klok) {
            m_frm_klok = new frm_klok(klok, m_bord.schaal(), &m_bord);
        }
        m_frm_klok->show();
        m_frm_klok->raise();
        m_frm_klok->activateWindow();
    });
    QAction* start = klok_handeling(nullptr, Qt::Key_T, [&klok] { klok.wissel(); });
    m_sneltoetsen << start;
    m_klok_tekst = [start, &klok] {
        start->setText(klok.klok().loopt() ? tr("pause timer") : tr("start timer"));
    };
    m_klok_tekst();
    connect(&klok, &rondeklok::veranderd, start, m_klok_tekst);
    m_sneltoetsen << klok_handeling(QT_TR_NOOP("set timer back"),
                                    QKeySequence(Qt::SHIFT | Qt::Key_T),
                                    [&klok] { klok.zet_terug(); });
    QAction* stil = klok_handeling(QT_TR_NOOP("mute chime"), {}, {});
    stil->setCheckable(true);
    connect(stil, &QAction::toggled, &klok, &rondeklok::demp);
}

// Before the languages, which stay last.
QAction* bordmenu::klok_handeling(const char* tekst, QKeySequence toets,
                                  std::function<void()> doe) {
    auto* handeling = new QAction(tekst ? tr(tekst) : QString(), &m_bord);
    handeling->setShortcut(toets);
    if (doe) {
        connect(handeling, &QAction::triggered, this, bewaak(std::move(doe)));
    }
    m_bord.insertAction(m_talen->menuAction(), handeling);
    if (tekst) {
        m_teksten.emplace_back(handeling, tekst);
    }
    return handeling;
}
