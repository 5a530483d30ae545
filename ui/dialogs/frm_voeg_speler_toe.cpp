#include "ui/dialogs/frm_voeg_speler_toe.h"

#include "services/cls_applicatie.h"
#include "services/cls_cpt_ui.h"
#include "ui/board/board_font.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/dialogs/pawn_picture.h"
#include "ui/venster.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr double punten_kop = 12.0;

} // namespace

frm_voeg_speler_toe::frm_voeg_speler_toe(cls_cpt_ui& cpt_ui, frm_pion& pion, double schaal,
                                         QWidget* parent)
    : QWidget(parent), m_cpt_ui(cpt_ui), m_pion(pion),
      m_indeling(*this, board_font::standaard_punten) {
    setObjectName("frm_voeg_speler_toe");
    richt_dialoog_in(*this, "teams", {1845, 2655}, schaal);

    m_lbl_speler = new QLabel("team", this);
    m_lbl_speler->setObjectName("lbl_speler");
    m_indeling.voeg_toe(m_lbl_speler, {120, 120, 735, 375}, punten_kop);
    m_lbl_pion = new QLabel("pawn", this);
    m_lbl_pion->setObjectName("lbl_pion");
    m_indeling.voeg_toe(m_lbl_pion, {1200, 120, 615, 375}, punten_kop);
    for (QLabel* kop : {m_lbl_speler, m_lbl_pion}) {
        kop->setAccessibleName(kop->text() + " column");
    }

    for (int i = 1; i <= 4; ++i) {
        const int boven = 600 + 360 * (i - 1);
        auto* naam = new QLineEdit(this);
        naam->setObjectName(QString("tb_naam_speler_%1").arg(i));
        naam->setAccessibleName(QString("name of team %1").arg(i));
        m_indeling.voeg_toe(naam, {120, boven, 975, 285});
        m_tb_naam_speler[static_cast<std::size_t>(i)] = naam;

        auto* pion_plaatje = new pawn_picture(this);
        pion_plaatje->setObjectName(QString("im_pion_%1").arg(i));
        pion_plaatje->setAccessibleName(QString("pawn of team %1").arg(i));
        m_indeling.voeg_toe(pion_plaatje, {1440, boven, dialoog_pion_twips, dialoog_pion_twips});
        m_im_pion[static_cast<std::size_t>(i)] = pion_plaatje;
    }

    m_knp_voeg_speler_toe = new QPushButton("add teams", this);
    m_knp_voeg_speler_toe->setObjectName("knp_voeg_speler_toe");
    m_knp_voeg_speler_toe->setAccessibleName("add teams");
    m_indeling.voeg_toe(m_knp_voeg_speler_toe, {120, 2160, 1575, 375});
    connect(m_knp_voeg_speler_toe, &QPushButton::clicked, this,
            bewaak([this] { knp_voeg_speler_toe_Click(); }));

    for (int i = 1; i < 4; ++i) {
        setTabOrder(m_tb_naam_speler[static_cast<std::size_t>(i)],
                    m_tb_naam_speler[static_cast<std::size_t>(i + 1)]);
    }
    setTabOrder(m_tb_naam_speler[4], m_knp_voeg_speler_toe);
    m_tb_naam_speler[1]->setFocus();

    m_indeling.pas_toe(schaal);
    Form_Load();
}

void frm_voeg_speler_toe::Form_Load() {
    for (int i = 1; i <= 4; ++i) {
        m_im_pion[static_cast<std::size_t>(i)]->setPixmap(m_pion.im_pion(4 * i - 3));
    }
}

void frm_voeg_speler_toe::knp_voeg_speler_toe_Click() {
    cls_cpt_ui::namen speler;
    for (std::size_t i = 1; i <= 4; ++i) {
        speler[i] = m_tb_naam_speler[i]->text().toStdString();
    }
    m_cpt_ui.srvc_voeg_speler_toe(speler);
    close();
}
