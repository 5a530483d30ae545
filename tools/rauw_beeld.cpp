// Writes a picture as raw pixels, which the program shows without decoding them: two 32-bit
// words, its width and height, then its rows as the 32-bit words of QImage::Format_RGB32, all
// in the byte order of the machine that runs it. The build runs it on the board picture, on the
// machine the program is built for.
//
//     corvanta_rauw_beeld INPUT OUTPUT

#include <cstdio>

#include <QFile>
#include <QImage>
#include <QString>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
        return 2;
    }
    const QImage beeld =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (beeld.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
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
