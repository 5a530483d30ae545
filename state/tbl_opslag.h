#pragma once

#include "state/naar_int16.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Storage shared by the two tables: rows numbered from 1, slot 0 present but never filled, and a
// 16-bit count that is checked before anything changes. Once it holds a row, size() of the
// storage is always aantal + 1.
template <class T> class tbl_opslag {
public:
    explicit tbl_opslag(const char* soort) : m_soort(soort) {}

    // Slots 1 to aantal always hold a row, so an empty reference is refused.
    void voeg_toe(std::shared_ptr<T> rij_voeg_toe) {
        if (!rij_voeg_toe) {
            throw std::logic_error(std::string("an empty ") + m_soort + " cannot be added");
        }
        const std::int16_t nieuw_aantal = naar_int16(m_aantal + 1);
        m_rijen.resize(static_cast<std::size_t>(nieuw_aantal) + 1);
        m_rijen.back() = std::move(rij_voeg_toe);
        m_aantal = nieuw_aantal;
    }

    void verwijder_laatste() {
        if (m_aantal == 0) {
            throw std::out_of_range(std::string("there is no ") + m_soort + " to drop");
        }
        m_rijen.back().reset();
        --m_aantal;
        m_rijen.resize(static_cast<std::size_t>(m_aantal) + 1);
    }

    const std::shared_ptr<T>& rij(std::int16_t rij_nummer) const {
        if (m_rijen.empty() || rij_nummer < 0 || rij_nummer > m_aantal) {
            throw std::out_of_range(std::string(m_soort) + " " + std::to_string(rij_nummer) +
                                    " is not in a table of " + std::to_string(m_aantal));
        }
        return m_rijen[static_cast<std::size_t>(rij_nummer)];
    }

    std::int16_t aantal() const { return m_aantal; }

private:
    const char* m_soort;
    std::vector<std::shared_ptr<T>> m_rijen;
    std::int16_t m_aantal = 0;
};
