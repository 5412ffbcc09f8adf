#pragma once
// MIDI playback through a player program found on the machine (timidity, fluidsynth with a
// General MIDI sound font, wildmidi), started from an argument vector. A machine without any
// plays nothing, which is no error.
#include "system/child_process.h"

#include <string>
#include <vector>

class MidiPlayer {
public:
    // Starts playing the file, stopping what played before. False, with nothing playing, when
    // the file or a player is missing.
    bool play(const std::string& file);
    void stop() { process_.stop(); }
    bool playing() { return process_.running(); }

    // The player command, the file is appended to it. Tests set a harmless one; an empty
    // vector goes back to looking for a player on the machine.
    static void setCommand(std::vector<std::string> command);

private:
    ChildProcess process_;
};
