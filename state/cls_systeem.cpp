#include "state/cls_systeem.h"

bool cls_systeem::aanwezig() const {
    return m_aanwezig;
}
void cls_systeem::aanwezig(bool let_aanwezig) {
    m_aanwezig = let_aanwezig;
}

std::int16_t cls_systeem::speler_nummer() const {
    return m_speler_nummer;
}
void cls_systeem::speler_nummer(std::int16_t let_speler_nummer) {
    m_speler_nummer = let_speler_nummer;
}

double cls_systeem::marktaandeel() const {
    return m_marktaandeel;
}
void cls_systeem::marktaandeel(double let_marktaandeel) {
    m_marktaandeel = let_marktaandeel;
}
