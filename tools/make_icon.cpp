// Draws the program's icon: a board of nine squares with pawns in the four team colours. One list
// of shapes gives both the scalable SVG and the PNG sizes, so they cannot drift apart.
//
// Rerun it from the repository root with
//     cmake -S . -B build/tools && cmake --build build/tools --target corvanta_icon
// which writes packaging/icons/hicolor/scalable/apps/<id>.svg and <n>x<n>/apps/<id>.png. The PNGs
// depend only on this file and on Qt's rasteriser and PNG encoder, so the same Qt gives
// byte-identical files.

#include <cstdio>
#include <vector>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace {

// The shapes live on a 256-unit canvas. Squares and gaps are multiples of 16 units, so at 16 x 16
// pixels every square edge falls on a pixel edge and the smallest icon stays crisp.
constexpr double canvas = 256.0;
constexpr int sizes[] = {16, 24, 32, 48, 64, 128, 256};

struct shape {
    enum kind_t { rounded_rect, disc } kind;
    QRectF area;
    double radius; // corner radius of a rectangle; a disc is inscribed in its area
    QColor colour;
};

std::vector<shape> icon_shapes() {
    std::vector<shape> shapes;
    shapes.push_back({shape::rounded_rect, {0, 0, canvas, canvas}, 40, QColor(0x2b, 0x4c, 0x7e)});
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            shapes.push_back({shape::rounded_rect,
                              {16.0 + 80.0 * column, 16.0 + 80.0 * row, 64, 64},
                              8,
                              QColor(0xf7, 0xf5, 0xee)});
        }
    }
    // The team colours of the pawn set, spread over the board as in a game under way.
    struct pawn {
        int square;
        QColor colour;
    };
    const pawn pawns[] = {{1, QColor(0xfe, 0x00, 0x00)},
                          {5, QColor(0x00, 0xc8, 0x01)},
                          {6, QColor(0x33, 0x66, 0xff)},
                          {7, QColor(0xf0, 0xc0, 0x00)},
                          {9, QColor(0xfe, 0x00, 0x00)}};
    for (const pawn& p : pawns) {
        const double centre_x = 48.0 + 80.0 * ((p.square - 1) % 3);
        const double centre_y = 48.0 + 80.0 * ((p.square - 1) / 3);
        shapes.push_back({shape::disc, {centre_x - 22, centre_y - 22, 44, 44}, 0, p.colour});
    }
    return shapes;
}

QString svg(const std::vector<shape>& shapes) {
    QString text = QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                           "viewBox=\"0 0 %1 %1\">\n")
                       .arg(canvas);
    for (const shape& s : shapes) {
        const QString fill = s.colour.name();
        if (s.kind == shape::rounded_rect) {
            text += QString("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                            "fill=\"%6\"/>\n")
                        .arg(s.area.x())
                        .arg(s.area.y())
                        .arg(s.area.width())
                        .arg(s.area.height())
                        .arg(s.radius)
                        .arg(fill);
        } else {
            text += QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                        .arg(s.area.center().x())
                        .arg(s.area.center().y())
                        .arg(s.area.width() / 2)
                        .arg(fill);
        }
    }
    return text + "</svg>\n";
}

QImage png(const std::vector<shape>& shapes, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(size / canvas, size / canvas);
    for (const shape& s : shapes) {
        painter.setBrush(s.colour);
        if (s.kind == shape::rounded_rect) {
            painter.drawRoundedRect(s.area, s.radius, s.radius);
        } else {
            painter.drawEllipse(s.area);
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <hicolor directory> <icon name>\n", argv[0]);
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const std::vector<shape> shapes = icon_shapes();

    const QString svg_path = theme + "/scalable/apps/" + name + ".svg";
    if (!write(svg_path, svg(shapes).toUtf8())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg_path));
        return 1;
    }
    for (int size : sizes) {
        const QString path = QString("%1/%2x%2/apps/%3.png").arg(theme).arg(size).arg(name);
        if (!QDir().mkpath(QFileInfo(path).path()) || !png(shapes, size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
