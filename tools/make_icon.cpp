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
constexpr double tekenvlak = 256.0;
constexpr int maten[] = {16, 24, 32, 48, 64, 128, 256};

struct vorm {
    enum soort_t { afgeronde_rechthoek, schijf } soort;
    QRectF vlak;
    double straal; // corner radius of a rectangle; a disc is inscribed in its vlak
    QColor kleur;
};

std::vector<vorm> vormen_icoon() {
    std::vector<vorm> vormen;
    vormen.push_back(
        {vorm::afgeronde_rechthoek, {0, 0, tekenvlak, tekenvlak}, 40, QColor(0x2b, 0x4c, 0x7e)});
    for (int rij = 0; rij < 3; ++rij) {
        for (int kolom = 0; kolom < 3; ++kolom) {
            vormen.push_back({vorm::afgeronde_rechthoek,
                              {16.0 + 80.0 * kolom, 16.0 + 80.0 * rij, 64, 64},
                              8,
                              QColor(0xf7, 0xf5, 0xee)});
        }
    }
    // The team colours of the pawn set, spread over the board as in a game under way.
    struct pion {
        int vak;
        QColor kleur;
    };
    const pion pionnen[] = {{1, QColor(0xfe, 0x00, 0x00)},
                            {5, QColor(0x00, 0xc8, 0x01)},
                            {6, QColor(0x33, 0x66, 0xff)},
                            {7, QColor(0xf0, 0xc0, 0x00)},
                            {9, QColor(0xfe, 0x00, 0x00)}};
    for (const pion& p : pionnen) {
        const double midden_x = 48.0 + 80.0 * ((p.vak - 1) % 3);
        const double midden_y = 48.0 + 80.0 * ((p.vak - 1) / 3);
        vormen.push_back({vorm::schijf, {midden_x - 22, midden_y - 22, 44, 44}, 0, p.kleur});
    }
    return vormen;
}

QString maak_svg(const std::vector<vorm>& vormen) {
    QString tekst = QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                            "viewBox=\"0 0 %1 %1\">\n")
                        .arg(tekenvlak);
    for (const vorm& v : vormen) {
        const QString vulling = v.kleur.name();
        if (v.soort == vorm::afgeronde_rechthoek) {
            tekst += QString("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                             "fill=\"%6\"/>\n")
                         .arg(v.vlak.x())
                         .arg(v.vlak.y())
                         .arg(v.vlak.width())
                         .arg(v.vlak.height())
                         .arg(v.straal)
                         .arg(vulling);
        } else {
            tekst += QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                         .arg(v.vlak.center().x())
                         .arg(v.vlak.center().y())
                         .arg(v.vlak.width() / 2)
                         .arg(vulling);
        }
    }
    return tekst + "</svg>\n";
}

QImage teken_png(const std::vector<vorm>& vormen, int maat) {
    QImage plaatje(maat, maat, QImage::Format_ARGB32_Premultiplied);
    plaatje.fill(Qt::transparent);
    QPainter schilder(&plaatje);
    schilder.setRenderHint(QPainter::Antialiasing);
    schilder.setPen(Qt::NoPen);
    schilder.scale(maat / tekenvlak, maat / tekenvlak);
    for (const vorm& v : vormen) {
        schilder.setBrush(v.kleur);
        if (v.soort == vorm::afgeronde_rechthoek) {
            schilder.drawRoundedRect(v.vlak, v.straal, v.straal);
        } else {
            schilder.drawEllipse(v.vlak);
        }
    }
    schilder.end();
    return plaatje.convertToFormat(QImage::Format_ARGB32);
}

bool schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile bestand(pad);
    return QDir().mkpath(QFileInfo(pad).path()) && bestand.open(QIODevice::WriteOnly) &&
           bestand.write(inhoud) == inhoud.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <hicolor directory> <icon name>\n", argv[0]);
        return 2;
    }
    const QString thema = QString::fromLocal8Bit(argv[1]);
    const QString naam = QString::fromLocal8Bit(argv[2]);
    const std::vector<vorm> vormen = vormen_icoon();

    const QString pad_svg = thema + "/scalable/apps/" + naam + ".svg";
    if (!schrijf(pad_svg, maak_svg(vormen).toUtf8())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pad_svg));
        return 1;
    }
    for (int maat : maten) {
        const QString pad = QString("%1/%2x%2/apps/%3.png").arg(thema).arg(maat).arg(naam);
        if (!QDir().mkpath(QFileInfo(pad).path()) || !teken_png(vormen, maat).save(pad, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(pad));
            return 1;
        }
    }
    return 0;
}
