#pragma once

#include <exception>

#include <QApplication>

// The program's application object and its one error boundary. The rules never catch; an
// exception that leaves any event handler ends here, is shown to the game master in a critical
// message box with its text, and the program then ends with exit status 1.
class cls_applicatie : public QApplication {
    Q_OBJECT

public:
    cls_applicatie(int& argc, char** argv);

    bool notify(QObject* ontvanger, QEvent* gebeurtenis) override;

    // Runs work under the boundary (start-up, outside the event loop, uses it too); returns
    // false if it failed.
    template <class Werk> bool bewaakt(Werk&& werk) {
        try {
            werk();
            return true;
        } catch (const std::exception& fout) {
            ++m_aantal_fouten;
            meld_fout(fout.what());
        } catch (...) {
            ++m_aantal_fouten;
            meld_fout("unknown error");
        }
        return false;
    }

    // How many exceptions have reached the boundary, including those not reported again.
    int aantal_fouten() const { return m_aantal_fouten; }

private:
    void meld_fout(const char* tekst);

    bool m_fout_gemeld = false;
    int m_aantal_fouten = 0;
};
