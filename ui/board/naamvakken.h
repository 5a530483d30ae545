#pragma once

#include <array>

#include <QObject>

class QLineEdit;
class QWidget;

// The scoreboard's name boxes as a person types in them. Enter keeps the name and gives the keys
// back to the board; Escape puts back the name the box had when its editing began and does the
// same; a click on the board's background ends the editing too. Left, a box shows its name from
// the start. So the board's own keys, T among them, act as soon as a name is done, and no letter
// meant for them lands in a name.
class naamvakken : public QObject {
    Q_OBJECT

public:
    naamvakken(QWidget& bord, const std::array<QLineEdit*, 5>& vakken);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget& m_bord;
};
