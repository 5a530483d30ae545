#include "ui/klok/frm_klok.h"

#include "services/cls_applicatie.h"
#include "ui/klok/rondeklok.h"
#include "ui/lettertype.h"
#include "ui/venster.h"

#include <algorithm>
#include <optional>

#include <QDialogButtonBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// Minutes and seconds, "2:30", or whole minutes, "7"; nothing for anything else.
std::optional<std::chrono::seconds> lees_tijd(const QString& tekst) {
    static const QRegularExpression tijd("^(\\d{1,2})(?::([0-5]\\d))?$");
    const QRegularExpressionMatch deel = tijd.match(tekst.trimmed());
    if (!deel.hasMatch()) {
        return std::nullopt;
    }
    return std::chrono::seconds(deel.captured(1).toInt() * 60 + deel.captured(2).toInt());
}

bool past(std::chrono::seconds tijd) {
    return tijd >= cls_klok::kortste && tijd <= cls_klok::langste;
}

} // namespace

frm_klok::frm_klok(rondeklok& klok, double schaal, QWidget* parent)
    : QDialog(parent), m_klok(klok), m_tb_klok_tijd(new QLineEdit(this)),
      m_uitleg(new QLabel(this)), m_reden(new QLabel(this)) {
    setObjectName("frm_klok");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(lettertype::maak(lettertype::standaard_punten * schaal));

    m_tb_klok_tijd->setObjectName("tb_klok_tijd");
    // Only what a time is typed with; whether it is one is asked when OK is pressed, so that
    // nothing typed on the way there is refused.
    m_tb_klok_tijd->setValidator(new QRegularExpressionValidator(
        QRegularExpression("\\s*\\d{0,2}(:\\d{0,2})?\\s*"), m_tb_klok_tijd));
    m_tb_klok_tijd->setText(rondeklok::als_tekst(klok.klok().ingesteld()));
    m_tb_klok_tijd->installEventFilter(this);
    m_uitleg->setBuddy(m_tb_klok_tijd);
    m_reden->setObjectName("lbl_reden");
    m_reden->setWordWrap(true);
    m_reden->hide();
    // Buttons of the program's own, in its language: the standard ones speak Qt's.
    auto* knoppen = new QDialogButtonBox(this);
    m_ok = knoppen->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_annuleer = knoppen->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(knoppen, &QDialogButtonBox::accepted, this, &frm_klok::accept);
    connect(knoppen, &QDialogButtonBox::rejected, this, &frm_klok::reject);

    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(m_uitleg);
    indeling->addWidget(m_tb_klok_tijd);
    indeling->addWidget(m_reden);
    indeling->addWidget(knoppen);
    indeling->setSizeConstraint(QLayout::SetFixedSize);
    // Shown, the dialog gives it the focus as Tab would, the time selected: typing replaces it.
    m_tb_klok_tijd->setFocus();
    vertaal();
}

void frm_klok::vertaal() {
    setWindowTitle(tr("round timer"));
    m_uitleg->setText(tr("time for one fiscal year (minutes:seconds)"));
    m_tb_klok_tijd->setAccessibleName(tr("time for one fiscal year, minutes and seconds"));
    m_reden->setText(tr("Type a time from 0:10 to 59:59: minutes and seconds, such as 2:30, or "
                        "whole minutes, such as 7."));
    m_ok->setText(QCoreApplication::translate("bevestigd", "OK"));
    m_annuleer->setText(QCoreApplication::translate("bevestigd", "Cancel"));
}

void frm_klok::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        cls_applicatie::bewaakt([this] { vertaal(); });
    }
}

// Up and Down step by a second, to reach every time; Page Up and Page Down by a minute.
bool frm_klok::eventFilter(QObject* object, QEvent* event) {
    if (object == m_tb_klok_tijd && event->type() == QEvent::KeyPress) {
        const int toets = static_cast<QKeyEvent*>(event)->key();
        const int seconden = toets == Qt::Key_Up         ? 1
                             : toets == Qt::Key_Down     ? -1
                             : toets == Qt::Key_PageUp   ? 60
                             : toets == Qt::Key_PageDown ? -60
                                                         : 0;
        if (seconden != 0) {
            stap(std::chrono::seconds(seconden));
            return true;
        }
    }
    return QDialog::eventFilter(object, event);
}

// From the time typed, or the clock's when none is; never past 0:10 or 59:59.
void frm_klok::stap(std::chrono::seconds stap) {
    const std::chrono::seconds tijd =
        lees_tijd(m_tb_klok_tijd->text()).value_or(m_klok.klok().ingesteld()) + stap;
    m_tb_klok_tijd->setText(rondeklok::als_tekst(
        std::clamp<std::chrono::seconds>(tijd, cls_klok::kortste, cls_klok::langste)));
}

void frm_klok::accept() {
    const std::optional<std::chrono::seconds> tijd = lees_tijd(m_tb_klok_tijd->text());
    if (!tijd || !past(*tijd)) {
        m_reden->show();
        m_tb_klok_tijd->setFocus();
        m_tb_klok_tijd->selectAll();
        return;
    }
    cls_applicatie::bewaakt([this, tijd] { m_klok.stel_in(*tijd); });
    QDialog::accept();
}
