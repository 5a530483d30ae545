#include "ui/venster.h"

#include "ui/indeling.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDirIterator>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace {

// Until the window manager has framed a window its frame is unknown; most draw a title bar of
// 20 to 40 pixels and thin borders.
constexpr QMargins geschat_kader(4, 30, 4, 4);

QRect beschikbaar(const QWidget& venster) {
    const QWidget* eigenaar = venster.parentWidget() ? venster.parentWidget()->window() : &venster;
    const QScreen* scherm =
        eigenaar->screen() ? eigenaar->screen() : QGuiApplication::primaryScreen();
    return scherm ? scherm->availableGeometry() : QRect(QPoint(), venster.size());
}

// The program icon, read from its pictures only when one is drawn or handed to the window
// system; until then it knows only their sizes. The offscreen and Wayland platforms never ask;
// X11 asks for all seven as a window is made, for its task bar. QIcon::addFile would decode
// every picture at once, wanted or not.
class icoon_op_afroep : public QIconEngine {
public:
    explicit icoon_op_afroep(const QStringList& bestanden) : m_bestanden(bestanden) {
        // An icon theme keeps each size in a folder named after it: 16x16/apps/<name>.png.
        for (const QString& bestand : bestanden) {
            const QStringList maat = bestand.section('/', -3, -3).split('x');
            m_maten << QSize(maat.value(0).toInt(), maat.value(1).toInt());
        }
    }

    // As QIcon::addFile's engine: the pictures are the normal, "off" ones.
    QList<QSize> availableSizes(QIcon::Mode modus, QIcon::State stand) override {
        return modus == QIcon::Normal && stand == QIcon::Off ? m_maten : QList<QSize>();
    }
    bool isNull() override { return m_bestanden.isEmpty(); }
    QSize actualSize(const QSize& maat, QIcon::Mode modus, QIcon::State stand) override {
        return gelezen().actualSize(maat, modus, stand);
    }
    QPixmap pixmap(const QSize& maat, QIcon::Mode modus, QIcon::State stand) override {
        return gelezen().pixmap(maat, 1.0, modus, stand);
    }
    void paint(QPainter* schilder, const QRect& vak, QIcon::Mode modus,
               QIcon::State stand) override {
        gelezen().paint(schilder, vak, Qt::AlignCenter, modus, stand);
    }
    QIconEngine* clone() const override { return new icoon_op_afroep(*this); }

private:
    const QIcon& gelezen() {
        if (m_gelezen.isNull()) {
            for (const QString& bestand : m_bestanden) {
                m_gelezen.addFile(bestand);
            }
        }
        return m_gelezen;
    }

    QStringList m_bestanden;
    QList<QSize> m_maten;
    QIcon m_gelezen;
};

} // namespace

bool kader_bekend(const QWidget& venster) {
    return venster.frameGeometry() != venster.geometry();
}

QMargins kader_om(const QWidget& venster) {
    if (!kader_bekend(venster)) {
        return geschat_kader;
    }
    const QRect buiten = venster.frameGeometry();
    const QRect binnen = venster.geometry();
    return {binnen.left() - buiten.left(), binnen.top() - buiten.top(),
            buiten.right() - binnen.right(), buiten.bottom() - binnen.bottom()};
}

double passende_schaal(const QWidget& venster, QSize ontworpen, double kleinste) {
    const QSize ruimte = beschikbaar(venster).size().shrunkBy(kader_om(venster));
    const double schaal = std::min({1.0, static_cast<double>(ruimte.width()) / ontworpen.width(),
                                    static_cast<double>(ruimte.height()) / ontworpen.height()});
    return std::max(kleinste, schaal);
}

void centreer_op_scherm(QWidget& venster) {
    const QRect vrij = beschikbaar(venster);
    const QSize buiten = venster.size().grownBy(kader_om(venster));
    const QPoint hoek(vrij.left() + std::max(0, (vrij.width() - buiten.width()) / 2),
                      vrij.top() + std::max(0, (vrij.height() - buiten.height()) / 2));
    // Before Qt has made the native window, move() places the frame's top-left corner; after,
    // the client area's, until the window manager has framed it. The frame goes there all the
    // same when its own position is asked for.
    venster.move(hoek);
    if (QWindow* raam = venster.windowHandle(); raam && !kader_bekend(venster)) {
        raam->setFramePosition(hoek);
    }
}

vensterplaats::vensterplaats(QWidget& venster, QSize ontworpen, double kleinste_schaal)
    : QObject(&venster), m_venster(venster), m_ontworpen(ontworpen),
      m_kleinste_schaal(kleinste_schaal) {
    m_venster.installEventFilter(this);
}

bool vensterplaats::eventFilter(QObject* object, QEvent* event) {
    if (object == &m_venster) {
        switch (event->type()) {
        // Qt makes the native window before it sends the first show: it gives it the screen it
        // was asked for, then the one its geometry lies on. The first is where it opens.
        case QEvent::ScreenChangeInternal:
            if (!m_geopend && !m_scherm) {
                m_scherm = m_venster.screen();
            }
            break;
        case QEvent::Show:
            bij_tonen(true);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            bij_verplaatsen();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(object, event);
}

void vensterplaats::bij_tonen(bool zichtbaar) {
    if (zichtbaar && !m_geopend) {
        m_geopend = true;
        if (m_scherm) {
            m_venster.setScreen(m_scherm);
        }
        open_op_scherm();
    }
}

void vensterplaats::bij_verplaatsen() {
    if (m_geopend && !m_kader_bekend && kader_bekend(m_venster)) {
        open_op_scherm();
    }
}

void vensterplaats::open_op_scherm() {
    m_kader_bekend = kader_bekend(m_venster);
    if (m_venster.windowState() != Qt::WindowNoState) {
        return;
    }
    const double schaal = passende_schaal(m_venster, m_ontworpen, m_kleinste_schaal);
    m_venster.resize(qRound(m_ontworpen.width() * schaal), qRound(m_ontworpen.height() * schaal));
    centreer_op_scherm(m_venster);
}

void vensterplaats::wissel_volledig_scherm() {
    m_venster.setWindowState(m_venster.windowState() ^ Qt::WindowFullScreen);
}

void vensterplaats::verlaat_volledig_scherm() {
    m_venster.setWindowState(m_venster.windowState() & ~Qt::WindowFullScreen);
}

bool vensterplaats::vol_op_ander_scherm(const QWidget& ander) {
    for (QScreen* scherm : QGuiApplication::screens()) {
        if (scherm != ander.screen()) {
            // Placed: nothing is left for the first show to do.
            m_geopend = true;
            m_venster.setScreen(scherm);
            m_venster.setGeometry(scherm->geometry());
            m_venster.setWindowState(Qt::WindowFullScreen);
            return true;
        }
    }
    return false;
}

vensterplaats* vensterplaats::van(QWidget* venster) {
    return venster ? venster->findChild<vensterplaats*>(QString(), Qt::FindDirectChildrenOnly)
                   : nullptr;
}

bool bevestigd(QWidget& ouder, const QString& titel, const QString& vraag) {
    QMessageBox box(QMessageBox::NoIcon, titel, vraag, QMessageBox::NoButton, &ouder);
    // Buttons of one role keep the order they were added in, whatever the desktop's convention.
    QPushButton* ok =
        box.addButton(QCoreApplication::translate("bevestigd", "OK"), QMessageBox::ActionRole);
    box.setEscapeButton(
        box.addButton(QCoreApplication::translate("bevestigd", "Cancel"), QMessageBox::ActionRole));
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok;
}

QIcon programma_icoon() {
    // Decoding the seven pictures takes milliseconds, and a window that sets the icon itself asks
    // each time it is made; the application object keeps the icon once made and drops it with
    // itself.
    static constexpr char bewaard_als[] = "corvanta_programma_icoon";
    QCoreApplication* app = QCoreApplication::instance();
    if (app) {
        const QVariant bewaard = app->property(bewaard_als);
        if (bewaard.isValid()) {
            return bewaard.value<QIcon>();
        }
    }
    QStringList bestanden;
    QDirIterator plaatjes(":/icon", {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (plaatjes.hasNext()) {
        bestanden << plaatjes.next();
    }
    const QIcon icoon(new icoon_op_afroep(bestanden));
    if (app) {
        app->setProperty(bewaard_als, icoon);
    }
    return icoon;
}

void richt_dialoog_in(QWidget& dialoog, const QString& titel, QSize twips, double schaal) {
    dialoog.setWindowFlag(Qt::Dialog);
    dialoog.setAttribute(Qt::WA_DeleteOnClose);
    dialoog.setWindowTitle(titel);
    dialoog.setFixedSize(in_pixels(QRect(QPoint(), twips), schaal).size());
    QPalette wit = dialoog.palette();
    wit.setColor(QPalette::Window, Qt::white);
    dialoog.setPalette(wit);
    dialoog.setAutoFillBackground(true);
    centreer_op_scherm(dialoog);
}
