#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The language the windows speak: English, the language of the code, or Dutch from the catalogue
// compiled into the program (translations/corvanta_nl.ts), with Qt's own Dutch for what Qt
// writes itself, such as a text box's context menu, when Qt's catalogue is installed. English
// has a catalogue too, translations/corvanta_en.ts, of the plural forms of its counted words
// alone ("%n minute(s)").
//
// A change takes effect in every open window at once: installing or removing a translator makes
// Qt send each window a LanguageChange event, on which the window sets its texts again. Nothing
// of the game or of what was typed is touched.
namespace taal {

// A language on offer, named in itself for the menu: "English", "Nederlands".
struct aanbod {
    QString code;
    QString naam;
};
// English, then every language whose catalogue is compiled into the program
// (:/i18n/corvanta_<code>.qm), so that a new catalogue is all a new language takes.
QList<aanbod> talen();
bool spreekt(const QString& code);

// The first of the user-interface languages (as QLocale::uiLanguages() lists them) that the
// program speaks: Dutch when Dutch comes before English; English when none is spoken.
QString uit_voorkeur(const QStringList& ui_talen);

// Switches the running program to a language it speaks; any other code is an error. Needs a
// QCoreApplication, which speaks no language, not even English's counted words, until a
// language is set.
void zet(const QString& code);
// The code of the language spoken now.
QString huidig();

} // namespace taal
