#include "ui/venster.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QScreen>
#include <QWidget>

void centreer_op_scherm(QWidget& venster) {
    const QScreen* scherm = venster.screen() ? venster.screen() : QGuiApplication::primaryScreen();
    if (scherm) {
        venster.move(scherm->availableGeometry().center() - venster.rect().center());
    }
}

QIcon programma_icoon() {
    QIcon icoon;
    QDirIterator plaatjes(":/icon", {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (plaatjes.hasNext()) {
        icoon.addFile(plaatjes.next());
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
