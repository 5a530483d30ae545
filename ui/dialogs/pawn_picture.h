#pragma once

#include <QPixmap>
#include <QWidget>

// A pawn picture control of the dialogs: draws its picture over the whole control, which the
// dialog sizes to the picture's own size at its scale, and looks the same whether enabled or
// not. While enabled, a left click emits clicked(); a disabled one ignores clicks.
class pawn_picture : public QWidget {
    Q_OBJECT

public:
    explicit pawn_picture(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& picture);
    const QPixmap& pixmap() const { return m_picture; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    bool m_pressed = false;
};
