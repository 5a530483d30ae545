#include "ui/lettertype.h"

#include <stdexcept>

#include <QFontDatabase>
#include <QStringList>

namespace lettertype {

QString familie() {
    static const QString geregistreerd = [] {
        // Qt keeps the glyphs of text up to 64 pixels tall and draws taller ones as paths at
        // every paint: the class view's year, redrawn at every press, is 128 pixels on a
        // 1080-line projector and 256 on a 4K one. Qt reads the limit at the first text drawn.
        if (!qEnvironmentVariableIsSet("QT_MAX_CACHED_GLYPH_SIZE")) {
            qputenv("QT_MAX_CACHED_GLYPH_SIZE", "256");
        }
        const int id =
            QFontDatabase::addApplicationFont(":/assets/fonts/LiberationSans-Regular.ttf");
        const QStringList namen = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || namen.isEmpty()) {
            throw std::runtime_error("the program's own font could not be loaded");
        }
        return namen.first();
    }();
    return geregistreerd;
}

QFont maak(double punten) {
    QFont letter(familie());
    letter.setPointSizeF(punten);
    letter.setWeight(QFont::Normal);
    letter.setItalic(false);
    letter.setUnderline(false);
    letter.setStrikeOut(false);
    return letter;
}

} // namespace lettertype
