#include "ui/klok/klok_label.h"

#include "services/cls_applicatie.h"
#include "ui/klok/rondeklok.h"
#include "ui/noem.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPalette>

namespace {

// A label's own accessible interface has a fixed role; the clock's turns to a notification
// while it is to be heard.
class klok_toegang : public QAccessibleWidget {
public:
    explicit klok_toegang(klok_label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return static_cast<const klok_label*>(widget())->meldt() ? QAccessible::Notification
                                                                 : QAccessible::StaticText;
    }
};

QAccessibleInterface* maak_toegang(const QString& klasse, QObject* object) {
    auto* label = qobject_cast<klok_label*>(object);
    return label && klasse == QLatin1String("klok_label") ? new klok_toegang(label) : nullptr;
}

} // namespace

klok_label::klok_label(variant soort, QWidget* parent)
    : groot_getal(QString(), parent), m_variant(soort) {
    static const bool toegang = (QAccessible::installFactory(maak_toegang), true);
    Q_UNUSED(toegang);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hide();
    toon();
}

void klok_label::volg(const rondeklok& klok) {
    m_klok = &klok;
    connect(&klok, &rondeklok::veranderd, this, bewaak([this] { toon(); }));
    toon();
}

void klok_label::bijschrift(QLabel& label) {
    m_bijschrift = &label;
    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label.hide();
    // The window lays its caption out anew at every scale, in a font of the window's choosing.
    label.installEventFilter(this);
    toon();
}

bool klok_label::meldt() const {
    return m_variant == variant::bord && m_toestand != toestand::gewoon;
}

void klok_label::toon() {
    if (!m_klok) {
        noem(*this, tr("round timer"));
        return;
    }
    const cls_klok& klok = m_klok->klok();
    setVisible(klok.in_gebruik());
    setText(m_klok->tekst());
    noem(*this, m_klok->toegankelijke_naam());
    if (m_bijschrift) {
        m_bijschrift->setVisible(klok.in_gebruik());
        m_bijschrift->setText(klok.om() ? tr("time's up") : tr("time left"));
    }
    const toestand nu = klok.om()               ? toestand::om
                        : klok.laatste_minuut() ? toestand::laatste_minuut
                                                : toestand::gewoon;
    if (nu != m_toestand) {
        m_toestand = nu;
        stijl();
        meld();
    }
}

// Red and bold; in the class view white on dark red, changing in brightness and weight, not
// only in colour, for a pupil who cannot tell the colours apart.
void klok_label::stijl() {
    QPalette kleur;
    if (m_toestand != toestand::gewoon && m_variant == variant::bord) {
        kleur.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    } else if (m_toestand != toestand::gewoon) {
        kleur.setColor(QPalette::Window, QColor(0xA0, 0x00, 0x18));
        kleur.setColor(QPalette::WindowText, Qt::white);
    }
    setPalette(kleur);
    maak_vet(*this);
    if (m_bijschrift) {
        maak_vet(*m_bijschrift);
    }
    zet_marges();
}

void klok_label::maak_vet(QLabel& label) const {
    const bool vet = m_toestand != toestand::gewoon;
    if (label.font().bold() != vet) {
        QFont letter = label.font();
        letter.setBold(vet);
        label.setFont(letter);
    }
}

// The class view's digits keep clear of the dark field's edges.
void klok_label::zet_marges() {
    const int rand =
        m_variant == variant::klas && m_toestand != toestand::gewoon ? height() / 10 : 0;
    setContentsMargins(rand, 0, rand, 0);
}

// A screen reader speaks a changed name only of the object in focus. The board's clock says
// its last minute and time's up wherever the focus is: as a notification that shows, which
// AT-SPI's screen readers speak when it comes (Qt 6.4 passes no alert on to AT-SPI), and as an
// alert, which Windows sounds.
void klok_label::meld() {
    if (!meldt()) {
        return;
    }
    for (const QAccessible::Event soort : {QAccessible::ObjectShow, QAccessible::Alert}) {
        QAccessibleEvent gebeurtenis(this, soort);
        QAccessible::updateAccessibility(&gebeurtenis);
    }
}

void klok_label::paintEvent(QPaintEvent* event) {
    m_variant == variant::klas ? groot_getal::paintEvent(event) : QLabel::paintEvent(event);
}

void klok_label::changeEvent(QEvent* event) {
    groot_getal::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        maak_vet(*this);
    } else if (event->type() == QEvent::LanguageChange) {
        cls_applicatie::bewaakt([this] { toon(); });
    }
}

void klok_label::resizeEvent(QResizeEvent* event) {
    groot_getal::resizeEvent(event);
    zet_marges();
}

bool klok_label::eventFilter(QObject* object, QEvent* event) {
    if (object == m_bijschrift && event->type() == QEvent::FontChange) {
        maak_vet(*m_bijschrift);
    }
    return groot_getal::eventFilter(object, event);
}
