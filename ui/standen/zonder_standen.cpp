#include "ui/standen/standen.h"

#include <QCoreApplication>

// A build without Qt Charts, as the one for Windows, has no standings to load; the game goes on.
standen* maak_standen(cls_tbl_speler&, cls_status&, cls_subcpt_ui&, frm_pion&, QWidget*,
                      QString& waarom) {
    waarom = QCoreApplication::translate("standen",
                                         "this build of Corvanta was made without Qt Charts.");
    return nullptr;
}
