#pragma once

#include "services/cls_applicatie.h"
#include "services/cls_cpt_ui.h"
#include "services/cls_programma.h"
#include "ui/board/frm_speelbord.h"
#include "ui/dialogs/frm_pion.h"
#include "ui/dialogs/frm_voeg_speler_toe.h"
#include "ui/dialogs/frm_voeg_systeem_toe.h"
#include "ui/klas/frm_klas.h"
#include "ui/klok/rondeklok.h"

#include <algorithm>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

// A whole program of its own for each test, made by the program's own wiring, with the game
// started and the add-teams dialog open. Tests drive it through the widgets, by object name.
struct spel_met_vensters {
    // The round timer's time source, which the test moves.
    cls_klok::duur tijd{0};
    cls_programma programma{[this] { return tijd; }};
    cls_tbl_speler& tbl_speler = programma.tbl_speler();
    cls_tbl_speelbord& tbl_speelbord = programma.tbl_speelbord();
    cls_status& status = programma.status();
    cls_subcpt_ui& subcpt_ui = programma.subcpt_ui();
    frm_pion& pion = programma.pion();
    frm_speelbord& speelbord = programma.speelbord();
    cls_cpt_ui& cpt_ui = programma.cpt_ui();

    explicit spel_met_vensters(QScreen* scherm = nullptr) {
        speelbord.setScreen(scherm ? scherm : speelbord.screen());
        programma.start();
    }

    template <class T = QWidget> T* in(const QWidget& venster, const QString& naam) const {
        return venster.findChild<T*>(naam);
    }
    template <class T = QWidget> T* op_bord(const QString& naam) const {
        return speelbord.findChild<T*>(naam, Qt::FindDirectChildrenOnly);
    }
    QString tekst(const QString& naam) const { return op_bord<QLineEdit>(naam)->text(); }
    bool getoond(const QString& naam) const { return !op_bord(naam)->isHidden(); }
    bool cel_aanwezig(std::int16_t vak, std::int16_t team) const {
        return tbl_speelbord.rij(status.ronde())->systeem(vak, team)->aanwezig();
    }
    frm_voeg_systeem_toe* systeem_dialoog() { return speelbord.findChild<frm_voeg_systeem_toe*>(); }

    // Keys go to the window in front, as a person's do: it is brought there first.
    static void toets(QWidget* venster, Qt::Key toets, Qt::KeyboardModifiers met = {}) {
        venster->activateWindow();
        QVERIFY(QTest::qWaitFor([venster] { return QApplication::activeWindow() == venster; }));
        QTest::keyClick(venster, toets, met);
    }

    static void klik(QWidget* knop) {
        QVERIFY(knop);
        QTest::mouseClick(knop, Qt::LeftButton, {}, knop->rect().center());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void vooruit() { klik(op_bord("knp_vooruit")); }
    // The board's menu entry that says this, also within a translation's brackets.
    QAction* menu(const QString& tekst) const {
        for (QAction* a : speelbord.actions()) {
            if (a->text().contains(tekst)) {
                return a;
            }
        }
        return nullptr;
    }
    void achteruit() { klik(op_bord("knp_achteruit")); }

    // Types the names into the add-teams dialog's boxes (index = box number) and confirms.
    void teams(const std::vector<std::pair<int, QString>>& namen) {
        frm_voeg_speler_toe& dialoog = cpt_ui.voeg_speler_toe();
        for (const auto& [box, naam] : namen) {
            QTest::keyClicks(in<QLineEdit>(dialoog, QString("tb_naam_speler_%1").arg(box)), naam);
        }
        klik(in(dialoog, "knp_voeg_speler_toe"));
    }

    frm_voeg_systeem_toe* open_vak(int v) {
        klik(op_bord(QString("knp_voeg_systeem_toe_%1").arg(v)));
        return systeem_dialoog();
    }

    // Opens square v and moves the listed team rows to the other column.
    frm_voeg_systeem_toe* wissel_open(int v, const std::vector<int>& rijen) {
        frm_voeg_systeem_toe* dialoog = open_vak(v);
        for (int rij : rijen) {
            QWidget* rechts = in(*dialoog, QString("im_pion_geselecteerd_%1").arg(rij));
            klik(rechts->isHidden() ? in(*dialoog, QString("im_pion_%1").arg(rij)) : rechts);
        }
        return dialoog;
    }
    void wissel(int v, const std::vector<int>& rijen) {
        klik(in(*wissel_open(v, rijen), "knp_voeg_systeem_toe"));
    }

    // Where the open class view shows other than the board, by the view's control names: the
    // year, each scoreboard row's pawn, name and total, each slot's pawn and share, the headings.
    // Empty when they agree.
    QString klas_anders_dan_bord() const {
        QApplication::processEvents(); // the view catches up with the board's last redraw
        // What a control shows, nothing while it is hidden: a pawn as a person tells it apart, by
        // its colour and by what it says to a screen reader; a name whole, as the view, which
        // elides a long one, gives it to a screen reader.
        const auto toont = [](const QWidget* w) {
            const bool pion = w->objectName().startsWith("im_");
            const QImage beeld =
                pion ? static_cast<const QLabel*>(w)->pixmap().toImage() : QImage();
            return !w->isVisibleTo(w->window()) || (pion && beeld.isNull()) ? QString()
                   : pion
                       ? beeld.pixelColor(beeld.rect().center()).name() + " " + w->accessibleName()
                   : w->objectName().startsWith("lbl_naam") ? w->accessibleName()
                                                            : w->property("text").toString();
        };
        static const QRegularExpression vakken("^lbl_(naam|marktaandeel)_");
        QStringList anders;
        for (const QWidget* klas : programma.klas()->findChildren<QWidget*>()) {
            const QString naam = klas->objectName();
            const QWidget* bord = op_bord(QString(naam).replace(vakken, "tb_\\1_"));
            if (!naam.isEmpty() && bord && toont(bord) != toont(klas)) {
                anders << naam;
            }
        }
        return anders.join(", ");
    }
};

// Answers modal boxes so that none blocks a test: a box the test expects gets the button it
// asked for, and what it showed is kept (title, text, icon, buttons from left to right); any
// other box, such as the error boundary's, is closed and its text kept for the report.
class modale_vragen {
public:
    modale_vragen() {
        QObject::connect(&m_wacht, &QTimer::timeout, [this] { beantwoord(); });
        m_wacht.start(20);
    }
    void antwoord(const QString& knop) {
        m_knop = knop;
        QTimer::singleShot(0, [this] { beantwoord(); });
    }
    static cls_applicatie& app() {
        return *static_cast<cls_applicatie*>(QCoreApplication::instance());
    }

    QStringList gezien, onverwacht;

private:
    void beantwoord() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        auto knoppen = box->buttons();
        std::sort(knoppen.begin(), knoppen.end(),
                  [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
        gezien = {box->windowTitle(), box->text(), QString::number(box->icon())};
        for (QAbstractButton* b : knoppen) {
            gezien << b->text();
        }
        for (QAbstractButton* b : knoppen) {
            if (!m_knop.isEmpty() && b->text() == m_knop) {
                m_knop.clear();
                b->click();
                return;
            }
        }
        onverwacht << box->text();
        box->done(0);
    }

    QTimer m_wacht;
    QString m_knop;
};
