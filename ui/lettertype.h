#pragma once

#include <QFont>
#include <QString>

// The typeface of every window. The layout was drawn for "MS Sans Serif", which Linux lacks;
// the program carries Liberation Sans (metric-compatible with Arial, SIL Open Font License)
// inside itself so that every caption fits its box the same way on every machine.
namespace lettertype {

// Registers the embedded font with the application on the first call and returns its family.
// Needs a QGuiApplication; throws std::runtime_error if the font cannot be loaded.
QString familie();

// Regular weight, no italic, underline or strike-through.
QFont maak(double punten);

// The size of the windows' default font, which every control without a size of its own uses.
constexpr double standaard_punten = 9.0;

} // namespace lettertype
