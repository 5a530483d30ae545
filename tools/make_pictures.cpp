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

constexpr int pion_maat = 20;
// Samples per pixel side when softening the edges of the disc, triangle and star, and the width
// in pixels of the square window they are taken from: a window wider than one pixel gives the
// broader, gentler edge that the tints of the pawn set call for.
constexpr int meetpunten = 8;
constexpr double meetvenster = 1.5;

struct rgb {
    int r, g, b;
};

// Colour k of the pawn set (1 red, 2 green, 3 blue, 4 yellow).
constexpr std::array<rgb, 4> pion_kleuren{
    {{0xFE, 0x00, 0x00}, {0x00, 0xFF, 0x01}, {0x33, 0x66, 0xFF}, {0xFF, 0xFF, 0x00}}};

using binnen_toets = std::function<bool(double, double)>;

bool in_schijf(double x, double y) {
    const double dx = x - 10.0;
    const double dy = y - 10.0;
    constexpr double straal = 9.75; // the softened rim still reaches every edge
    return dx * dx + dy * dy <= straal * straal;
}

bool in_driehoek(double x, double y) {
    // Apex at the top centre, base along the bottom edge.
    return y >= 0.0 && y <= 20.0 && std::abs(x - 10.0) <= y / 2.0;
}

std::vector<QPointF> hoekpunten_ster() {
    // One point up, centred vertically; the softened tips reach the edges of the picture.
    constexpr double straal_buiten = 10.2;
    constexpr double straal_binnen = straal_buiten * 0.381966;
    const double midden_y = 10.0 + 0.0955 * straal_buiten;
    std::vector<QPointF> hoekpunten;
    for (int i = 0; i < 10; ++i) {
        const double straal = (i % 2 == 0) ? straal_buiten : straal_binnen;
        const double hoek = -std::numbers::pi / 2.0 + i * std::numbers::pi / 5.0;
        hoekpunten.emplace_back(10.0 + straal * std::cos(hoek), midden_y + straal * std::sin(hoek));
    }
    return hoekpunten;
}

bool in_ster(double x, double y) {
    static const std::vector<QPointF> hoekpunten = hoekpunten_ster();
    bool binnen = false;
    for (std::size_t i = 0, j = hoekpunten.size() - 1; i < hoekpunten.size(); j = i++) {
        const QPointF& a = hoekpunten[i];
        const QPointF& b = hoekpunten[j];
        if ((a.y() > y) != (b.y() > y) &&
            x < (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()) + a.x()) {
            binnen = !binnen;
        }
    }
    return binnen;
}

// Pixel rows top-down, each pixel as the colour mixed with white by the share of samples that
// fall inside the shape.
std::vector<rgb> zachte_vorm(const rgb& kleur, const binnen_toets& binnen) {
    std::vector<rgb> pixels;
    constexpr int totaal = meetpunten * meetpunten;
    for (int py = 0; py < pion_maat; ++py) {
        for (int px = 0; px < pion_maat; ++px) {
            int treffers = 0;
            for (int my = 0; my < meetpunten; ++my) {
                for (int mx = 0; mx < meetpunten; ++mx) {
                    const double x = px + 0.5 + meetvenster * ((mx + 0.5) / meetpunten - 0.5);
                    const double y = py + 0.5 + meetvenster * ((my + 0.5) / meetpunten - 0.5);
                    treffers += binnen(x, y) ? 1 : 0;
                }
            }
            auto meng = [&](int kanaal) {
                return (kanaal * treffers + 255 * (totaal - treffers) + totaal / 2) / totaal;
            };
            pixels.push_back({meng(kleur.r), meng(kleur.g), meng(kleur.b)});
        }
    }
    return pixels;
}

// The square fills the picture; a one-pixel rim in a darker shade keeps its edge visible on a
// pale background.
std::vector<rgb> vierkant(const rgb& kleur) {
    std::vector<rgb> pixels;
    const rgb randkleur{kleur.r * 3 / 4, kleur.g * 3 / 4, kleur.b * 3 / 4};
    for (int py = 0; py < pion_maat; ++py) {
        for (int px = 0; px < pion_maat; ++px) {
            const bool op_rand = px == 0 || py == 0 || px == pion_maat - 1 || py == pion_maat - 1;
            pixels.push_back(op_rand ? randkleur : kleur);
        }
    }
    return pixels;
}

void zet_le(QByteArray& inhoud, std::uint32_t waarde, int aantal) {
    for (int i = 0; i < aantal; ++i) {
        inhoud.append(static_cast<char>((waarde >> (8 * i)) & 0xFF));
    }
}

// An uncompressed 24-bit BMP: 54-byte header, rows bottom-up, blue-green-red, no colour table.
QByteArray maak_bmp(const std::vector<rgb>& pixels) {
    constexpr std::uint32_t bytes_per_rij = pion_maat * 3;
    constexpr std::uint32_t bytes_gegevens = bytes_per_rij * pion_maat;
    QByteArray inhoud;
    inhoud.append("BM");
    zet_le(inhoud, 54 + bytes_gegevens, 4);
    zet_le(inhoud, 0, 4);
    zet_le(inhoud, 54, 4);
    zet_le(inhoud, 40, 4);
    zet_le(inhoud, pion_maat, 4);
    zet_le(inhoud, pion_maat, 4);
    zet_le(inhoud, 1, 2);
    zet_le(inhoud, 24, 2);
    zet_le(inhoud, 0, 4);
    zet_le(inhoud, bytes_gegevens, 4);
    zet_le(inhoud, 3780, 4); // 96 dots per inch
    zet_le(inhoud, 3780, 4);
    zet_le(inhoud, 0, 4);
    zet_le(inhoud, 0, 4);
    for (int py = pion_maat - 1; py >= 0; --py) {
        for (int px = 0; px < pion_maat; ++px) {
            const rgb& p = pixels[static_cast<std::size_t>(py * pion_maat + px)];
            inhoud.append(static_cast<char>(p.b));
            inhoud.append(static_cast<char>(p.g));
            inhoud.append(static_cast<char>(p.r));
        }
    }
    return inhoud;
}

bool schrijf_bestand(const QString& pad, const QByteArray& inhoud) {
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(inhoud) != inhoud.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pad));
        return false;
    }
    return true;
}

bool maak_pionnen(const QDir& doelmap) {
    const std::array<binnen_toets, 3> zachte_vormen{in_schijf, in_driehoek, in_ster};
    for (int k = 1; k <= 4; ++k) {
        const rgb& kleur = pion_kleuren[static_cast<std::size_t>(k - 1)];
        for (int v = 1; v <= 4; ++v) {
            const int n = 4 * (k - 1) + v;
            const auto pixels =
                v == 1 ? vierkant(kleur)
                       : zachte_vorm(kleur, zachte_vormen[static_cast<std::size_t>(v - 2)]);
            int hoofdkleur = 0;
            int bijna_wit = 0;
            for (const rgb& p : pixels) {
                hoofdkleur += (p.r == kleur.r && p.g == kleur.g && p.b == kleur.b) ? 1 : 0;
                bijna_wit += (p.r > 235 && p.g > 235 && p.b > 235) ? 1 : 0;
            }
            std::printf("pawn %2d: %3d main colour, %3d near white\n", n, hoofdkleur, bijna_wit);
            const QString naam = QString("pawns/pion_%1.bmp").arg(n, 2, 10, QChar('0'));
            if (!schrijf_bestand(doelmap.filePath(naam), maak_bmp(pixels))) {
                return false;
            }
        }
    }
    return true;
}

// The backdrop is drawn in the board window's own pixels (1016 x 745) and scaled into the
// 800 x 600 picture that the window stretches back over itself.
QImage achtergrond_speelbord() {
    QImage plaatje(800, 600, QImage::Format_RGB32);
    QPainter schilder(&plaatje);
    schilder.setRenderHint(QPainter::Antialiasing);
    schilder.scale(800.0 / 1016.0, 600.0 / 745.0);

    QLinearGradient lucht(0, 0, 0, 745);
    lucht.setColorAt(0.0, QColor(0xF7, 0xF8, 0xFA));
    lucht.setColorAt(1.0, QColor(0xE9, 0xEB, 0xEE));
    schilder.fillRect(QRectF(0, 0, 1016, 745), lucht);

    // Faint graph paper: a market chart waiting to be filled.
    schilder.setPen(QPen(QColor(0xE2, 0xE5, 0xE9), 1.0));
    for (int x = 0; x <= 1016; x += 32) {
        schilder.drawLine(QPointF(x, 0), QPointF(x, 745));
    }
    for (int y = 0; y <= 745; y += 32) {
        schilder.drawLine(QPointF(0, y), QPointF(1016, y));
    }

    // A white card under the nine squares and one under the scoreboard, with a soft shadow.
    auto kaart = [&schilder](const QRectF& vlak) {
        for (int i = 6; i >= 1; --i) {
            schilder.setPen(Qt::NoPen);
            schilder.setBrush(QColor(0x90, 0x98, 0xA4, 6));
            schilder.drawRoundedRect(vlak.translated(2, 3).adjusted(-i, -i, i, i), 10 + i, 10 + i);
        }
        schilder.setBrush(QColor(0xFD, 0xFD, 0xFE));
        schilder.setPen(QPen(QColor(0xDC, 0xE0, 0xE5), 1.0));
        schilder.drawRoundedRect(vlak, 10, 10);
    };
    kaart(QRectF(384, 72, 577, 553));
    kaart(QRectF(44, 80, 268, 270));

    // Small patches in the team colours: a rising bar chart below the scoreboard.
    const std::array<QColor, 4> tinten{QColor(0xF6, 0xC9, 0xC6), QColor(0xC8, 0xEE, 0xC9),
                                       QColor(0xC9, 0xD6, 0xF7), QColor(0xF7, 0xEE, 0xB8)};
    schilder.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const double hoogte = 36.0 + 26.0 * i;
        schilder.setBrush(tinten[static_cast<std::size_t>(i)]);
        schilder.drawRoundedRect(QRectF(110 + 38 * i, 660 - hoogte, 24, hoogte), 3, 3);
    }
    schilder.setPen(QPen(QColor(0xCF, 0xD4, 0xDA), 2.0));
    schilder.drawLine(QPointF(98, 661), QPointF(256, 661));

    // A few soft dots in the corners echo the pawns.
    auto stip = [&schilder](QPointF midden, QColor kleur, double straal) {
        QRadialGradient gloed(midden, straal);
        gloed.setColorAt(0.0, kleur);
        kleur.setAlpha(0);
        gloed.setColorAt(1.0, kleur);
        schilder.setPen(Qt::NoPen);
        schilder.setBrush(gloed);
        schilder.drawEllipse(midden, straal, straal);
    };
    stip(QPointF(985, 40), QColor(0xF3, 0xB8, 0xB4, 150), 22);
    stip(QPointF(30, 712), QColor(0xB4, 0xC7, 0xF3, 150), 20);
    stip(QPointF(985, 705), QColor(0xF5, 0xE6, 0x9A, 160), 24);
    stip(QPointF(345, 30), QColor(0xB6, 0xE6, 0xB8, 150), 16);
    schilder.end();
    return plaatje;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication applicatie(argc, argv);
    const QStringList argumenten = QGuiApplication::arguments();
    if (argumenten.size() != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_DIRECTORY\n", argv[0]);
        return 2;
    }
    QDir doelmap(argumenten.at(1));
    if (!doelmap.mkpath("pawns") || !maak_pionnen(doelmap)) {
        return 1;
    }
    if (!achtergrond_speelbord().save(doelmap.filePath("speelbord.jpg"), "JPEG", 92)) {
        std::fprintf(stderr, "cannot write the board picture\n");
        return 1;
    }
    return 0;
}
