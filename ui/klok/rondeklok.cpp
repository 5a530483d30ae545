#include "ui/klok/rondeklok.h"

#include "services/cls_applicatie.h"
#include "ui/noem.h"

#include <utility>

#include <QLabel>

namespace {

QString minuten(int n) {
    return n == 1 ? rondeklok::tr("1 minute") : rondeklok::tr("%1 minutes").arg(n);
}

QString seconden(int n) {
    return n == 1 ? rondeklok::tr("1 second") : rondeklok::tr("%1 seconds").arg(n);
}

QString duur(int s) {
    if (s % 60 == 0) {
        return minuten(s / 60);
    }
    if (s < 60) {
        return seconden(s);
    }
    return rondeklok::tr("%1 %2").arg(minuten(s / 60), seconden(s % 60));
}

} // namespace

rondeklok::rondeklok(cls_klok::tijdbron nu, QObject* parent)
    : QObject(parent), m_klok(std::move(nu)) {
    m_tik.setSingleShot(true);
    m_tik.setTimerType(Qt::PreciseTimer);
    connect(&m_tik, &QTimer::timeout, this, bewaak([this] { kijk(); }));
}

void rondeklok::stel_in(std::chrono::seconds tijd) {
    m_klok.stel_in(tijd);
    na_verandering();
}

void rondeklok::wissel() {
    if (!m_klok.loopt() && !m_klok.om()) {
        // Ready before the time is up, so that the chime sounds at 0:00, not a moment after.
        m_geluid.bereid_voor();
    }
    m_klok.wissel();
    na_verandering();
}

void rondeklok::zet_terug() {
    m_klok.zet_terug();
    na_verandering();
}

void rondeklok::demp(bool stil) {
    m_gedempt = stil;
}

void rondeklok::kijk() {
    if (m_klok.meld_om() && !m_gedempt) {
        m_geluid.speel();
    }
    na_verandering();
}

// Wakes again when the shown second changes, measured from now; a stopped clock needs no timer.
void rondeklok::na_verandering() {
    if (m_klok.loopt()) {
        m_tik.start(m_klok.tot_volgende_seconde());
    } else {
        m_tik.stop();
    }
    emit veranderd();
}

bool rondeklok::toon_in(QLabel& label) const {
    label.setVisible(m_klok.in_gebruik());
    label.setText(tekst());
    noem(label, toegankelijke_naam());
    return m_klok.laatste_minuut() || m_klok.om();
}

QString rondeklok::tekst() const {
    const int s = m_klok.seconden_over();
    return QString("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QChar('0'));
}

QString rondeklok::toegankelijke_naam() const {
    const int s = m_klok.seconden_over();
    if (m_klok.om()) {
        return tr("round timer, time's up");
    }
    if (!m_klok.loopt()) {
        return m_klok.laatste_minuut() ? tr("round timer, last minute, %1 left").arg(duur(s))
                                       : tr("round timer, %1 left").arg(duur(s));
    }
    return m_klok.laatste_minuut()
               ? tr("round timer running, last minute")
               : tr("round timer running, at most %1 left").arg(minuten((s + 59) / 60));
}
