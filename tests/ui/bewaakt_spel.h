#pragma once

#include "services/cls_applicatie.h"
#include "spel_met_vensters.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// The long-running tests run under the program's own error boundary, so that an exception
// escaping a handler is counted there instead of ending the test. A modal box must never block
// them: the exit confirmation gets the answer the test asked for, and any other box (the
// boundary's critical message) is closed and its text kept for the failure report.
class modale_vragen {
public:
    modale_vragen() {
        QObject::connect(&m_wacht, &QTimer::timeout, [this] { beantwoord(); });
        m_wacht.start(20);
    }

    // The next box is answered with the button that has this text.
    void antwoord(const QString& knop) {
        m_knop = knop;
        QTimer::singleShot(0, [this] { beantwoord(); });
    }

    int beantwoord_aantal() const { return m_beantwoord; }
    const QStringList& onverwacht() const { return m_onverwacht; }

    static cls_applicatie& app() {
        return *static_cast<cls_applicatie*>(QCoreApplication::instance());
    }

private:
    void beantwoord() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        if (!m_knop.isEmpty()) {
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == m_knop) {
                    m_knop.clear();
                    ++m_beantwoord;
                    b->click();
                    return;
                }
            }
        }
        m_onverwacht << box->text();
        box->done(0);
    }

    QTimer m_wacht;
    QString m_knop;
    int m_beantwoord = 0;
    QStringList m_onverwacht;
};

// A test main() with the program's application object in place of QTest's plain one.
#define BEWAAKTE_TEST_MAIN(klasse)                                                                 \
    int main(int argc, char** argv) {                                                              \
        cls_applicatie app(argc, argv);                                                            \
        klasse test;                                                                               \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
