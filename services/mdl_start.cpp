#include "services/mdl_start.h"

#include "services/cls_programma.h"
#include "ui/taal.h"

#include <cstdio>
#include <cstdlib>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

namespace mdl_start {

namespace {

// Made with new and never deleted: the program's windows belong to the whole run, and a widget
// must not outlive the QApplication, which a static object would.
cls_programma& programma() {
    static cls_programma* const instantie = new cls_programma();
    return *instantie;
}

// The language from --language, else from the desktop's languages. The options are read twice:
// once to learn the language, and again, once it is set, so that --help and the errors speak
// it. --help, --version and a wrong option end the program here, as a command line should.
void kies_taal() {
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
    parser.process(argumenten);
    if (parser.isSet("language") && !bekend) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate(
                           "mdl_start", "corvanta: no such language: %1 (choose one of %2)")
                           .arg(gevraagd, codes.join(", "))));
        std::exit(1);
    }
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

void Main() {
    kies_taal();
    programma().start();
}

} // namespace mdl_start
