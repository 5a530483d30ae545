#pragma once

#include <QPixmap>
#include <QWidget>

// A pawn picture control of the dialogs: draws its picture over the whole control, which the
// dialog sizes to the picture's own size at its scale, and looks the same whether enabled or
// not. While enabled, a left click emits clicked(); a disabled one ignores clicks. A pawn that
// acts on its click (klikbaar) is a button to assistive technology, with the click as its
// "Press" action; it still takes no keyboard focus.
class pion_plaatje : public QWidget {
    Q_OBJECT

public:
    explicit pion_plaatje(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& plaatje);
    const QPixmap& pixmap() const { return m_plaatje; }
    bool klikbaar() const { return m_klikbaar; }
    void klikbaar(bool let_klikbaar) { m_klikbaar = let_klikbaar; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_plaatje;
    bool m_ingedrukt = false;
    bool m_klikbaar = false;
};
