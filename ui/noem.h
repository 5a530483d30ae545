#pragma once

#include <QString>
#include <QWidget>

// Gives a control a new accessible name, which Qt tells assistive technology of; a redraw that
// leaves the name as it was tells nothing.
inline void noem(QWidget& control, const QString& naam) {
    if (control.accessibleName() != naam) {
        control.setAccessibleName(naam);
    }
}
