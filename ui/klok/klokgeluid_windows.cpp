#include "ui/klok/klokgeluid.h"

// mmsystem.h needs what windows.h declares.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <QResource>

// Qt for Windows is built without Qt Multimedia: Windows plays the chime itself, from the
// program's memory, where the build stores it uncompressed. Without a sound device PlaySound
// fails quietly.
struct klokgeluid::geluid {};

klokgeluid::klokgeluid() = default;
klokgeluid::~klokgeluid() = default;

void klokgeluid::bereid_voor() {}

void klokgeluid::speel() {
    static const QResource wav(":/assets/sounds/klok.wav");
    if (wav.isValid() && wav.compressionAlgorithm() == QResource::NoCompression) {
        PlaySoundW(reinterpret_cast<LPCWSTR>(wav.data()), nullptr,
                   SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }
}
