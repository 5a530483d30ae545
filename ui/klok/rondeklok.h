#pragma once

#include "services/cls_klok.h"
#include "ui/klok/klokgeluid.h"

#include <chrono>

#include <QObject>
#include <QString>
#include <QTimer>

// The round timer as the windows show it: the clock, the chime at time's up, and the one timer
// that wakes the program while the clock runs, at the moment the shown time changes, never on a
// beat of its own that could drift. While the clock stands still no timer runs at all.
//
// The board's and the class view's clock labels redraw on veranderd, which comes with every
// change of the shown time and of the clock's state.
class rondeklok : public QObject {
    Q_OBJECT

public:
    explicit rondeklok(cls_klok::tijdbron nu, QObject* parent = nullptr);

    const cls_klok& klok() const { return m_klok; }
    void stel_in(std::chrono::seconds tijd);
    // T: starts or pauses. Shift+T and every "forward" and "rewind": stopped at the full time.
    void wissel();
    void zet_terug();
    void demp(bool stil);
    bool gedempt() const { return m_gedempt; }

    // Looks at the clock now, as the timer does when the shown time changes; tests call it after
    // moving their time source.
    void kijk();

    // The time left as m:ss: 5:00, 0:09.
    QString tekst() const;
    static QString als_tekst(std::chrono::seconds tijd);
    // What a screen reader hears. While the clock runs it changes only at whole minutes, at the
    // last minute and at time's up, so that announcing it does not talk over the class.
    QString toegankelijke_naam() const;

signals:
    void veranderd();
    // The time is found up: the chime's moment, muted or not. Once per full time.
    void tijd_om();

private:
    // Plays the chime when the time is found up; says whether it was.
    bool meld_om();
    void na_verandering();

    cls_klok m_klok;
    QTimer m_tik;
    klokgeluid m_geluid;
    bool m_gedempt = false;
};
