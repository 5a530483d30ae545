#pragma once

#include <cstdint>
#include <string>

// One team: its name as typed, its number (the name box it came from) and its pawn picture.
class cls_rij_speler {
public:
    bool verwijderd() const;
    void verwijderd(bool let_verwijderd);
    const std::string& speler_naam() const;
    void speler_naam(std::string let_speler_naam);
    std::int16_t team_nummer() const;
    void team_nummer(std::int16_t let_team_nummer);
    std::int16_t pion_nummer() const;
    void pion_nummer(std::int16_t let_pion_nummer);

private:
    bool m_verwijderd = false;
    std::string m_speler_naam;
    std::int16_t m_team_nummer = 0;
    std::int16_t m_pion_nummer = 0;
};
