#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

class QAction;
class frm_klok;
class frm_speelbord;
class rondeklok;

// The board's keys and its context menu, beside its own controls, which stay as designed: the
// right mouse button anywhere on the board, a name box aside, offers the standings over the
// years (Ctrl+H), full screen (F11) and the class view (F5). F11 works from every window of the
// program and fills the screen with the one in front, a dialog's being the board's; F5 opens
// and closes the class view from the board and from the class view itself. Escape on the board
// leaves full screen.
class bordmenu : public QObject {
    Q_OBJECT

public:
    struct handelingen {
        std::function<void()> standen;
        std::function<void()> klas;
    };

    bordmenu(frm_speelbord& bord, handelingen doe);

    // The round timer's entries: "round timer..." sets it, T starts and pauses it, Shift+T sets
    // it back, and the chime can be muted. A T typed into a name box stays a letter of the name.
    void voeg_klok_toe(rondeklok& klok);

private:
    QAction* voeg_toe(const char* tekst, QKeySequence toets, std::function<void()> doe);

    QAction* klok_handeling(const QString& tekst, QKeySequence toets, std::function<void()> doe);

    frm_speelbord& m_bord;
    QPointer<frm_klok> m_frm_klok;
};
