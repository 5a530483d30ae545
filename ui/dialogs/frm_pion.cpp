#include "ui/dialogs/frm_pion.h"

#include <stdexcept>
#include <string>

#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <QString>

namespace {

constexpr int aantal_pionnen = 16;
constexpr int pion_maat = 20;

// Whole phrases, not colour and shape apart: in Dutch the colour's ending depends on the shape.
const char* const beschrijvingen[] = {
    QT_TRANSLATE_NOOP("frm_pion", "red square"),      QT_TRANSLATE_NOOP("frm_pion", "red disc"),
    QT_TRANSLATE_NOOP("frm_pion", "red triangle"),    QT_TRANSLATE_NOOP("frm_pion", "red star"),
    QT_TRANSLATE_NOOP("frm_pion", "green square"),    QT_TRANSLATE_NOOP("frm_pion", "green disc"),
    QT_TRANSLATE_NOOP("frm_pion", "green triangle"),  QT_TRANSLATE_NOOP("frm_pion", "green star"),
    QT_TRANSLATE_NOOP("frm_pion", "blue square"),     QT_TRANSLATE_NOOP("frm_pion", "blue disc"),
    QT_TRANSLATE_NOOP("frm_pion", "blue triangle"),   QT_TRANSLATE_NOOP("frm_pion", "blue star"),
    QT_TRANSLATE_NOOP("frm_pion", "yellow square"),   QT_TRANSLATE_NOOP("frm_pion", "yellow disc"),
    QT_TRANSLATE_NOOP("frm_pion", "yellow triangle"), QT_TRANSLATE_NOOP("frm_pion", "yellow star"),
};

} // namespace

frm_pion::frm_pion(QWidget* parent) : QWidget(parent) {
    setObjectName("frm_pion");
    setWindowTitle(
        tr("pawns", "title of a window that is never shown: it holds the pawn pictures"));
    for (int n = 1; n <= aantal_pionnen; ++n) {
        // Read as BMP by Qt's own reader: left to detect the format, Qt would first load every
        // image format plugin, and the JPEG library with them, to ask each about the file.
        QImageReader lezer(QString(":/assets/pawns/pion_%1.bmp").arg(n, 2, 10, QChar('0')), "bmp");
        lezer.setAutoDetectImageFormat(false);
        const QPixmap plaatje = QPixmap::fromImage(lezer.read());
        if (plaatje.isNull()) {
            throw std::runtime_error("pawn picture " + std::to_string(n) +
                                     " is missing from the program");
        }
        auto* label = new QLabel(this);
        label->setObjectName(QString("im_pion_%1").arg(n));
        label->setAccessibleName(tr("pawn %1, %2").arg(n).arg(beschrijving(n)));
        label->setPixmap(plaatje);
        label->setGeometry(((n - 1) % 4) * (pion_maat + 4), ((n - 1) / 4) * (pion_maat + 4),
                           pion_maat, pion_maat);
        m_im_pion[static_cast<std::size_t>(n)] = label;
    }
}

QString frm_pion::beschrijving(int n) {
    if (n < 1 || n > aantal_pionnen) {
        throw std::out_of_range("there is no pawn picture " + std::to_string(n));
    }
    return QCoreApplication::translate("frm_pion", beschrijvingen[n - 1]);
}

QString frm_pion::beschrijving(int n, const QString& team) {
    return n == 0 ? QString() : beschrijving(n) + ", " + team;
}

QPixmap frm_pion::im_pion(int n) const {
    if (n < 1 || n > aantal_pionnen) {
        throw std::out_of_range("there is no pawn picture " + std::to_string(n));
    }
    return m_im_pion[static_cast<std::size_t>(n)]->pixmap();
}
