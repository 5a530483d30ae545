#include "ui/board/board_font.h"

#include <stdexcept>

#include <QFontDatabase>
#include <QStringList>

namespace board_font {

QString family() {
    static const QString registered = [] {
        const int id =
            QFontDatabase::addApplicationFont(":/assets/fonts/LiberationSans-Regular.ttf");
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            throw std::runtime_error("the program's own font could not be loaded");
        }
        return families.first();
    }();
    return registered;
}

QFont font(double point_size) {
    QFont result(family());
    result.setPointSizeF(point_size);
    result.setWeight(QFont::Normal);
    result.setItalic(false);
    result.setUnderline(false);
    result.setStrikeOut(false);
    return result;
}

} // namespace board_font
