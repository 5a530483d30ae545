#pragma once

#include <chrono>
#include <functional>

// The round timer: the time one fiscal year may take, and how much of it is left. What is left
// is always the set time minus the running time that the time source has measured, never a
// count of ticks, so a late tick, a busy program or a computer that slept cannot make it slow.
// The clock wakes nothing itself: whoever shows it asks tot_volgende_seconde when to look again.
//
// Order of calls: stel_in for a new full time (it also sets the clock back); start and pauzeer,
// or wissel, as the game master starts and pauses it; zet_terug for the next year. Whoever shows
// it calls meld_om after every look: it says true once, the first time the time is found up.
class cls_klok {
public:
    using duur = std::chrono::milliseconds;
    // A monotonic clock's reading; only the difference between two readings counts.
    using tijdbron = std::function<duur()>;

    static constexpr std::chrono::seconds kortste{10};
    static constexpr std::chrono::seconds langste{59 * 60 + 59};
    static constexpr std::chrono::seconds standaard{5 * 60};

    explicit cls_klok(tijdbron nu);

    std::chrono::seconds ingesteld() const { return m_ingesteld; }
    // Throws std::out_of_range outside kortste to langste, before anything changes.
    void stel_in(std::chrono::seconds tijd);
    // Starting a clock whose time is up does nothing.
    void start();
    void pauzeer();
    void wissel();
    void zet_terug();

    // Whether it is counting down: not before a start, after a pause or once the time is up.
    bool loopt() const;
    // Whether the game master has set or started it; until then nothing shows it.
    bool in_gebruik() const { return m_in_gebruik; }
    duur over() const;
    // Whole seconds left, rounded up, as a count-down shows them: 0 only when the time is up.
    int seconden_over() const;
    bool om() const { return over() == duur::zero(); }
    // 1 to 60 seconds left: the last minute, as 1:00 to 0:01 show it.
    bool laatste_minuut() const;
    // While it runs, how long until seconden_over changes.
    duur tot_volgende_seconde() const;
    bool meld_om();

private:
    duur verbruikt() const;

    tijdbron m_nu;
    std::chrono::seconds m_ingesteld = standaard;
    // Running time up to the last start, and the time source's reading at that start.
    duur m_verbruikt{0};
    duur m_gestart{0};
    bool m_loopt = false;
    bool m_in_gebruik = false;
    bool m_gemeld = false;
};

// The time source of the program: a monotonic clock that also counts the time the computer
// sleeps, so that a year timed across a closed laptop lid is not stretched by the nap.
cls_klok::duur monotone_tijd();
