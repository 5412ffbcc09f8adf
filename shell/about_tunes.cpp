#include "shell/about_tunes.h"

#include "system/exceptions.h"
#include "system/fileio.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace {

// (MIDI key, length in eighth notes); key 0 is a rest.
using Melody = std::vector<std::pair<int, int>>;

// Two tunes old enough to belong to everybody: the "Ode to Joy" theme and "Ah, vous dirai-je,
// maman".
const Melody& melody(int tune)
{
    static const Melody joy = {{64, 2}, {64, 2}, {65, 2}, {67, 2}, {67, 2}, {65, 2}, {64, 2}, {62, 2},
                               {60, 2}, {60, 2}, {62, 2}, {64, 2}, {64, 3}, {62, 1}, {62, 4}, {64, 2},
                               {64, 2}, {65, 2}, {67, 2}, {67, 2}, {65, 2}, {64, 2}, {62, 2}, {60, 2},
                               {60, 2}, {62, 2}, {64, 2}, {62, 3}, {60, 1}, {60, 4}};
    static const Melody twinkle = {
        {60, 2}, {60, 2}, {67, 2}, {67, 2}, {69, 2}, {69, 2}, {67, 4}, {65, 2}, {65, 2}, {64, 2}, {64, 2},
        {62, 2}, {62, 2}, {60, 4}, {67, 2}, {67, 2}, {65, 2}, {65, 2}, {64, 2}, {64, 2}, {62, 4}, {67, 2},
        {67, 2}, {65, 2}, {65, 2}, {64, 2}, {64, 2}, {62, 4}, {60, 2}, {60, 2}, {67, 2}, {67, 2}, {69, 2},
        {69, 2}, {67, 4}, {65, 2}, {65, 2}, {64, 2}, {64, 2}, {62, 2}, {62, 2}, {60, 4}};
    return tune == 2 ? twinkle : joy;
}

void putBig(std::string& out, unsigned value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void putDelta(std::string& out, unsigned ticks)
{
    unsigned char groups[4];
    int n = 0;
    do {
        groups[n++] = static_cast<unsigned char>(ticks & 0x7F);
        ticks >>= 7;
    } while (ticks && n < 4);
    while (n-- > 0)
        out.push_back(static_cast<char>(groups[n] | (n ? 0x80 : 0)));
}

} // namespace

std::string aboutTuneMidi(int tune)
{
    const unsigned eighth = 120; // ticks; a quarter note is 240 (the division below)
    std::string track;
    // Tempo: 500,000 microseconds a quarter note; instrument: a celesta, fitting a music box.
    track += std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7);
    track += std::string("\x00\xC0\x08", 3);
    unsigned rest = 0;
    for (auto [key, length] : melody(tune)) {
        const unsigned ticks = eighth * static_cast<unsigned>(length);
        if (key == 0) {
            rest += ticks;
            continue;
        }
        putDelta(track, rest);
        track += {'\x90', static_cast<char>(key), '\x50'};
        putDelta(track, ticks - 10);
        track += {'\x80', static_cast<char>(key), '\x00'};
        rest = 10;
    }
    putDelta(track, rest);
    track += std::string("\xFF\x2F\x00", 3);

    std::string file = "MThd";
    putBig(file, 6, 4);
    putBig(file, 0, 2); // one track
    putBig(file, 1, 2);
    putBig(file, 240, 2); // ticks a quarter note
    file += "MTrk";
    putBig(file, static_cast<unsigned>(track.size()), 4);
    return file + track;
}

bool ensureAboutTune(const std::string& path, int tune)
{
    std::error_code error;
    if (std::filesystem::exists(path, error))
        return true;
    try {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
        writeFileAtomic(path, aboutTuneMidi(tune), false);
        return true;
    } catch (const Exception&) {
        return false;
    }
}
