// Writes the board picture as raw pixels at the size the board draws it at its designed size,
// which the program then shows without decoding or scaling it: two 32-bit words, its width and
// height, then its rows as the 32-bit words of QImage::Format_RGB32, all in the byte order of the
// machine that runs it. The build runs it on the machine the program is built for.
//
//     corvanta_rauw_beeld INPUT OUTPUT

#include "ui/board/ontwerp_speelbord.h"

#include <cmath>
#include <cstdio>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

namespace {

// Enlarged by the painter's bilinear filter, as the board enlarges the picture at other sizes.
QImage op_ontworpen_maat(const QImage& bron) {
    const QRect twips = ontwerp_speelbord::tabel.front().twips;
    const QSize maat(static_cast<int>(std::lround(twips.width() / twips_per_pixel)),
                     static_cast<int>(std::lround(twips.height() / twips_per_pixel)));
    QImage beeld(maat, QImage::Format_RGB32);
    QPainter schilder(&beeld);
    schilder.setRenderHint(QPainter::SmoothPixmapTransform);
    schilder.drawImage(beeld.rect(), bron);
    return beeld;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
        return 2;
    }
    const QImage bron(QString::fromLocal8Bit(argv[1]));
    if (bron.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage beeld = op_ontworpen_maat(bron.convertToFormat(QImage::Format_RGB32));
    QFile uit(QString::fromLocal8Bit(argv[2]));
    const quint32 maat[] = {static_cast<quint32>(beeld.width()),
                            static_cast<quint32>(beeld.height())};
    const qint64 rij = qint64(beeld.width()) * 4;
    bool goed = uit.open(QIODevice::WriteOnly) &&
                uit.write(reinterpret_cast<const char*>(maat), sizeof maat) == sizeof maat;
    for (int y = 0; goed && y < beeld.height(); ++y) {
        goed = uit.write(reinterpret_cast<const char*>(beeld.constScanLine(y)), rij) == rij;
    }
    if (!goed || !uit.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
