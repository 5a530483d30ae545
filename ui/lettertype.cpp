#include "ui/lettertype.h"

#include <stdexcept>

#include <QFontDatabase>
#include <QStringList>

namespace lettertype {

QString familie() {
    static const QString geregistreerd = [] {
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
