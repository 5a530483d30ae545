// Generates the pictures that the program embeds: the board backdrop assets/speelbord.jpg and the
// sixteen pawn pictures assets/pawns/pion_01.bmp .. pion_16.bmp.
//
// Rerun it from the repository root with
//     cmake -S . -B build/tools && cmake --build build/tools --target corvanta_pictures
// which builds this program (it is not part of the normal build) and writes into assets/.
// The output depends only on this file and on the JPEG encoder of the Qt installation, so the
// same Qt gives byte-identical files.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRadialGradient>
#include <QString>

namespace {

constexpr int pawn_size = 20;
// Samples per pixel side when softening the edges of the disc, triangle and star, and the width
// in pixels of the square window they are taken from: a window wider than one pixel gives the
// broader, gentler edge that the tints of the pawn set call for.
constexpr int samples = 8;
constexpr double sample_window = 1.5;

struct rgb {
    int r, g, b;
};

// Colour c of the pawn set (1 red, 2 green, 3 blue, 4 yellow).
constexpr std::array<rgb, 4> pawn_colours{
    {{0xFE, 0x00, 0x00}, {0x00, 0xFF, 0x01}, {0x33, 0x66, 0xFF}, {0xFF, 0xFF, 0x00}}};

using inside_test = std::function<bool(double, double)>;

bool in_disc(double x, double y) {
    const double dx = x - 10.0;
    const double dy = y - 10.0;
    constexpr double radius = 9.75; // the softened rim still reaches every edge
    return dx * dx + dy * dy <= radius * radius;
}

bool in_triangle(double x, double y) {
    // Apex at the top centre, base along the bottom edge.
    return y >= 0.0 && y <= 20.0 && std::abs(x - 10.0) <= y / 2.0;
}

std::vector<QPointF> star_corners() {
    // One point up, centred vertically; the softened tips reach the edges of the picture.
    constexpr double outer = 10.2;
    constexpr double inner = outer * 0.381966;
    const double centre_y = 10.0 + 0.0955 * outer;
    std::vector<QPointF> corners;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? outer : inner;
        const double angle = -std::numbers::pi / 2.0 + i * std::numbers::pi / 5.0;
        corners.emplace_back(10.0 + radius * std::cos(angle), centre_y + radius * std::sin(angle));
    }
    return corners;
}

bool in_star(double x, double y) {
    static const std::vector<QPointF> corners = star_corners();
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const QPointF& a = corners[i];
        const QPointF& b = corners[j];
        if ((a.y() > y) != (b.y() > y) &&
            x < (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()) + a.x()) {
            inside = !inside;
        }
    }
    return inside;
}

// Pixel rows top-down, each pixel as the colour mixed with white by the share of samples that
// fall inside the shape.
std::vector<rgb> soft_shape(const rgb& colour, const inside_test& inside) {
    std::vector<rgb> pixels;
    constexpr int total = samples * samples;
    for (int py = 0; py < pawn_size; ++py) {
        for (int px = 0; px < pawn_size; ++px) {
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = px + 0.5 + sample_window * ((sx + 0.5) / samples - 0.5);
                    const double y = py + 0.5 + sample_window * ((sy + 0.5) / samples - 0.5);
                    hits += inside(x, y) ? 1 : 0;
                }
            }
            auto mix = [&](int channel) {
                return (channel * hits + 255 * (total - hits) + total / 2) / total;
            };
            pixels.push_back({mix(colour.r), mix(colour.g), mix(colour.b)});
        }
    }
    return pixels;
}

// The square fills the picture; a one-pixel rim in a darker shade keeps its edge visible on a
// pale background.
std::vector<rgb> square(const rgb& colour) {
    std::vector<rgb> pixels;
    const rgb rim{colour.r * 3 / 4, colour.g * 3 / 4, colour.b * 3 / 4};
    for (int py = 0; py < pawn_size; ++py) {
        for (int px = 0; px < pawn_size; ++px) {
            const bool edge = px == 0 || py == 0 || px == pawn_size - 1 || py == pawn_size - 1;
            pixels.push_back(edge ? rim : colour);
        }
    }
    return pixels;
}

void put_le(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// An uncompressed 24-bit BMP: 54-byte header, rows bottom-up, blue-green-red, no colour table.
QByteArray bmp(const std::vector<rgb>& pixels) {
    constexpr std::uint32_t row_bytes = pawn_size * 3;
    constexpr std::uint32_t data_bytes = row_bytes * pawn_size;
    QByteArray out;
    out.append("BM");
    put_le(out, 54 + data_bytes, 4);
    put_le(out, 0, 4);
    put_le(out, 54, 4);
    put_le(out, 40, 4);
    put_le(out, pawn_size, 4);
    put_le(out, pawn_size, 4);
    put_le(out, 1, 2);
    put_le(out, 24, 2);
    put_le(out, 0, 4);
    put_le(out, data_bytes, 4);
    put_le(out, 3780, 4); // 96 dots per inch
    put_le(out, 3780, 4);
    put_le(out, 0, 4);
    put_le(out, 0, 4);
    for (int py = pawn_size - 1; py >= 0; --py) {
        for (int px = 0; px < pawn_size; ++px) {
            const rgb& p = pixels[static_cast<std::size_t>(py * pawn_size + px)];
            out.append(static_cast<char>(p.b));
            out.append(static_cast<char>(p.g));
            out.append(static_cast<char>(p.r));
        }
    }
    return out;
}

bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool make_pawns(const QDir& assets) {
    const std::array<inside_test, 3> soft_shapes{in_disc, in_triangle, in_star};
    for (int c = 1; c <= 4; ++c) {
        const rgb& colour = pawn_colours[static_cast<std::size_t>(c - 1)];
        for (int s = 1; s <= 4; ++s) {
            const int n = 4 * (c - 1) + s;
            const auto pixels =
                s == 1 ? square(colour)
                       : soft_shape(colour, soft_shapes[static_cast<std::size_t>(s - 2)]);
            int main_colour = 0;
            int near_white = 0;
            for (const rgb& p : pixels) {
                main_colour += (p.r == colour.r && p.g == colour.g && p.b == colour.b) ? 1 : 0;
                near_white += (p.r > 235 && p.g > 235 && p.b > 235) ? 1 : 0;
            }
            std::printf("pawn %2d: %3d main colour, %3d near white\n", n, main_colour, near_white);
            const QString name = QString("pawns/pion_%1.bmp").arg(n, 2, 10, QChar('0'));
            if (!write_file(assets.filePath(name), bmp(pixels))) {
                return false;
            }
        }
    }
    return true;
}

// The backdrop is drawn in the board window's own pixels (1016 x 745) and scaled into the
// 800 x 600 picture that the window stretches back over itself.
QImage board_backdrop() {
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(800.0 / 1016.0, 600.0 / 745.0);

    QLinearGradient sky(0, 0, 0, 745);
    sky.setColorAt(0.0, QColor(0xF7, 0xF8, 0xFA));
    sky.setColorAt(1.0, QColor(0xE9, 0xEB, 0xEE));
    p.fillRect(QRectF(0, 0, 1016, 745), sky);

    // Faint graph paper: a market chart waiting to be filled.
    p.setPen(QPen(QColor(0xE2, 0xE5, 0xE9), 1.0));
    for (int x = 0; x <= 1016; x += 32) {
        p.drawLine(QPointF(x, 0), QPointF(x, 745));
    }
    for (int y = 0; y <= 745; y += 32) {
        p.drawLine(QPointF(0, y), QPointF(1016, y));
    }

    // A white card under the nine squares and one under the scoreboard, with a soft shadow.
    auto card = [&p](const QRectF& area) {
        for (int i = 6; i >= 1; --i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x90, 0x98, 0xA4, 6));
            p.drawRoundedRect(area.translated(2, 3).adjusted(-i, -i, i, i), 10 + i, 10 + i);
        }
        p.setBrush(QColor(0xFD, 0xFD, 0xFE));
        p.setPen(QPen(QColor(0xDC, 0xE0, 0xE5), 1.0));
        p.drawRoundedRect(area, 10, 10);
    };
    card(QRectF(384, 72, 577, 553));
    card(QRectF(44, 80, 268, 270));

    // Small patches in the team colours: a rising bar chart below the scoreboard.
    const std::array<QColor, 4> tints{QColor(0xF6, 0xC9, 0xC6), QColor(0xC8, 0xEE, 0xC9),
                                      QColor(0xC9, 0xD6, 0xF7), QColor(0xF7, 0xEE, 0xB8)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const double height = 36.0 + 26.0 * i;
        p.setBrush(tints[static_cast<std::size_t>(i)]);
        p.drawRoundedRect(QRectF(110 + 38 * i, 660 - height, 24, height), 3, 3);
    }
    p.setPen(QPen(QColor(0xCF, 0xD4, 0xDA), 2.0));
    p.drawLine(QPointF(98, 661), QPointF(256, 661));

    // A few soft dots in the corners echo the pawns.
    auto dot = [&p](QPointF centre, QColor colour, double radius) {
        QRadialGradient glow(centre, radius);
        glow.setColorAt(0.0, colour);
        colour.setAlpha(0);
        glow.setColorAt(1.0, colour);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, radius, radius);
    };
    dot(QPointF(985, 40), QColor(0xF3, 0xB8, 0xB4, 150), 22);
    dot(QPointF(30, 712), QColor(0xB4, 0xC7, 0xF3, 150), 20);
    dot(QPointF(985, 705), QColor(0xF5, 0xE6, 0x9A, 160), 24);
    dot(QPointF(345, 30), QColor(0xB6, 0xE6, 0xB8, 150), 16);
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_DIRECTORY\n", argv[0]);
        return 2;
    }
    QDir assets(arguments.at(1));
    if (!assets.mkpath("pawns") || !make_pawns(assets)) {
        return 1;
    }
    if (!board_backdrop().save(assets.filePath("speelbord.jpg"), "JPEG", 92)) {
        std::fprintf(stderr, "cannot write the board picture\n");
        return 1;
    }
    return 0;
}
