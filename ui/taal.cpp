#include "ui/taal.h"

#include <stdexcept>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace taal {

namespace {

// The translators belong to the application object, found again by name, so that each
// application object (a test makes several) starts in English.
constexpr char eigen_naam[] = "corvanta_vertaling";
constexpr char qt_naam[] = "corvanta_qt_vertaling";

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

QString uit_voorkeur(const QStringList& ui_talen) {
    for (const QString& voorkeur : ui_talen) {
        const QString code = voorkeur.section(QLatin1Char('-'), 0, 0).section('_', 0, 0);
        if (code == QLatin1String("nl") || code == QLatin1String("en")) {
            return code;
        }
    }
    return QStringLiteral("en");
}

void zet(const QString& code) {
    if (code != QLatin1String("en") && code != QLatin1String("nl")) {
        throw std::invalid_argument("Corvanta speaks no language " + code.toStdString());
    }
    if (code == huidig()) {
        return;
    }
    haal_weg(eigen_naam);
    haal_weg(qt_naam);
    if (code == QLatin1String("nl")) {
        installeer(eigen_naam, QStringLiteral(":/i18n/corvanta_nl.qm"));
        // Qt's own file, where Qt keeps its translations; it is not the program's.
        installeer(qt_naam, QStringLiteral("qtbase_nl"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    app().setProperty("corvanta_taal", code);
}

QString huidig() {
    const QString code = app().property("corvanta_taal").toString();
    return code.isEmpty() ? QStringLiteral("en") : code;
}

} // namespace taal
