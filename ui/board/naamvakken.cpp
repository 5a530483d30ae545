#include "ui/board/naamvakken.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr char bij_begin[] = "naam_bij_begin";

bool is_enter(int toets) {
    return toets == Qt::Key_Return || toets == Qt::Key_Enter;
}

} // namespace

naamvakken::naamvakken(QWidget& bord, const std::array<QLineEdit*, 5>& vakken)
    : QObject(&bord), m_bord(bord) {
    // A click on the background takes the focus to the board itself.
    m_bord.setFocusPolicy(Qt::ClickFocus);
    for (QLineEdit* vak : vakken) {
        if (vak) {
            vak->installEventFilter(this);
        }
    }
}

bool naamvakken::eventFilter(QObject* object, QEvent* event) {
    auto* vak = qobject_cast<QLineEdit*>(object);
    if (!vak) {
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        vak->setProperty(bij_begin, vak->text());
        return false;
    case QEvent::FocusOut:
        vak->setCursorPosition(0);
        return false;
    case QEvent::ShortcutOverride: {
        // Escape is the box's while it is being edited, not the board's "leave full screen".
        auto* toets = static_cast<QKeyEvent*>(event);
        if (toets->key() == Qt::Key_Escape || is_enter(toets->key())) {
            toets->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        const int toets = static_cast<QKeyEvent*>(event)->key();
        if (toets == Qt::Key_Escape) {
            vak->setText(vak->property(bij_begin).toString());
        }
        if (toets == Qt::Key_Escape || is_enter(toets)) {
            m_bord.setFocus(Qt::OtherFocusReason);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}
