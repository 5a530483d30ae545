#include "ui/taal.h"

#include <algorithm>
#include <stdexcept>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace taal {

namespace {

// The translators belong to the application object, found again by name, so that each
// application object (a test makes several) starts in English.
constexpr char eigen_naam[] = "corvanta_vertaling";
constexpr char qt_naam[] = "corvanta_qt_vertaling";
constexpr char taal_naam[] = "corvanta_taal";

// corvanta_nl.qm speaks nl; corvanta_pt_BR.qm, pt_BR.
QString code_van(const QString& catalogus) {
    return QFileInfo(catalogus).completeBaseName().section('_', 1);
}

QCoreApplication& app() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        throw std::logic_error("a language is set before the application object exists");
    }
    return *app;
}

void haal_weg(const char* naam) {
    if (auto* vertaler = app().findChild<QTranslator*>(naam, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(vertaler);
        delete vertaler;
    }
}

// A catalogue that does not load leaves those texts in English; the program still starts.
void installeer(const char* naam, const QString& bestand, const QString& map = {}) {
    auto* vertaler = new QTranslator(&app());
    vertaler->setObjectName(naam);
    if (vertaler->load(bestand, map)) {
        QCoreApplication::installTranslator(vertaler);
    } else {
        delete vertaler;
    }
}

} // namespace

QList<aanbod> talen() {
    QList<aanbod> alle{{QStringLiteral("en"), QStringLiteral("English")}};
    const QStringList catalogi =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("corvanta_*.qm")}, QDir::Files);
    for (const QString& catalogus : catalogi) {
        const QString code = code_van(catalogus);
        if (code == QLatin1String("en")) {
            continue;
        }
        const QString naam = QLocale(code).nativeLanguageName();
        alle.append({code, naam.isEmpty() ? code : naam.left(1).toUpper() + naam.mid(1)});
    }
    return alle;
}

bool spreekt(const QString& code) {
    const QList<aanbod> alle = talen();
    return std::any_of(alle.begin(), alle.end(), [&](const aanbod& t) { return t.code == code; });
}

// Qt's own search for a language's catalogue, regions included: "pt-BR" finds a Brazilian
// catalogue before a Portuguese one.
QString uit_voorkeur(const QStringList& ui_talen) {
    for (const QString& voorkeur : ui_talen) {
        QTranslator vertaler;
        if (vertaler.load(QLocale(voorkeur), QStringLiteral("corvanta"), QStringLiteral("_"),
                          QStringLiteral(":/i18n"))) {
            return code_van(vertaler.filePath());
        }
    }
    return QStringLiteral("en");
}

void zet(const QString& code) {
    if (!spreekt(code)) {
        throw std::invalid_argument("Corvanta speaks no language " + code.toStdString());
    }
    if (app().property(taal_naam) == code) {
        return;
    }
    haal_weg(eigen_naam);
    haal_weg(qt_naam);
    // English too: its catalogue holds the plural forms of counted words.
    installeer(eigen_naam, ":/i18n/corvanta_" + code + ".qm");
    if (code != QLatin1String("en")) {
        // Qt's own file, where Qt keeps its translations; it is not the program's.
        installeer(qt_naam, "qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    app().setProperty(taal_naam, code);
}

QString huidig() {
    const QString code = app().property(taal_naam).toString();
    return code.isEmpty() ? QStringLiteral("en") : code;
}

} // namespace taal
