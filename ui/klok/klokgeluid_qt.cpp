#include "ui/klok/klokgeluid.h"

#include <QAudioDevice>
#include <QMediaDevices>
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

} // namespace

struct klokgeluid::geluid {
    QSoundEffect effect;
};

klokgeluid::klokgeluid() = default;
klokgeluid::~klokgeluid() = default;

void klokgeluid::bereid_voor() {
    if (m_geluid || !heeft_geluid()) {
        return;
    }
    m_geluid = std::make_unique<geluid>();
    m_geluid->effect.setSource(QUrl("qrc:/assets/sounds/klok.wav"));
}

void klokgeluid::speel() {
    bereid_voor();
    if (m_geluid) {
        m_geluid->effect.play();
    }
}
