#include "services/cls_klok.h"

#include <stdexcept>
#include <string>
#include <utility>

#ifdef __linux__
#include <time.h>
#endif

cls_klok::cls_klok(tijdbron nu) : m_nu(std::move(nu)) {}

void cls_klok::stel_in(std::chrono::seconds tijd) {
    if (tijd < kortste || tijd > langste) {
        throw std::out_of_range("a round timer of " + std::to_string(tijd.count()) + " seconds");
    }
    m_ingesteld = tijd;
    m_in_gebruik = true;
    zet_terug();
}

void cls_klok::start() {
    if (m_loopt || om()) {
        return;
    }
    m_gestart = m_nu();
    m_loopt = true;
    m_in_gebruik = true;
}

void cls_klok::pauzeer() {
    m_verbruikt = verbruikt();
    m_loopt = false;
}

void cls_klok::wissel() {
    loopt() ? pauzeer() : start();
}

void cls_klok::zet_terug() {
    m_loopt = false;
    m_verbruikt = duur::zero();
    m_gemeld = false;
}

cls_klok::duur cls_klok::verbruikt() const {
    return m_loopt ? m_verbruikt + (m_nu() - m_gestart) : m_verbruikt;
}

bool cls_klok::loopt() const {
    return m_loopt && !om();
}

cls_klok::duur cls_klok::over() const {
    const duur rest = m_ingesteld - verbruikt();
    return rest > duur::zero() ? rest : duur::zero();
}

int cls_klok::seconden_over() const {
    return static_cast<int>(std::chrono::ceil<std::chrono::seconds>(over()).count());
}

bool cls_klok::laatste_minuut() const {
    const int s = seconden_over();
    return s > 0 && s <= 60;
}

cls_klok::duur cls_klok::tot_volgende_seconde() const {
    const duur deel = over() % std::chrono::seconds(1);
    return deel == duur::zero() ? std::chrono::seconds(1) : deel;
}

bool cls_klok::meld_om() {
    if (m_gemeld || !om()) {
        return false;
    }
    m_gemeld = true;
    // Stopped at nothing left, so that a pause or a start cannot bring the time back.
    m_verbruikt = m_ingesteld;
    m_loopt = false;
    return true;
}

cls_klok::duur monotone_tijd() {
#ifdef __linux__
    // CLOCK_MONOTONIC, behind std::chrono::steady_clock and QElapsedTimer, stands still while
    // the computer sleeps.
    timespec nu{};
    clock_gettime(CLOCK_BOOTTIME, &nu);
    return std::chrono::duration_cast<cls_klok::duur>(std::chrono::seconds(nu.tv_sec) +
                                                      std::chrono::nanoseconds(nu.tv_nsec));
#else
    return std::chrono::duration_cast<cls_klok::duur>(
        std::chrono::steady_clock::now().time_since_epoch());
#endif
}
