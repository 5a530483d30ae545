#pragma once

#include "ui/standen/standen.h"

class cls_tbl_speler;
class cls_status;
class cls_subcpt_ui;
class frm_pion;

// The game as the standings read it: the records, the rules' totals and the pawns. Made by the
// program, which outlives every standings window.
class spel_bron final : public standen_bron {
public:
    spel_bron(const cls_tbl_speler& tbl_speler, const cls_status& status, cls_subcpt_ui& subcpt_ui,
              const frm_pion& pion, std::function<void(int)> kies);

    int aantal_teams() const override;
    QString naam(int rij) const override;
    QColor kleur(int rij) const override;
    int vorm(int rij) const override;
    int jaar() const override;
    std::array<double, 5> totalen(int jaar) const override;
    QString procent_tekst(double procent) const override;
    QFont lettertype(double punten) const override;
    void bewaakt(const std::function<void()>& handler) const override;
    void kies_jaar(int jaar) override;

private:
    const cls_tbl_speler& m_tbl_speler;
    const cls_status& m_status;
    cls_subcpt_ui& m_subcpt_ui;
    const frm_pion& m_pion;
    std::function<void(int)> m_kies;
};
