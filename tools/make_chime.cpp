// Writes the round timer's chime, assets/sounds/klok.wav: two bell strokes, a high one and a
// lower one, each a struck tone with two overtones that dies away, 1.2 seconds of 16-bit mono
// at 22,050 samples a second. The same compiler gives the same file.
//
//     cmake --build <dir> --target corvanta_chime

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int per_seconde = 22050;

void schrijf(std::ofstream& uit, std::uint32_t waarde, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        uit.put(static_cast<char>((waarde >> (8 * i)) & 0xFF));
    }
}

// A bell stroke at frequentie Hz, starting at begin seconds, added to the samples.
void slag(std::vector<double>& golf, double begin, double frequentie) {
    // Overtones of a bell, with their strengths; the higher ones die away sooner.
    const double deel[][3] = {{1.0, 1.0, 3.0}, {2.0, 0.35, 5.0}, {3.0, 0.15, 8.0}};
    const auto eerste = static_cast<std::size_t>(begin * per_seconde);
    for (std::size_t i = eerste; i < golf.size(); ++i) {
        const double t = static_cast<double>(i - eerste) / per_seconde;
        // A 5 ms rise, so that the stroke does not click.
        const double aanzet = std::min(1.0, t / 0.005);
        for (const auto& [veelvoud, sterkte, demping] : deel) {
            golf[i] += aanzet * sterkte * std::exp(-demping * t) *
                       std::sin(2 * std::numbers::pi * frequentie * veelvoud * t);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file.wav>\n", argv[0]);
        return 2;
    }
    std::vector<double> golf(static_cast<std::size_t>(1.2 * per_seconde));
    slag(golf, 0.0, 880.0);
    slag(golf, 0.3, 660.0);
    double hoogste = 0;
    for (double w : golf) {
        hoogste = std::max(hoogste, std::abs(w));
    }
    std::ofstream uit(argv[1], std::ios::binary);
    const auto data = static_cast<std::uint32_t>(golf.size() * 2);
    uit.write("RIFF", 4);
    schrijf(uit, 36 + data, 4);
    uit.write("WAVEfmt ", 8);
    schrijf(uit, 16, 4);              // size of the format chunk
    schrijf(uit, 1, 2);               // PCM
    schrijf(uit, 1, 2);               // mono
    schrijf(uit, per_seconde, 4);     // samples a second
    schrijf(uit, per_seconde * 2, 4); // bytes a second
    schrijf(uit, 2, 2);               // bytes a sample
    schrijf(uit, 16, 2);              // bits a sample
    uit.write("data", 4);
    schrijf(uit, data, 4);
    // At 70 % of full scale: loud enough for a classroom, with room below clipping.
    for (double w : golf) {
        const auto monster = static_cast<std::int16_t>(std::lround(w / hoogste * 0.7 * 32767));
        schrijf(uit, static_cast<std::uint16_t>(monster), 2);
    }
    if (!uit) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
