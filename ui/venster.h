#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QSize>
#include <QString>

class QIcon;
class QWidget;

// The frame the window manager draws around a window: known once it has framed the window,
// estimated until then.
QMargins kader_om(const QWidget& venster);
bool kader_bekend(const QWidget& venster);

// The largest scale, at most 1 and at least kleinste, at which a window with this designed
// client size fits the available area of its screen together with its frame.
double passende_schaal(const QWidget& venster, QSize ontworpen, double kleinste);

// Places a window, frame included, in the middle of the available area of its screen (a
// dialog: of its owner's screen), its title bar on the screen even when it does not fit.
void centreer_op_scherm(QWidget& venster);

// Where a main window of the program stands on its screen. It opens at its designed size where
// that fits the screen's free area with the window manager's frame, and otherwise as large as
// fits, never below the smallest scale; centred, title bar on the screen. The frame is only
// estimated until the window manager has framed the window; then the window is fitted again,
// once. Full screen is for a projector.
//
// Made with its window, before the window is first shown, it follows the window by itself: it
// watches the window's events, as QCompleter watches its line edit, and places it on the first
// show, which Qt sends after it makes the native window but before the window manager maps it,
// so the frame goes where it was asked to. A child object of its window, so that the program's
// F11 can find the one of the window in front.
class vensterplaats : public QObject {
    Q_OBJECT

public:
    vensterplaats(QWidget& venster, QSize ontworpen, double kleinste_schaal);

    void wissel_volledig_scherm();
    void verlaat_volledig_scherm();
    // Full screen on a screen that the other window is not on, when the computer has one; says
    // whether it had. Before the first show.
    bool vol_op_ander_scherm(const QWidget& ander);

    // The one of this window, or nullptr.
    static vensterplaats* van(QWidget* venster);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void bij_tonen(bool zichtbaar);
    void bij_verplaatsen();
    void open_op_scherm();

    QWidget& m_venster;
    QSize m_ontworpen;
    double m_kleinste_schaal;
    bool m_geopend = false;
    bool m_kader_bekend = false;
    // The screen it was given before its first show, if Qt has made its native window since.
    QPointer<QScreen> m_scherm;
};

// Asks with a modal box, OK before Cancel and without an icon, and says whether OK was chosen.
// The buttons speak the program's language.
bool bevestigd(QWidget& ouder, const QString& titel, const QString& vraag);

// The program's icon, in every size it is drawn in, from the pictures compiled into the program.
// The application object gives it to every window that sets none of its own.
QIcon programma_icoon();

// The common look of the two small dialogs: a white client area of the designed size in twips at
// the board's scale, fixed, centred on the screen.
void richt_dialoog_in(QWidget& dialoog, const QString& titel, QSize twips, double schaal);

// A dialog's pawn control, in twips: its picture control was drawn 255 twips wide, but the pawn
// shows at its own 20 x 20 pixels.
constexpr int dialoog_pion_twips = 300;
