#include "services/mdl_start.h"

#include "services/cls_applicatie.h"
#include "services/cls_programma.h"
#include "ui/taal.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#ifdef Q_OS_WIN
#include <QMessageBox>
#endif

namespace mdl_start {

namespace {

// Made with new and never deleted: the program's windows belong to the whole run, and a widget
// must not outlive the QApplication, which a static object would.
cls_programma& programma() {
    static cls_programma* const instantie = new cls_programma();
    return *instantie;
}

// What the command line asks to be said, and the exit status after it.
struct antwoord {
    QString tekst;
    int status = 0;
};

// The language from --language, else from the desktop's languages. The options are read twice:
// once to learn the language, and again, once it is set, so that --help and the errors speak
// it. Without a QGuiApplication, Qt's own options (-platform, -style) are still among the
// arguments: an option the program does not know is then left for the QApplication to judge.
std::optional<antwoord> kies_taal() {
    const QStringList argumenten = QCoreApplication::arguments();
    QCommandLineParser vooraf;
    const QCommandLineOption taal_optie("language", QString(), "code");
    vooraf.addOption(taal_optie);
    vooraf.addHelpOption();
    vooraf.addVersionOption();
    vooraf.parse(argumenten);
    const QString gevraagd = vooraf.value(taal_optie);
    const bool bekend = taal::spreekt(gevraagd);
    taal::zet(bekend ? gevraagd : taal::uit_voorkeur(QLocale::system().uiLanguages()));

    QStringList codes;
    for (const taal::aanbod& t : taal::talen()) {
        codes << t.code;
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("mdl_start", "Game master's board for the classroom game "
                                                 "Corvanta"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        "language",
        QCoreApplication::translate("mdl_start", "Speak <code>, one of %1. Without it, the "
                                                 "desktop's languages decide.")
            .arg(codes.join(", ")),
        QCoreApplication::translate("mdl_start", "code", "value of --language")));
    if (!parser.parse(argumenten)) {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            return std::nullopt;
        }
        return antwoord{QCoreApplication::applicationName() + ": " + parser.errorText() + '\n', 1};
    }
    if (parser.isSet("version")) {
        return antwoord{QCoreApplication::applicationName() + ' ' +
                        QCoreApplication::applicationVersion() + '\n'};
    }
    if (parser.isSet("help") || parser.isSet("help-all")) {
        return antwoord{parser.helpText()};
    }
    if (parser.isSet("language") && !bekend) {
        return antwoord{QCoreApplication::translate(
                            "mdl_start", "corvanta: no such language: %1 (choose one of %2)")
                                .arg(gevraagd, codes.join(", ")) +
                            '\n',
                        1};
    }
    return std::nullopt;
}

// A program for Windows' desktop has no console to write to: there a message box says it.
void zeg(const antwoord& a) {
#ifdef Q_OS_WIN
    const QString titel = QCoreApplication::applicationName();
    a.status == 0 ? QMessageBox::information(nullptr, titel, a.tekst)
                  : QMessageBox::warning(nullptr, titel, a.tekst);
#else
    std::fputs(qPrintable(a.tekst), a.status == 0 ? stdout : stderr);
#endif
}

} // namespace

cls_cpt_ui& cpt_ui() {
    return programma().cpt_ui();
}

cls_subcpt_ui& subcpt_ui() {
    return programma().subcpt_ui();
}

cls_tbl_speler& tbl_speler() {
    return programma().tbl_speler();
}

cls_tbl_speelbord& tbl_speelbord() {
    return programma().tbl_speelbord();
}

cls_status& status() {
    return programma().status();
}

frm_speelbord& speelbord() {
    return programma().speelbord();
}

frm_pion& pion() {
    return programma().pion();
}

std::optional<int> opdrachtregel(int& argc, char** argv) {
    // Windows always has a screen, and the QApplication that its message box needs.
#ifdef Q_OS_WIN
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    cls_applicatie::noem_programma();
    const std::optional<antwoord> gezegd = kies_taal();
    if (!gezegd) {
        return std::nullopt;
    }
    zeg(*gezegd);
    return gezegd->status;
}

void Main() {
    if (const std::optional<antwoord> gezegd = kies_taal()) {
        zeg(*gezegd);
        std::exit(gezegd->status);
    }
    programma().start();
}

} // namespace mdl_start
