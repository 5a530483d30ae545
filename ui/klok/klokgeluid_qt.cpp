// The chime's player, a module of its own (corvanta_klokgeluid.so): Qt Multimedia brings a
// dozen sound libraries with it, which the program would otherwise load at every start-up. It
// is loaded the first time the round timer starts (ui/klok/klokgeluid_module.cpp).

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>

namespace {

QtMessageHandler voor_het_zoeken = nullptr;

// Qt Multimedia says in a warning of its own that it found no sound server; without one there
// is simply no chime, which is nothing to warn about.
void zonder_waarschuwing(QtMsgType soort, const QMessageLogContext& waar, const QString& tekst) {
    if (soort != QtWarningMsg && soort != QtInfoMsg && soort != QtDebugMsg && voor_het_zoeken) {
        voor_het_zoeken(soort, waar, tekst);
    }
}

bool heeft_geluid() {
    voor_het_zoeken = qInstallMessageHandler(zonder_waarschuwing);
    const bool gevonden = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(voor_het_zoeken);
    return gevonden;
}

// Goes with the application object, before Qt Multimedia is unloaded.
QPointer<QSoundEffect> effect;

} // namespace

extern "C" Q_DECL_EXPORT void corvanta_klokgeluid_bereid_voor() {
    if (effect || !heeft_geluid()) {
        return;
    }
    effect = new QSoundEffect(QCoreApplication::instance());
    effect->setSource(QUrl("qrc:/assets/sounds/klok.wav"));
}

extern "C" Q_DECL_EXPORT void corvanta_klokgeluid_speel() {
    corvanta_klokgeluid_bereid_voor();
    if (effect) {
        effect->play();
    }
}
