#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

// What a control of a layout table is: a push button, a label, a label for a number drawn very
// large, a text box, a picture stretched over its control, the board picture, a rectangle
// outline, a horizontal line, a dialog's pawn, or a control of the window's own making, such as
// the round timer's time.
enum class soort { knop, label, getal, tekstvak, plaatje, achtergrond, kader, lijn, pion, eigen };

// An English text of a layout table, translated when it is shown, in the window's class as
// context. Written with QT_TRANSLATE_NOOP, or QT_TRANSLATE_NOOP3 where the translator needs to
// know which sense of a word is meant, so that lupdate finds it.
struct vertaalbaar {
    const char* bron = "";
    const char* uitleg = nullptr;
    constexpr vertaalbaar(const char* let_bron = "", const char* let_uitleg = nullptr)
        : bron(let_bron), uitleg(let_uitleg) {}
};

// A control of a layout table by its name and, in an array, its index.
struct plek {
    const char* naam;
    int index = 0;
};

// One row of a window's layout table: a control, or a control array whose element i stands at
// plaats(i) from the rectangle given. Rectangles are in twips, 15 to a pixel at the designed
// size; in a caption or an accessible name, %1 is an array element's index.
struct ontwerp {
    const char* naam;
    soort wat;
    QRect twips;
    double punten = 0; // 0: the window's default font
    vertaalbaar tekst = {};
    vertaalbaar toegankelijk = {};
    int eerste = 0; // an array's indexes; 0 and 0 for a single control
    int laatste = 0;
    QPoint (*plaats)(int index) = nullptr;
    QString (*noem)(int index) = nullptr; // an accessible name that %1 cannot say
    // The control, made before this row, that this one stands in, rather than the window: a
    // window of many controls repaints faster with them in a few groups.
    plek (*binnen)(int index) = nullptr;
};

// Rows of controls 360 twips apart, element 1 on top: the scoreboard's and the dialogs'.
constexpr QPoint onder_elkaar(int index) {
    return {0, 360 * (index - 1)};
}

// A window's layout as data: every control with its designed rectangle and font size. The
// window builds its controls from its table and lays them out again whenever its scale
// changes, so every number is written once.
class indeling {
public:
    // Gives the window its default font, of this size, which every control without a size of
    // its own uses; before the controls exist, so that they are made with it.
    indeling(QWidget& venster, double standaard_punten);

    // Makes the table's controls as children of the window, named as the table names them
    // (an array element's name ends in _ and its index). The table's order is the stacking
    // order: each row lies above the rows before it. The window makes the controls of its own
    // kind with eigen, as children of the widget it is given.
    using maker = std::function<QWidget*(QWidget& ouder)>;
    void bouw(std::span<const ontwerp> tabel, const maker& eigen = {});

    // A control the table made; a name or an index it did not make is an error.
    template <class T> T* control(const char* naam, int index = 0) const {
        if (auto* gevonden = qobject_cast<T*>(zoek(naam, index))) {
            return gevonden;
        }
        throw std::logic_error(std::string("the layout has no such control ") + naam + " " +
                               std::to_string(index));
    }
    // The elements of a control array, at their own indexes.
    template <class T, std::size_t N> void array(const char* naam, std::array<T*, N>& uit) const {
        for (const regel& r : m_regels) {
            if (r.rij && std::string_view(r.rij->naam) == naam) {
                uit.at(static_cast<std::size_t>(r.index)) = control<T>(naam, r.index);
            }
        }
    }

    // Runs the tab order through these controls, in this order.
    void zet_tabvolgorde(std::span<const plek> volgorde) const;

    // Sets every caption and accessible name again in the language spoken now; a window calls
    // it on LanguageChange.
    void vertaal() const;

    // Lays the window out at this scale with the design's top-left corner at oorsprong: every
    // control's rectangle, every font including the window's own, and the lines of frames.
    void pas_toe(double schaal, QPoint oorsprong = {}) const;

private:
    struct regel {
        QWidget* control;
        const ontwerp* rij;
        int index;
        QRect twips;
        // The designed rectangle of the control it stands in; empty in the window.
        QRect in_twips;
    };

    QWidget* maak(const ontwerp& rij, QWidget* ouder, const maker& eigen);
    void benoem(const regel& r) const;
    QString vertaald(const vertaalbaar& tekst, int index) const;
    QWidget* zoek(const char* naam, int index) const;
    const regel& gemaakt(const char* naam, int index) const;

    QWidget& m_venster;
    double m_standaard_punten;
    std::vector<regel> m_regels;
};

// A control array element by the array's own numbering; anything outside it is an error, never
// a null control.
template <class T, std::size_t N> T& element(const std::array<T*, N>& controls, int index) {
    T* control = controls.at(static_cast<std::size_t>(index));
    if (!control) {
        throw std::out_of_range("a control array has no element " + std::to_string(index));
    }
    return *control;
}

// Twips to a pixel at the designed size.
inline constexpr double twips_per_pixel = 15.0;

// A designed rectangle in pixels at a scale. The edges are rounded, not the sizes, so controls
// that meet in the design still meet; a control with a size never shrinks to nothing.
QRect in_pixels(const QRect& twips, double schaal, QPoint oorsprong = {});
