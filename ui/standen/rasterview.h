#pragma once

#include <QChartView>

class QValueAxis;

// The chart's view, which draws the grid lines of the shares itself, into the background that
// the view keeps as a picture; Qt Charts would redraw its own at every change of a line, each
// pixel blended anew, which costs a press more than the lines themselves. Over the lines it
// marks the year that the class view replays.
class rasterview : public QChartView {
    Q_OBJECT

public:
    rasterview(QChart* grafiek, QValueAxis& as, QWidget* parent = nullptr);

    // The year to mark, 0 for none.
    void markeer(int jaar);

protected:
    void drawBackground(QPainter* schilder, const QRectF& gebied) override;
    void drawForeground(QPainter* schilder, const QRectF& gebied) override;

private:
    QValueAxis& m_as;
    int m_jaar = 0;
};
