#include "ui/venster.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QScreen>
#include <QVariant>
#include <QWidget>

void centreer_op_scherm(QWidget& venster) {
    const QScreen* scherm = venster.screen() ? venster.screen() : QGuiApplication::primaryScreen();
    if (scherm) {
        venster.move(scherm->availableGeometry().center() - venster.rect().center());
    }
}

QIcon programma_icoon() {
    // Decoding the seven pictures takes milliseconds, and every window asks, each add-systems
    // dialog anew; the application object keeps the icon once made and drops it with itself.
    static constexpr char bewaard_als[] = "corvanta_programma_icoon";
    QCoreApplication* app = QCoreApplication::instance();
    if (app) {
        const QVariant bewaard = app->property(bewaard_als);
        if (bewaard.isValid()) {
            return bewaard.value<QIcon>();
        }
    }
    QIcon icoon;
    QDirIterator plaatjes(":/icon", {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (plaatjes.hasNext()) {
        icoon.addFile(plaatjes.next());
    }
    if (app) {
        app->setProperty(bewaard_als, icoon);
    }
    return icoon;
}

void richt_dialoog_in(QWidget& dialoog, const char* titel, int breedte, int hoogte) {
    dialoog.setWindowFlag(Qt::Dialog);
    dialoog.setAttribute(Qt::WA_DeleteOnClose);
    dialoog.setWindowTitle(QString::fromUtf8(titel));
    dialoog.setWindowIcon(programma_icoon());
    dialoog.setFixedSize(breedte, hoogte);
    QPalette wit = dialoog.palette();
    wit.setColor(QPalette::Window, Qt::white);
    dialoog.setPalette(wit);
    dialoog.setAutoFillBackground(true);
    centreer_op_scherm(dialoog);
}
