#include "ui/dialogs/pion_plaatje.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// What assistive technology sees of a pawn: a picture, or a button whose press is the click.
class pion_toegang : public QAccessibleWidget {
public:
    explicit pion_toegang(pion_plaatje* pion)
        : QAccessibleWidget(pion, pion->klikbaar() ? QAccessible::Button : QAccessible::Graphic) {}

    QStringList actionNames() const override {
        return pion().klikbaar() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& naam) override {
        if (naam == pressAction() && pion().klikbaar() && pion().isEnabled() &&
            pion().isVisible()) {
            emit pion().clicked();
        }
    }

private:
    pion_plaatje& pion() const { return *static_cast<pion_plaatje*>(widget()); }
};

QAccessibleInterface* maak_toegang(const QString& klasse, QObject* object) {
    if (klasse == QLatin1String("pion_plaatje") && object && object->isWidgetType()) {
        return new pion_toegang(static_cast<pion_plaatje*>(object));
    }
    return nullptr;
}

} // namespace

pion_plaatje::pion_plaatje(QWidget* parent) : QWidget(parent) {
    static const bool geinstalleerd = [] {
        QAccessible::installFactory(maak_toegang);
        return true;
    }();
    (void)geinstalleerd;
}

void pion_plaatje::setPixmap(const QPixmap& plaatje) {
    m_plaatje = plaatje;
    update();
}

void pion_plaatje::paintEvent(QPaintEvent* /*event*/) {
    if (!m_plaatje.isNull()) {
        QPainter schilder(this);
        schilder.setRenderHint(QPainter::SmoothPixmapTransform);
        schilder.drawPixmap(rect(), m_plaatje);
    }
}

void pion_plaatje::mousePressEvent(QMouseEvent* event) {
    m_ingedrukt = event->button() == Qt::LeftButton;
}

void pion_plaatje::mouseReleaseEvent(QMouseEvent* event) {
    const bool klik = m_ingedrukt && event->button() == Qt::LeftButton &&
                      rect().contains(event->position().toPoint());
    m_ingedrukt = false;
    if (klik) {
        emit clicked();
    }
}
