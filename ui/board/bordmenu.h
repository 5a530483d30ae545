#pragma once

#include <functional>
#include <vector>

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class frm_klok;
class frm_speelbord;
class rondeklok;

// The board's keys and its context menu, beside its own controls, which stay as designed: the
// right mouse button anywhere on the board, a name box aside, offers the standings over the
// years (Ctrl+H), full screen (F11), the class view (F5) and the language, each language named
// in itself. F11 works from every window of the program and fills the screen with the one in
// front, a dialog's being the board's; F5 opens and closes the class view from the board and
// from the class view itself. Escape on the board leaves full screen.
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
    // The game master's keys that the other windows take as well: Ctrl+H, T and Shift+T. (F5 and
    // F11 work in every window already.)
    QList<QAction*> sneltoetsen() const { return m_sneltoetsen; }

protected:
    // The board passes LanguageChange on to its children, this menu among them.
    bool event(QEvent* gebeurtenis) override;

private:
    QAction* voeg_toe(const char* tekst, QKeySequence toets, std::function<void()> doe);
    void vertaal();

    QAction* klok_handeling(const char* tekst, QKeySequence toets, std::function<void()> doe);

    frm_speelbord& m_bord;
    // Each entry with its English text, to translate again.
    std::vector<std::pair<QAction*, const char*>> m_teksten;
    QMenu* m_talen;
    QList<QAction*> m_sneltoetsen;
    QPointer<frm_klok> m_frm_klok;
    // Sets the start entry's text to what T will do now.
    std::function<void()> m_klok_tekst;
};
