#include "ui/board/bordmenu.h"

#include "services/cls_applicatie.h"
#include "ui/board/frm_speelbord.h"
#include "ui/klok/frm_klok.h"
#include "ui/klok/rondeklok.h"
#include "ui/venster.h"

#include <utility>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QShortcut>

bordmenu::bordmenu(frm_speelbord& bord, handelingen doe) : QObject(&bord), m_bord(bord) {
    m_bord.setContextMenuPolicy(Qt::ActionsContextMenu);
    // The share boxes are only written by the program: the board's menu serves there too. The
    // name boxes keep the menu that edits text.
    for (QLineEdit* vak : m_bord.findChildren<QLineEdit*>()) {
        if (vak->objectName().startsWith("tb_marktaandeel")) {
            vak->setContextMenuPolicy(Qt::NoContextMenu);
        }
    }
    voeg_toe("standings over the years", QKeySequence(Qt::CTRL | Qt::Key_H), doe.standen);
    QAction* volledig = voeg_toe("full screen", QKeySequence(Qt::Key_F11), [this] {
        vensterplaats* voor = vensterplaats::van(QApplication::activeWindow());
        (voor ? voor : vensterplaats::van(&m_bord))->wissel_volledig_scherm();
    });
    volledig->setShortcutContext(Qt::ApplicationShortcut);
    voeg_toe("class view", QKeySequence(Qt::Key_F5), doe.klas)
        ->setShortcutContext(Qt::ApplicationShortcut);
    connect(new QShortcut(Qt::Key_Escape, &m_bord), &QShortcut::activated, this,
            bewaak([this] { vensterplaats::van(&m_bord)->verlaat_volledig_scherm(); }));
}

QAction* bordmenu::voeg_toe(const char* tekst, QKeySequence toets, std::function<void()> doe) {
    auto* handeling = new QAction(QString::fromUtf8(tekst), &m_bord);
    handeling->setShortcut(toets);
    connect(handeling, &QAction::triggered, this, bewaak(std::move(doe)));
    m_bord.addAction(handeling);
    return handeling;
}

void bordmenu::voeg_klok_toe(rondeklok& klok) {
    klok_handeling(tr("round timer..."), {}, [this, &klok] {
        if (!m_frm_klok) {
            m_frm_klok = new frm_klok(klok, m_bord.schaal(), &m_bord);
        }
        m_frm_klok->show();
        m_frm_klok->raise();
        m_frm_klok->activateWindow();
    });
    QAction* start = klok_handeling(tr("start timer"), Qt::Key_T, [&klok] { klok.wissel(); });
    connect(&klok, &rondeklok::veranderd, start, [start, &klok] {
        start->setText(klok.klok().loopt() ? tr("pause timer") : tr("start timer"));
    });
    klok_handeling(tr("set timer back"), QKeySequence(Qt::SHIFT | Qt::Key_T),
                   [&klok] { klok.zet_terug(); });
    QAction* stil = klok_handeling(tr("mute chime"), {}, {});
    stil->setCheckable(true);
    connect(stil, &QAction::toggled, &klok, &rondeklok::demp);
}

QAction* bordmenu::klok_handeling(const QString& tekst, QKeySequence toets,
                                  std::function<void()> doe) {
    auto* handeling = new QAction(tekst, &m_bord);
    handeling->setShortcut(toets);
    if (doe) {
        connect(handeling, &QAction::triggered, this, bewaak(std::move(doe)));
    }
    m_bord.addAction(handeling);
    return handeling;
}
