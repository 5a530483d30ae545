#include "state/cls_status.h"

std::int16_t cls_status::ronde() const {
    return m_ronde;
}
void cls_status::ronde(std::int16_t let_ronde) {
    m_ronde = let_ronde;
}

std::int16_t cls_status::stap() const {
    return m_stap;
}
void cls_status::stap(std::int16_t let_stap) {
    m_stap = let_stap;
}

std::int16_t cls_status::vak_nummer() const {
    return m_vak_nummer;
}
void cls_status::vak_nummer(std::int16_t let_vak_nummer) {
    m_vak_nummer = let_vak_nummer;
}
