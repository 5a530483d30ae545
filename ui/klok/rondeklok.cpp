#include "ui/klok/rondeklok.h"

#include "services/cls_applicatie.h"

#include <utility>

namespace {

// Counted words in each language's own plural forms, English's from its catalogue too.
QString minuten(int n) {
    return rondeklok::tr("%n minute(s)", nullptr, n);
}

QString seconden(int n) {
    return rondeklok::tr("%n second(s)", nullptr, n);
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
    // A coarse timer may wake a little early or late: the clock measures at every look, and an
    // early look only sets the timer again for the rest of the second.
    m_tik.setSingleShot(true);
    m_tik.setTimerType(Qt::CoarseTimer);
    connect(&m_tik, &QTimer::timeout, this, bewaak([this] { kijk(); }));
}

void rondeklok::stel_in(std::chrono::seconds tijd) {
    m_klok.stel_in(tijd);
    na_verandering();
}

// Time that ran out since the last look is found before T changes anything: T then starts
// nothing, and the chime still sounds.
void rondeklok::wissel() {
    if (!meld_om()) {
        if (!m_klok.loopt() && !m_klok.om()) {
            // Ready before the time is up, so that the chime sounds at 0:00, not a moment after.
            m_geluid.bereid_voor();
        }
        m_klok.wissel();
    }
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
    meld_om();
    na_verandering();
}

bool rondeklok::meld_om() {
    if (!m_klok.meld_om()) {
        return false;
    }
    if (!m_gedempt) {
        m_geluid.speel();
    }
    emit tijd_om();
    return true;
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

QString rondeklok::tekst() const {
    return als_tekst(std::chrono::seconds(m_klok.seconden_over()));
}

QString rondeklok::als_tekst(std::chrono::seconds tijd) {
    const auto s = static_cast<int>(tijd.count());
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
