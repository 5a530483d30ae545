#pragma once

#include <QPixmap>
#include <QWidget>

// The board picture, stretched over the whole control; the build stores it at the designed size,
// where it is drawn as it is. Where the picture is enlarged, as at the
// designed size and above, the painter's bilinear filter stretches it; Qt's smooth scaler, which
// a label with scaled contents uses, gives the same pixels within one step of one colour channel
// but costs four times as much, a fifth of the program's start-up. Where the picture is made
// smaller the smooth scaler stays: the filter would read too few of its pixels, and thin grid
// lines would come out uneven.
class achtergrond : public QWidget {
    Q_OBJECT

public:
    explicit achtergrond(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& beeld);
    const QPixmap& pixmap() const { return m_beeld; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_beeld;
    // The picture at the control's size, made when the control is first painted at that size.
    QPixmap m_op_maat;
};

// The board picture as the build stored it (tools/rauw_beeld.cpp); null if it is not there.
QPixmap lees_achtergrond();
