#include "ui/dialogs/frm_voeg_speler_toe.h"

#include "services/cls_applicatie.h"
#include "services/cls_cpt_ui.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/dialogs/pion_plaatje.h"
#include "ui/lettertype.h"
#include "ui/venster.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr double punten_kop = 12.0;
constexpr int pion = dialoog_pion_twips;

// 1845 x 2655 twips: a name box per team, its pawn beside it.
// clang-format off
constexpr std::array tabel{
    // name                         kind             left, top, width, height pt          caption      accessible name, indexes, place
    ontwerp{"lbl_speler",          soort::label,    {120, 120, 735, 375},    punten_kop, QT_TRANSLATE_NOOP3("frm_voeg_speler_toe", "team", "column heading over the name boxes"), QT_TRANSLATE_NOOP("frm_voeg_speler_toe", "team column")},
    ontwerp{"lbl_pion",            soort::label,    {1200, 120, 615, 375},   punten_kop, QT_TRANSLATE_NOOP3("frm_voeg_speler_toe", "pawn", "column heading over the teams' pawn pictures"), QT_TRANSLATE_NOOP("frm_voeg_speler_toe", "pawn column")},
    ontwerp{"tb_naam_speler",      soort::tekstvak, {120, 600, 975, 285},    0,          "",          QT_TRANSLATE_NOOP("frm_voeg_speler_toe", "name of team %1"), 1, 4, onder_elkaar},
    ontwerp{"im_pion",             soort::pion,     {1440, 600, pion, pion}, 0,          "",          QT_TRANSLATE_NOOP("frm_voeg_speler_toe", "pawn of team %1"), 1, 4, onder_elkaar},
    ontwerp{"knp_voeg_speler_toe", soort::knop,     {120, 2160, 1575, 375},  0,          QT_TRANSLATE_NOOP3("frm_voeg_speler_toe", "add teams", "button: makes the teams of the names typed"), QT_TRANSLATE_NOOP3("frm_voeg_speler_toe", "add teams", "button: makes the teams of the names typed")},
};
// clang-format on

} // namespace

frm_voeg_speler_toe::frm_voeg_speler_toe(cls_cpt_ui& cpt_ui, frm_pion& pion, double schaal,
                                         QWidget* parent)
    : QWidget(parent), m_cpt_ui(cpt_ui), m_pion(pion),
      m_indeling(*this, lettertype::standaard_punten) {
    setObjectName("frm_voeg_speler_toe");
    richt_dialoog_in(*this, tr("teams", "window title"), {1845, 2655}, schaal);
    m_indeling.bouw(tabel);
    m_indeling.array("tb_naam_speler", m_tb_naam_speler);
    m_indeling.array("im_pion", m_im_pion);
    auto* knop = m_indeling.control<QPushButton>("knp_voeg_speler_toe");
    connect(knop, &QPushButton::clicked, this, bewaak([this] { knp_voeg_speler_toe_Click(); }));

    for (std::size_t i = 1; i < 4; ++i) {
        setTabOrder(m_tb_naam_speler[i], m_tb_naam_speler[i + 1]);
    }
    setTabOrder(m_tb_naam_speler[4], knop);
    // Enter in a name box answers as the button does: the names are typed, the hand is on the
    // keyboard.
    for (std::size_t i = 1; i <= 4; ++i) {
        connect(m_tb_naam_speler[i], &QLineEdit::returnPressed, this,
                bewaak([this] { knp_voeg_speler_toe_Click(); }));
    }
    m_tb_naam_speler[1]->setFocus();

    m_indeling.pas_toe(schaal);
    Form_Load();
}

void frm_voeg_speler_toe::Form_Load() {
    for (int i = 1; i <= 4; ++i) {
        m_im_pion[static_cast<std::size_t>(i)]->setPixmap(m_pion.im_pion(4 * i - 3));
    }
    noem_pionnen();
}

void frm_voeg_speler_toe::noem_pionnen() {
    for (int i = 1; i <= 4; ++i) {
        m_im_pion[static_cast<std::size_t>(i)]->setAccessibleName(
            frm_pion::beschrijving(4 * i - 3));
    }
}

// What was typed stays, and so does the focus: only the texts change.
void frm_voeg_speler_toe::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        cls_applicatie::bewaakt([this] {
            setWindowTitle(tr("teams", "window title"));
            m_indeling.vertaal();
            noem_pionnen();
        });
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
