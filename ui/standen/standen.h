#pragma once

#include <array>
#include <functional>

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The standings window and the program meet only through the two interfaces below. Qt Charts,
// which draws the window, takes a twentieth of start-up to load, so the window lives in a module
// of its own, corvanta_standen, loaded the first time the standings open. The module takes
// nothing from the program but through standen_bron: a Windows DLL cannot leave the program's
// functions to be filled in by whichever program loads it, so on every system the module links
// against Qt alone, and any of the program's executables can load it.

// What the standings ask of the game. Teams are counted by row number, 1 to aantal_teams().
class standen_bron {
public:
    virtual int aantal_teams() const = 0;
    virtual QString naam(int rij) const = 0;
    // The team's pawn colour, and the shape of its marker: 1 to 4, square, disc, triangle, star.
    virtual QColor kleur(int rij) const = 0;
    virtual int vorm(int rij) const = 0;
    // The fiscal year being played; the years before it are closed.
    virtual int jaar() const = 0;
    // Each team's total share in percent, by row: a closed year's as "forward" closed it, the
    // current year's as it stands.
    virtual std::array<double, 5> totalen(int jaar) const = 0;
    // A total as the scoreboard writes it.
    virtual QString procent_tekst(double procent) const = 0;
    virtual QFont lettertype(double punten) const = 0;
    // Runs a handler under the program's error boundary.
    virtual void bewaakt(const std::function<void()>& handler) const = 0;
    // The game master chose a closed year to replay in the class view.
    virtual void kies_jaar(int jaar) = 0;

protected:
    ~standen_bron() = default;
};

// The standings window as the program knows it.
class standen {
public:
    virtual QWidget& venster() = 0;
    // Follows the game; the chart catches up once the event loop comes round.
    virtual void volg() = 0;
    // What hovering over team row t's point of a year says: "Alfa, fiscal year 3: 37".
    virtual QString tip(int rij, int jaar) const = 0;
    // Marks the year the class view replays; 0 for none.
    virtual void markeer_jaar(int jaar) = 0;

protected:
    ~standen() = default;
};

// A new standings window, owned by its parent and deleted when it closes; the module is loaded
// the first time. Without a module that loads, as in a broken installation, nullptr, and waarom
// says why.
standen* maak_standen(standen_bron& bron, QWidget* ouder, QString& waarom);
