#pragma once

#include "ui/indeling.h"

#include <array>

#include <QWidget>

class QLineEdit;
class cls_cpt_ui;
class frm_pion;
class pion_plaatje;

// The add-teams dialog: four name boxes, each beside the pawn its team will play with. "add
// teams" hands the names, exactly as typed, to the facade, which makes a team of every box that
// is not empty; then the dialog closes. Closing it otherwise adds no team. It is shown once,
// at the board's scale.
class frm_voeg_speler_toe : public QWidget {
    Q_OBJECT

public:
    frm_voeg_speler_toe(cls_cpt_ui& cpt_ui, frm_pion& pion, double schaal,
                        QWidget* parent = nullptr);

    void knp_voeg_speler_toe_Click();

protected:
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void noem_pionnen();

    cls_cpt_ui& m_cpt_ui;
    frm_pion& m_pion;
    indeling m_indeling;

    std::array<QLineEdit*, 5> m_tb_naam_speler{};
    std::array<pion_plaatje*, 5> m_im_pion{};
};
