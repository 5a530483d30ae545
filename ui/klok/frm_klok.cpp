#include "ui/klok/frm_klok.h"

#include "services/cls_applicatie.h"
#include "ui/klok/rondeklok.h"
#include "ui/lettertype.h"
#include "ui/venster.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

QTime als_tijd(std::chrono::seconds s) {
    return QTime(0, 0).addSecs(static_cast<int>(s.count()));
}

} // namespace

frm_klok::frm_klok(rondeklok& klok, double schaal, QWidget* parent)
    : QDialog(parent), m_klok(klok), m_tb_klok_tijd(new QTimeEdit(this)),
      m_uitleg(new QLabel(this)) {
    setObjectName("frm_klok");
    setWindowIcon(programma_icoon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(lettertype::maak(lettertype::standaard_punten * schaal));

    m_tb_klok_tijd->setObjectName("tb_klok_tijd");
    m_tb_klok_tijd->setDisplayFormat("m:ss");
    m_tb_klok_tijd->setTimeRange(als_tijd(cls_klok::kortste), als_tijd(cls_klok::langste));
    m_tb_klok_tijd->setTime(als_tijd(klok.klok().ingesteld()));
    m_uitleg->setBuddy(m_tb_klok_tijd);
    auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(knoppen, &QDialogButtonBox::accepted, this, &frm_klok::accept);
    connect(knoppen, &QDialogButtonBox::rejected, this, &frm_klok::reject);

    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(m_uitleg);
    indeling->addWidget(m_tb_klok_tijd);
    indeling->addWidget(knoppen);
    indeling->setSizeConstraint(QLayout::SetFixedSize);
    m_tb_klok_tijd->setFocus();
    vertaal();
}

void frm_klok::vertaal() {
    setWindowTitle(tr("round timer"));
    m_uitleg->setText(tr("time for one fiscal year (minutes:seconds)"));
    m_tb_klok_tijd->setAccessibleName(tr("time for one fiscal year, minutes and seconds"));
}

void frm_klok::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        cls_applicatie::bewaakt([this] { vertaal(); });
    }
}

void frm_klok::accept() {
    cls_applicatie::bewaakt([this] {
        m_klok.stel_in(std::chrono::seconds(QTime(0, 0).secsTo(m_tb_klok_tijd->time())));
    });
    QDialog::accept();
}
