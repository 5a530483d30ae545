#pragma once

#include <QString>
#include <QStringList>

// The language the windows speak: English, the language of the code, or Dutch from the catalogue
// compiled into the program (translations/corvanta_nl.ts), with Qt's own Dutch for what Qt
// writes itself, such as a text box's context menu, when Qt's catalogue is installed.
//
// A change takes effect in every open window at once: installing or removing a translator makes
// Qt send each window a LanguageChange event, on which the window sets its texts again. Nothing
// of the game or of what was typed is touched.
namespace taal {

// The languages on offer, each named in its own language for the menu.
struct aanbod {
    const char* code;
    const char* naam;
};
inline constexpr aanbod talen[] = {{"en", "English"}, {"nl", "Nederlands"}};

// Dutch when Dutch comes before English among the user-interface languages (as
// QLocale::uiLanguages() lists them), otherwise English.
QString uit_voorkeur(const QStringList& ui_talen);

// Switches the running program to "en" or "nl"; any other code is an error. Needs a
// QCoreApplication.
void zet(const QString& code);
// The code of the language spoken now.
QString huidig();

} // namespace taal
