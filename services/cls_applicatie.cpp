#include "services/cls_applicatie.h"

#include "ui/venster.h"

#include <cstdio>
#include <cstdlib>

#include <QMessageBox>

namespace {

QtMessageHandler qt_melder = nullptr;

// Qt ends the process with abort() on a fatal message, as when it cannot reach a display while
// the application object is made. Say why and end with status 1, as after any other error.
void meld_zonder_abort(QtMsgType soort, const QMessageLogContext& plaats, const QString& tekst) {
    if (soort != QtFatalMsg) {
        qt_melder(soort, plaats, tekst);
        return;
    }
    std::fprintf(stderr, "corvanta: %s\n", qPrintable(tekst));
    std::_Exit(1);
}

// Installs the handler on the way into the QApplication constructor, whose platform set-up is
// where the fatal message comes from.
int& zonder_abort(int& argc) {
    qt_melder = qInstallMessageHandler(meld_zonder_abort);
    return argc;
}

} // namespace

cls_applicatie::cls_applicatie(int& argc, char** argv) : QApplication(zonder_abort(argc), argv) {
    noem_programma();
    // Ties the windows to the installed desktop entry (its icon and name in the task bar), and
    // gives every window the program's icon, message boxes without a parent window too: the
    // window manager reads it from each window.
    setDesktopFileName(QStringLiteral(CORVANTA_APP_ID));
    setWindowIcon(programma_icoon());
}

void cls_applicatie::noem_programma() {
    setApplicationName("Corvanta");
    setApplicationVersion(QStringLiteral(CORVANTA_VERSION));
}

bool cls_applicatie::notify(QObject* ontvanger, QEvent* gebeurtenis) {
    bool resultaat = false;
    if (!bewaakt([&] { resultaat = QApplication::notify(ontvanger, gebeurtenis); })) {
        ++m_aantal_in_laatste_net;
    }
    return resultaat;
}

void cls_applicatie::vang(std::exception_ptr fout) {
    QString tekst = QCoreApplication::translate("cls_applicatie", "unknown error");
    try {
        std::rethrow_exception(fout);
    } catch (const std::exception& e) {
        tekst = QString::fromUtf8(e.what());
    } catch (...) {
    }
    auto* app = qobject_cast<cls_applicatie*>(QCoreApplication::instance());
    if (!app) {
        qFatal("%s", qPrintable(tekst));
    }
    ++app->m_aantal_fouten;
    app->meld_fout(tekst);
}

void cls_applicatie::meld_fout(const QString& tekst) {
    // The game can no longer be trusted: say why once, then end. Events that arrive while the
    // message box is open may fail the same way; they are not reported again.
    if (m_fout_gemeld) {
        return;
    }
    m_fout_gemeld = true;
    // Standard error hears it first, so the reason survives a message box that cannot be shown.
    std::fprintf(stderr, "corvanta: %s\n", qPrintable(tekst));
    try {
        QMessageBox::critical(activeWindow(), tr("Corvanta", "title of an error message"), tekst);
    } catch (...) {
    }
    exit(1);
}
