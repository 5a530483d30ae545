#pragma once

#include <memory>

// The chime at time's up: two bell strokes compiled into the program (assets/sounds/klok.wav,
// written by tools/make_chime.cpp). Each platform plays it its own way, in a source file of its
// own: Qt Multimedia, in a module loaded when first needed, on Linux; the system's own sound
// call on Windows. Without a sound device it is skipped quietly, and the clock goes on without
// it.
class klokgeluid {
public:
    klokgeluid();
    ~klokgeluid();
    klokgeluid(const klokgeluid&) = delete;
    klokgeluid& operator=(const klokgeluid&) = delete;

    // Finds a sound device and loads the chime ahead of the moment it is needed; without one,
    // tries again at the next call.
    void bereid_voor();
    void speel();

private:
    struct geluid;
    std::unique_ptr<geluid> m_geluid;
};
