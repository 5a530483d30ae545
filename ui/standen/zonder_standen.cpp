#include "ui/standen/standen.h"

#include <QCoreApplication>

// A build without Qt Charts has no standings to load; the game goes on.
standen* maak_standen(standen_bron&, QWidget*, QString& waarom) {
    waarom = QCoreApplication::translate("standen",
                                         "this build of Corvanta was made without Qt Charts.");
    return nullptr;
}
