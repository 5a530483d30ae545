#include "ui/board/frm_speelbord.h"

#include "services/cls_applicatie.h"
#include "services/cls_cpt_ui.h"
#include "services/navigatie.h"
#include "ui/board/board_font.h"
#include "ui/board/lijnkader.h"
#include "ui/board/percentage_text.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/dialogs/frm_voeg_systeem_toe.h"
#include "ui/indeling.h"
#include "ui/venster.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <QCloseEvent>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>

namespace {

// The designed client area, 1016 x 745 pixels at scale 1; the board keeps its proportions.
constexpr QRect client_twips(0, 0, 15240, 11175);
// Below half its size the board's default text would be six pixels high.
constexpr double kleinste_schaal = 0.5;

QSize ontworpen_maat() {
    return in_pixels(client_twips, 1).size();
}

constexpr double punten_scorebord = 13.5;
constexpr double punten_vak_nummer = 18.0;

constexpr int eerste_rij = 1;
constexpr int eerste_vak = 1;
constexpr int eerste_slot = 4;

// Top-left corner of square v's frame, in twips: three columns, three rows, numbered row by row.
int vak_links(int v) {
    constexpr int links[] = {6000, 8760, 11520};
    return links[(v - 1) % 3];
}
int vak_boven(int v) {
    constexpr int boven[] = {1320, 3960, 6600};
    return boven[(v - 1) / 3];
}

// Slot i of square v (4v to 4v + 3) stands on line k = 4v + 4 - i, counted from the top.
int slot_vak(int i) {
    return i / 4;
}
int slot_regel(int i) {
    return 4 * slot_vak(i) + 4 - i;
}
int slot_boven(int i) {
    return vak_boven(slot_vak(i)) + 1080 + 360 * (slot_regel(i) - 1);
}

// A control array element by the array's own numbering; anything outside it is an error, never
// a null control.
template <class T, std::size_t N>
T* element(const std::array<T*, N>& controls, int index, int first, const char* naam) {
    if (index < first || index >= static_cast<int>(N)) {
        throw std::out_of_range(std::string(naam) + " has no element " + std::to_string(index));
    }
    return controls[static_cast<std::size_t>(index)];
}

template <class T> const T& vereist(const std::shared_ptr<T>& ref, const char* wat) {
    if (!ref) {
        throw std::logic_error(std::string("the board window needs ") + wat +
                               ", but the reference is empty");
    }
    return *ref;
}

// Each control is made by its parent window and takes its place in the window's layout table.
template <class T, class... Argumenten>
T* maak(indeling& tabel, QWidget* ouder, const QRect& twips, double punten,
        Argumenten&&... argumenten) {
    auto* control = new T(std::forward<Argumenten>(argumenten)..., ouder);
    tabel.voeg_toe(control, twips, punten);
    return control;
}

QFrame* maak_kader(indeling& tabel, QWidget* ouder, const QRect& twips, QFrame::Shape vorm) {
    return maak<lijnkader>(tabel, ouder, twips, 0, vorm);
}

QLabel* maak_plaatje(indeling& tabel, QWidget* ouder, const QRect& twips) {
    auto* plaatje = maak<QLabel>(tabel, ouder, twips, 0);
    plaatje->setScaledContents(true);
    return plaatje;
}

void benoem(QWidget* control, const QString& naam, const QString& toegankelijk) {
    control->setObjectName(naam);
    control->setAccessibleName(toegankelijk);
}

QString array_naam(const char* naam, int index) {
    return QString("%1_%2").arg(QLatin1String(naam)).arg(index);
}

// Setting a text leaves the cursor at its end, so a name longer than its box would show its
// end, shifting at every redraw; the beginning says whose it is. A name that is already there
// is not set again: that would only move the cursor there and back and repaint the box.
void toon_naam(QLineEdit& vak, const std::string& naam) {
    const QString tekst = QString::fromStdString(naam);
    if (vak.text() != tekst) {
        vak.setText(tekst);
    }
    vak.setCursorPosition(0);
}

} // namespace

frm_speelbord::frm_speelbord(cls_tbl_speler& tbl_speler, cls_tbl_speelbord& tbl_speelbord,
                             cls_status& status, cls_subcpt_ui& subcpt_ui, frm_pion& pion,
                             QWidget* parent)
    : QWidget(parent), m_tbl_speler(tbl_speler), m_tbl_speelbord(tbl_speelbord), m_status(status),
      m_subcpt_ui(subcpt_ui), m_pion(pion), m_indeling(*this, board_font::standaard_punten),
      m_achtergrond(":/assets/speelbord.jpg"), m_rand(m_achtergrond) {
    if (m_achtergrond.isNull()) {
        throw std::runtime_error("the board picture is missing from the program");
    }
    setObjectName("frm_speelbord");
    setWindowTitle("Corvanta 5");
    setWindowIcon(programma_icoon());
    setMinimumSize(in_pixels(client_twips, kleinste_schaal).size());

    // Creation order is the stacking order: the picture at the bottom, then the drawn items,
    // then the text boxes and buttons on top of everything.
    m_im_background = maak_plaatje(m_indeling, this, {0, 0, 15255, 11175});
    m_im_background->setPixmap(m_achtergrond);
    // The picture covers the whole board with opaque pixels, so whatever lies beneath it never
    // shows; saying so spares every repaint a draw of the window's own background under it.
    m_im_background->setAttribute(Qt::WA_OpaquePaintEvent);
    benoem(m_im_background, "im_background", "board picture");
    maak_scorebord();
    maak_vakken();
    maak_knoppen_en_tekstvakken();
    zet_tabvolgorde();
    verbind_handlers();

    resize(ontworpen_maat());
    schaal_mee();
    Form_Load();
}

void frm_speelbord::maak_scorebord() {
    m_shp_background_scoreboard =
        maak_kader(m_indeling, this, {960, 2760, 3375, 2175}, QFrame::Box);
    benoem(m_shp_background_scoreboard, "shp_background_scoreboard", "scoreboard background");
    // A light, slightly see-through card keeps the scoreboard readable over any backdrop.
    QPalette kaart = m_shp_background_scoreboard->palette();
    kaart.setColor(QPalette::Window, QColor(255, 255, 255, 215));
    kaart.setColor(QPalette::WindowText, QColor(0xB8, 0xC0, 0xCA));
    m_shp_background_scoreboard->setPalette(kaart);
    m_shp_background_scoreboard->setAutoFillBackground(true);

    const double groot = punten_scorebord;
    m_lbl_ronde_text =
        maak<QLabel>(m_indeling, this, {1200, 2160, 1335, 375}, groot, "fiscal year");
    benoem(m_lbl_ronde_text, "lbl_ronde_text", "fiscal year heading");
    m_lbl_ronde_nummer = maak<QLabel>(m_indeling, this, {2760, 2160, 495, 375}, groot);
    benoem(m_lbl_ronde_nummer, "lbl_ronde_nummer", "fiscal year");
    m_lbl_speler = maak<QLabel>(m_indeling, this, {1200, 2880, 1095, 375}, groot, "biz unit");
    benoem(m_lbl_speler, "lbl_speler", "biz unit column heading");
    m_lbl_marktaandeel = maak<QLabel>(m_indeling, this, {2760, 2880, 1335, 375}, groot, "   share");
    benoem(m_lbl_marktaandeel, "lbl_marktaandeel", "share column heading");

    for (int r = eerste_rij; r <= 4; ++r) {
        auto*& pion = m_im_pion_speler[static_cast<std::size_t>(r)];
        pion = maak_plaatje(m_indeling, this, {2520, 3360 + 360 * (r - 1), 255, 255});
        benoem(pion, array_naam("im_pion_speler", r), QString("pawn of team in row %1").arg(r));
    }
}

void frm_speelbord::maak_vakken() {
    for (int v = eerste_vak; v <= 9; ++v) {
        const auto vi = static_cast<std::size_t>(v);
        const int x = vak_links(v);
        const int y = vak_boven(v);

        m_Shape1[vi] = maak_kader(m_indeling, this, {x, y, 2655, 2535}, QFrame::Box);
        benoem(m_Shape1[vi], array_naam("Shape1", v), QString("frame of square %1").arg(v));

        m_lbl_vak_nummer[vi] = maak<QLabel>(m_indeling, this, {x + 120, y + 120, 255, 375},
                                            punten_vak_nummer, QString::number(v));
        benoem(m_lbl_vak_nummer[vi], array_naam("lbl_vak_nummer", v),
               QString("number of square %1").arg(v));

        for (int i = 4 * v; i <= 4 * v + 3; ++i) {
            auto*& pion = m_im_nieuw[static_cast<std::size_t>(i)];
            pion = maak_plaatje(m_indeling, this, {x + 120, slot_boven(i), 255, 255});
            benoem(pion, array_naam("im_nieuw", i),
                   QString("pawn on line %1 of square %2").arg(slot_regel(i)).arg(v));
        }

        m_lbl_marktaandeel_systeem[vi] =
            maak<QLabel>(m_indeling, this, {x + 1080, y + 720, 1455, 255}, 0, "market share");
        benoem(m_lbl_marktaandeel_systeem[vi], array_naam("lbl_marktaandeel_systeem", v),
               QString("market share heading of square %1").arg(v));

        // The line runs from offset 0 to offset 2640 twips, both ends included, one pixel high.
        m_Line1[vi] = maak_kader(m_indeling, this, {x, y + 960, 2655, 15}, QFrame::HLine);
        benoem(m_Line1[vi], array_naam("Line1", v),
               QString("line under the heading of square %1").arg(v));
    }
}

void frm_speelbord::maak_knoppen_en_tekstvakken() {
    m_knp_achteruit =
        maak<QPushButton>(m_indeling, this, {960, 1440, 1575, 495}, punten_scorebord, "rewind");
    benoem(m_knp_achteruit, "knp_achteruit", "rewind");
    m_knp_vooruit =
        maak<QPushButton>(m_indeling, this, {2760, 1440, 1575, 495}, punten_scorebord, "forward");
    benoem(m_knp_vooruit, "knp_vooruit", "forward");

    for (int r = eerste_rij; r <= 4; ++r) {
        const auto ri = static_cast<std::size_t>(r);
        const int boven = 3360 + 360 * (r - 1);
        m_tb_naam_speler[ri] = maak<QLineEdit>(m_indeling, this, {1200, boven, 1095, 285}, 0);
        benoem(m_tb_naam_speler[ri], array_naam("tb_naam_speler", r),
               QString("name of team in row %1").arg(r));
        m_tb_marktaandeel_speler[ri] =
            maak<QLineEdit>(m_indeling, this, {3000, boven, 1095, 285}, 0);
        benoem(m_tb_marktaandeel_speler[ri], array_naam("tb_marktaandeel_speler", r),
               QString("market share of team in row %1").arg(r));
    }

    for (int v = eerste_vak; v <= 9; ++v) {
        const auto vi = static_cast<std::size_t>(v);
        const int x = vak_links(v);
        m_knp_voeg_systeem_toe[vi] = maak<QPushButton>(
            m_indeling, this, {x + 600, vak_boven(v) + 120, 1935, 495}, 0, "add systems");
        benoem(m_knp_voeg_systeem_toe[vi], array_naam("knp_voeg_systeem_toe", v),
               QString("add systems to square %1").arg(v));
        for (int i = 4 * v; i <= 4 * v + 3; ++i) {
            auto*& aandeel = m_tb_marktaandeel_systeem[static_cast<std::size_t>(i)];
            aandeel = maak<QLineEdit>(m_indeling, this, {x + 720, slot_boven(i), 1695, 285}, 0);
            benoem(aandeel, array_naam("tb_marktaandeel_systeem", i),
                   QString("market share on line %1 of square %2").arg(slot_regel(i)).arg(v));
        }
    }
}

void frm_speelbord::zet_tabvolgorde() {
    std::vector<QWidget*> volgorde{m_knp_vooruit};
    for (int r = 4; r >= 1; --r) {
        volgorde.push_back(m_tb_marktaandeel_speler[static_cast<std::size_t>(r)]);
    }
    for (int r = 4; r >= 1; --r) {
        volgorde.push_back(m_tb_naam_speler[static_cast<std::size_t>(r)]);
    }
    volgorde.push_back(m_knp_achteruit);
    for (int v : {3, 4, 5, 6, 7, 8, 9, 1, 2}) {
        volgorde.push_back(m_knp_voeg_systeem_toe[static_cast<std::size_t>(v)]);
        for (int i = 4 * v; i <= 4 * v + 3; ++i) {
            volgorde.push_back(m_tb_marktaandeel_systeem[static_cast<std::size_t>(i)]);
        }
    }
    for (std::size_t j = 1; j < volgorde.size(); ++j) {
        QWidget::setTabOrder(volgorde[j - 1], volgorde[j]);
    }
    // First in the tab order, so it has the focus when the window opens.
    m_knp_vooruit->setFocus();
}

void frm_speelbord::cpt_ui(cls_cpt_ui& let_cpt_ui) {
    m_cpt_ui = &let_cpt_ui;
}

void frm_speelbord::Form_Load() {
    for (int r = eerste_rij; r <= 4; ++r) {
        const auto ri = static_cast<std::size_t>(r);
        m_tb_naam_speler[ri]->hide();
        m_im_pion_speler[ri]->hide();
        m_tb_marktaandeel_speler[ri]->hide();
        m_inverse_volgorde[ri] = static_cast<std::int16_t>(r);
    }
    // No game exists before the first refresh: a rewind now would drop the only board.
    m_knp_achteruit->setEnabled(false);
}

void frm_speelbord::initialiseer() {
    const std::int16_t n = m_tbl_speler.aantal_rijen();
    for (std::int16_t t = 1; t <= n; ++t) {
        QLineEdit* naam = element(m_tb_naam_speler, t, eerste_rij, "tb_naam_speler");
        QLabel* pion = element(m_im_pion_speler, t, eerste_rij, "im_pion_speler");
        QLineEdit* aandeel =
            element(m_tb_marktaandeel_speler, t, eerste_rij, "tb_marktaandeel_speler");
        naam->show();
        pion->show();
        aandeel->show();
        const cls_rij_speler& team = vereist(m_tbl_speler.rij(t), "a team row");
        toon_naam(*naam, team.speler_naam());
        pion->setPixmap(m_pion.im_pion(team.pion_nummer()));
    }
}

void frm_speelbord::refresh_me() {
    m_knp_achteruit->setEnabled(kan_achteruit(m_status));
    m_knp_vooruit->setEnabled(kan_vooruit(m_status));

    m_lbl_ronde_nummer->setText(QString::number(m_status.ronde()));

    const std::int16_t stap_nu = m_status.stap();
    if (stap_nu != 1 && stap_nu != 4) {
        enable_toevoegen_systeem();
    } else {
        disable_toevoegen_systeem();
    }

    cls_subcpt_ui::per_team_double marktaandeel_speler{};
    cls_subcpt_ui::per_team_int speler_volgorde{};
    m_subcpt_ui.srvc_bereken_marktaandeel_speler(marktaandeel_speler);
    m_subcpt_ui.srvc_bereken_score_volgorde(marktaandeel_speler, speler_volgorde,
                                            m_inverse_volgorde);

    const std::int16_t n = m_tbl_speler.aantal_rijen();
    for (std::int16_t t = 1; t <= n; ++t) {
        const std::int16_t r = speler_volgorde.at(static_cast<std::size_t>(t));
        const cls_rij_speler& team = vereist(m_tbl_speler.rij(t), "a team row");
        element(m_tb_marktaandeel_speler, r, eerste_rij, "tb_marktaandeel_speler")
            ->setText(percentage_text(marktaandeel_speler.at(static_cast<std::size_t>(t))));
        toon_naam(*element(m_tb_naam_speler, r, eerste_rij, "tb_naam_speler"), team.speler_naam());
        element(m_im_pion_speler, r, eerste_rij, "im_pion_speler")
            ->setPixmap(m_pion.im_pion(team.pion_nummer()));
    }

    for (int i = eerste_slot; i <= 39; ++i) {
        m_im_nieuw[static_cast<std::size_t>(i)]->clear();
        m_tb_marktaandeel_systeem[static_cast<std::size_t>(i)]->hide();
    }

    const cls_rij_speelbord& bord =
        vereist(m_tbl_speelbord.rij(m_status.ronde()), "the board of the current round");
    for (std::int16_t v = 1; v <= 9; ++v) {
        int k = 0;
        for (std::int16_t w = 1; w <= 4; ++w) {
            const cls_systeem& cel = vereist(bord.systeem(v, w), "a system cell");
            if (!cel.aanwezig()) {
                continue;
            }
            ++k;
            const int i = 4 * (v + 1) - k;
            const cls_rij_speler& eigenaar =
                vereist(m_tbl_speler.rij(cel.speler_nummer()), "the team that owns a system");
            element(m_im_nieuw, i, eerste_slot, "im_nieuw")
                ->setPixmap(m_pion.im_pion(eigenaar.pion_nummer()));
            QLineEdit* aandeel =
                element(m_tb_marktaandeel_systeem, i, eerste_slot, "tb_marktaandeel_systeem");
            aandeel->setText(percentage_text(cel.marktaandeel()));
            aandeel->show();
        }
    }
}

// The buttons stay enabled at every step on purpose: between two actions the game always rests
// at step 1, so disabling them at steps 1 and 4 would lock the game master out of the board.
void frm_speelbord::disable_toevoegen_systeem() {}

void frm_speelbord::enable_toevoegen_systeem() {
    for (int v = eerste_vak; v <= 9; ++v) {
        m_knp_voeg_systeem_toe[static_cast<std::size_t>(v)]->setEnabled(true);
    }
}

const cls_subcpt_ui::per_team_int& frm_speelbord::inverse_volgorde() const {
    return m_inverse_volgorde;
}

const QLabel& frm_speelbord::lbl_vak_nummer(int v) const {
    return *element(m_lbl_vak_nummer, v, eerste_vak, "lbl_vak_nummer");
}

double frm_speelbord::schaal() const {
    return m_schaal;
}

void frm_speelbord::paintEvent(QPaintEvent* /*event*/) {
    // The board itself is covered by im_background; only the margins are left to paint.
    QPainter schilder(this);
    m_rand.teken(schilder, rect(), m_bord);
}

void frm_speelbord::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    cls_applicatie::bewaakt([this] {
        schaal_mee();
        pas_kader_aan();
    });
}

// The board fills the window as far as its proportions allow, centred; every control's place
// and font follow from the layout table at that scale.
void frm_speelbord::schaal_mee() {
    m_schaal = std::min(static_cast<double>(width()) / ontworpen_maat().width(),
                        static_cast<double>(height()) / ontworpen_maat().height());
    const QSize bord = in_pixels(client_twips, m_schaal).size();
    m_bord = QRect(QPoint((width() - bord.width()) / 2, (height() - bord.height()) / 2), bord);
    m_indeling.pas_toe(m_schaal, m_bord.topLeft());
}

// Fitted before the first show makes the native window, so that it is made at its place and
// the window manager puts the frame, not the client area, where it was asked to.
void frm_speelbord::setVisible(bool zichtbaar) {
    if (zichtbaar && !m_geopend) {
        m_geopend = true;
        cls_applicatie::bewaakt([this] { open_op_scherm(); });
    }
    QWidget::setVisible(zichtbaar);
}

// The opening size was fitted to an estimate of the frame; the window manager's real frame is
// known once it has framed the window, and the window is fitted again to that, once.
void frm_speelbord::pas_kader_aan() {
    if (m_geopend && !m_kader_bekend && kader_bekend(*this)) {
        open_op_scherm();
    }
}

void frm_speelbord::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    cls_applicatie::bewaakt([this] { pas_kader_aan(); });
}

// At the designed size when that fits the screen with the frame, else as large as fits;
// centred, with the title bar on the screen.
void frm_speelbord::open_op_scherm() {
    m_kader_bekend = kader_bekend(*this);
    if (windowState() != Qt::WindowNoState) {
        return;
    }
    const double passend = passende_schaal(*this, ontworpen_maat(), kleinste_schaal);
    resize(in_pixels(client_twips, passend).size());
    centreer_op_scherm(*this);
}

void frm_speelbord::wissel_volledig_scherm() {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void frm_speelbord::verlaat_volledig_scherm() {
    setWindowState(windowState() & ~Qt::WindowFullScreen);
}

void frm_speelbord::verbind_handlers() {
    connect(m_knp_achteruit, &QPushButton::clicked, this,
            bewaak([this] { knp_achteruit_Click(); }));
    connect(m_knp_vooruit, &QPushButton::clicked, this, bewaak([this] { knp_vooruit_Click(); }));
    for (int v = eerste_vak; v <= 9; ++v) {
        connect(m_knp_voeg_systeem_toe[static_cast<std::size_t>(v)], &QPushButton::clicked, this,
                bewaak([this, v] { knp_voeg_systeem_toe_Click(v); }));
    }
    for (int r = eerste_rij; r <= 4; ++r) {
        connect(m_tb_naam_speler[static_cast<std::size_t>(r)], &QLineEdit::textChanged, this,
                bewaak([this, r] { tb_naam_speler_Change(r); }));
    }
    // For a projector: F11 fills the screen with the board and gives it back, from whichever
    // of the program's windows is active; Escape on the board gives it back too.
    auto* volledig_scherm = new QShortcut(Qt::Key_F11, this);
    volledig_scherm->setContext(Qt::ApplicationShortcut);
    connect(volledig_scherm, &QShortcut::activated, this,
            bewaak([this] { wissel_volledig_scherm(); }));
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
            bewaak([this] { verlaat_volledig_scherm(); }));
}

cls_cpt_ui& frm_speelbord::facade() const {
    if (!m_cpt_ui) {
        throw std::logic_error("the board window is not connected to the game");
    }
    return *m_cpt_ui;
}

void frm_speelbord::knp_achteruit_Click() {
    if (m_status.vak_nummer() != 0 || !kan_achteruit(m_status)) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        facade().srvc_achteruit();
    }
}

void frm_speelbord::knp_vooruit_Click() {
    if (m_status.vak_nummer() != 0 || !kan_vooruit(m_status)) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        facade().srvc_vooruit();
    }
}

void frm_speelbord::knp_voeg_systeem_toe_Click(int Index) {
    if (m_status.vak_nummer() != 0) {
        return;
    }
    m_status.vak_nummer(static_cast<std::int16_t>(Index));
    // Not modal; it deletes itself when it closes and then releases the square.
    auto* dialoog = new frm_voeg_systeem_toe(m_status, m_tbl_speler, m_subcpt_ui, facade(), *this,
                                             m_pion, this);
    dialoog->show();
}

void frm_speelbord::tb_naam_speler_Change(int Index) {
    const std::int16_t team = m_inverse_volgorde.at(static_cast<std::size_t>(Index));
    const QLineEdit* naam = element(m_tb_naam_speler, Index, eerste_rij, "tb_naam_speler");
    std::shared_ptr<cls_rij_speler> rij = m_tbl_speler.rij(team);
    if (!rij) {
        throw std::logic_error("scoreboard row " + std::to_string(Index) + " shows no team");
    }
    rij->speler_naam(naam->text().toStdString());
}

void frm_speelbord::Form_Unload(int& cancel) {
    QMessageBox vraag(QMessageBox::NoIcon, "Corvanta", "wilt u de applicatie afsluiten?",
                      QMessageBox::NoButton, this);
    // Buttons of one role keep the order they were added in, whatever the desktop's convention.
    QPushButton* ok = vraag.addButton("OK", QMessageBox::ActionRole);
    QPushButton* annuleer = vraag.addButton("Cancel", QMessageBox::ActionRole);
    vraag.setDefaultButton(ok);
    vraag.setEscapeButton(annuleer);
    vraag.exec();
    if (vraag.clickedButton() != ok) {
        cancel = 1;
        return;
    }
    // Ending the program closes whatever else is open: the pawn holder and any dialog.
    m_pion.close();
    for (QWidget* kind : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (kind->isWindow()) {
            kind->close();
        }
    }
}

void frm_speelbord::closeEvent(QCloseEvent* event) {
    // Stays open unless the game master confirmed, also when asking failed.
    int cancel = 1;
    cls_applicatie::bewaakt([&] {
        cancel = 0;
        Form_Unload(cancel);
    });
    event->setAccepted(cancel == 0);
}
