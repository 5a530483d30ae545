#include "ui/klok/klokgeluid.h"

#include <QCoreApplication>
#include <QLibrary>

// The player is a module (ui/klok/klokgeluid_qt.cpp), found as the standings' module is: beside
// the program in lib/corvanta/modules as the build lays it out, one level up as it is installed.
// Without it there is no chime, and the clock goes on.
struct klokgeluid::geluid {
    using functie = void (*)();
    functie bereid_voor = nullptr;
    functie speel = nullptr;
};

klokgeluid::klokgeluid() = default;
klokgeluid::~klokgeluid() = default;

void klokgeluid::bereid_voor() {
    if (!m_geluid) {
        m_geluid = std::make_unique<geluid>();
        const QString map = QCoreApplication::applicationDirPath();
        for (const QString& waar :
             {map + "/lib/corvanta/modules", map + "/../lib/corvanta/modules"}) {
            QLibrary module(waar + "/corvanta_klokgeluid.so");
            m_geluid->bereid_voor = reinterpret_cast<geluid::functie>(
                module.resolve("corvanta_klokgeluid_bereid_voor"));
            m_geluid->speel =
                reinterpret_cast<geluid::functie>(module.resolve("corvanta_klokgeluid_speel"));
            if (m_geluid->bereid_voor && m_geluid->speel) {
                break;
            }
        }
    }
    if (m_geluid->bereid_voor && m_geluid->speel) {
        m_geluid->bereid_voor();
    }
}

void klokgeluid::speel() {
    bereid_voor();
    if (m_geluid->speel) {
        m_geluid->speel();
    }
}
