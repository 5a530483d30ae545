#include "services/cls_applicatie.h"

#include "ui/venster.h"

#include <QMessageBox>

cls_applicatie::cls_applicatie(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Corvanta");
    // Ties the windows to the installed desktop entry (its icon and name in the task bar), and
    // gives the icon to message boxes that open without a parent window.
    setDesktopFileName(QStringLiteral(CORVANTA_APP_ID));
    setWindowIcon(programma_icoon());
}

bool cls_applicatie::notify(QObject* ontvanger, QEvent* gebeurtenis) {
    bool resultaat = false;
    bewaakt([&] { resultaat = QApplication::notify(ontvanger, gebeurtenis); });
    return resultaat;
}

void cls_applicatie::meld_fout(const char* tekst) {
    // The game can no longer be trusted: say why once, then end. Events that arrive while the
    // message box is open may fail the same way; they are not reported again.
    if (m_fout_gemeld) {
        return;
    }
    m_fout_gemeld = true;
    QMessageBox::critical(activeWindow(), QStringLiteral("Corvanta"), QString::fromUtf8(tekst));
    exit(1);
}
