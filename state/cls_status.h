#pragma once

#include <cstdint>

// Where the game stands: the round (also the number of the current board configuration), the
// step 1 to 4 within it, and the square whose add-systems dialog is open (0 for none). The
// setters store whatever they are given; the rules for moving them live in the services.
class cls_status {
public:
    std::int16_t ronde() const;
    void ronde(std::int16_t let_ronde);
    std::int16_t stap() const;
    void stap(std::int16_t let_stap);
    std::int16_t vak_nummer() const;
    void vak_nummer(std::int16_t let_vak_nummer);

private:
    std::int16_t m_ronde = 0;
    std::int16_t m_stap = 0;
    std::int16_t m_vak_nummer = 0;
};
