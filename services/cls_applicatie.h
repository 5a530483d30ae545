#pragma once

#include <exception>
#include <utility>

#include <QApplication>

// The program's application object and its one error boundary. The rules never catch; every
// handler that Qt calls runs under bewaakt (see bewaak below), so an exception stops at the
// handler it left, never unwinding through Qt's own frames. The boundary shows it to the game
// master in a critical message box with its text, and the program then ends with exit status 1.
class cls_applicatie : public QApplication {
    Q_OBJECT

public:
    cls_applicatie(int& argc, char** argv);

    // The program's name and version, which the command line answers with too.
    static void noem_programma();

    // The last net, for an exception from anywhere no handler guard covers.
    bool notify(QObject* ontvanger, QEvent* gebeurtenis) override;

    // Runs the program: start-up under the boundary, then the event loop. An error at start-up,
    // in start-up itself or in any handler it runs, ends the program with status 1 before the
    // event loop begins; exit() cannot, for it does nothing until the loop runs.
    template <class Werk> int voer_uit(Werk&& opstart) {
        if (!bewaakt(std::forward<Werk>(opstart)) || m_aantal_fouten > 0) {
            return 1;
        }
        return exec();
    }

    // Runs work under the boundary; returns false if it failed.
    template <class Werk> static bool bewaakt(Werk&& werk) {
        try {
            werk();
            return true;
        } catch (...) {
            vang(std::current_exception());
        }
        return false;
    }

    // How many exceptions have reached the boundary, including those not reported again.
    int aantal_fouten() const { return m_aantal_fouten; }
    // How many of them unwound through Qt's frames to notify: a handler without its guard.
    int aantal_in_laatste_net() const { return m_aantal_in_laatste_net; }

private:
    // Without the program's application object (a test's own) there is no game master to tell;
    // the failure ends the process with its text.
    static void vang(std::exception_ptr fout);
    void meld_fout(const QString& tekst);

    bool m_fout_gemeld = false;
    int m_aantal_fouten = 0;
    int m_aantal_in_laatste_net = 0;
};

// A handler for connect() that runs the given one under the boundary.
template <class Handler> auto bewaak(Handler handler) {
    return [handler = std::move(handler)] { cls_applicatie::bewaakt(handler); };
}
