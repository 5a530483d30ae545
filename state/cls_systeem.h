#pragma once

#include <cstdint>

// One team's system on one square of one round's board. Taking a system away clears only
// aanwezig: the owner and the last share stay, and later snapshots copy them along.
class cls_systeem {
public:
    bool aanwezig() const;
    void aanwezig(bool let_aanwezig);
    std::int16_t speler_nummer() const;
    void speler_nummer(std::int16_t let_speler_nummer);
    double marktaandeel() const;
    void marktaandeel(double let_marktaandeel);

private:
    bool m_aanwezig = false;
    std::int16_t m_speler_nummer = 0;
    double m_marktaandeel = 0.0;
};
