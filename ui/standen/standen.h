#pragma once

#include <QString>

class QWidget;
class cls_tbl_speler;
class cls_status;
class cls_subcpt_ui;
class frm_pion;

// The standings window as the rest of the program knows it. Qt Charts, which draws it, takes a
// twentieth of start-up to load, so the window lives in a module of its own, corvanta_standen,
// which is loaded the first time the standings open and resolves the program's own functions
// from the program.
class standen {
public:
    virtual QWidget& venster() = 0;
    // Follows the game; the chart catches up once the event loop comes round.
    virtual void volg() = 0;
    // What hovering over team row t's point of a year says: "Alfa, fiscal year 3: 37".
    virtual QString tip(int rij, int jaar) const = 0;

protected:
    ~standen() = default;
};

// A new standings window, owned by its parent and deleted when it closes; the module is loaded
// the first time. Without a module that loads, as in a broken installation, nullptr, and waarom
// says why.
standen* maak_standen(cls_tbl_speler& tbl_speler, cls_status& status, cls_subcpt_ui& subcpt_ui,
                      frm_pion& pion, QWidget* ouder, QString& waarom);
