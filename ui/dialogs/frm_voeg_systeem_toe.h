#pragma once

#include "services/cls_subcpt_ui.h"
#include "ui/indeling.h"

#include <array>
#include <cstdint>

#include <QWidget>

class QCloseEvent;
class QLabel;
class cls_cpt_ui;
class frm_pion;
class frm_speelbord;
class pion_plaatje;

// The add-systems dialog for the square in status.vak_nummer, which the board window set before
// making it. The left column holds every team's pawn, the right column the teams chosen to have
// a system on the square; clicking a pawn moves its team across. "add systems" sends the
// difference from the opening state to the facade. However it closes, it releases the square
// (vak_nummer back to 0); closing without the button, by its close box or Escape, changes nothing
// on the board. It opens at the board's scale.
class frm_voeg_systeem_toe : public QWidget {
    Q_OBJECT

public:
    frm_voeg_systeem_toe(cls_status& status, cls_tbl_speler& tbl_speler, cls_subcpt_ui& subcpt_ui,
                         cls_cpt_ui& cpt_ui, const frm_speelbord& speelbord, frm_pion& pion,
                         QWidget* parent = nullptr);

    void im_pion_Click(int Index);
    void im_pion_geselecteerd_Click(int Index);
    void knp_voeg_systeem_toe_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void vertaal();
    void disable_pion(std::int16_t team_nummer);
    void enable_pion(std::int16_t team_nummer);
    void zet_pion(std::int16_t team_nummer, bool aan);
    void noem_pionnen();
    bool is_teamrij(int Index) const;

    cls_status& m_status;
    cls_tbl_speler& m_tbl_speler;
    cls_subcpt_ui& m_subcpt_ui;
    cls_cpt_ui& m_cpt_ui;
    const frm_speelbord& m_speelbord;
    frm_pion& m_pion;
    indeling m_indeling;

    // Which team rows had a system on the square when the dialog opened.
    cls_subcpt_ui::per_team_bool m_speler_heeft_systeem_in_vak{};

    // The square's number as the board writes it.
    QString m_vak;
    QLabel* m_lbl_gebied = nullptr;
    std::array<pion_plaatje*, 5> m_im_pion{};
    std::array<pion_plaatje*, 5> m_im_pion_geselecteerd{};
};
