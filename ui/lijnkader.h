#pragma once

#include <QFrame>

// The board's rectangle outlines and lines: a plain QFrame, box or horizontal line, in its
// palette's text colour and its line width, drawn so that no edge can vanish. Qt strokes a
// frame's outline along the control's last row and column; on a desktop scaled by a fraction
// (125 %) that stroke can fall just outside the control and its right or bottom edge is lost.
class lijnkader : public QFrame {
    Q_OBJECT

public:
    lijnkader(QFrame::Shape vorm, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
