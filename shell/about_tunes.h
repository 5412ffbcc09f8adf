#pragma once
// The about box's two tunes. The program carries them itself and writes a tune's file into the
// data folder the first time it is to be played, so a fresh installation plays as the box
// promises; a file a person put there instead is played as it is.
#include <string>

// A Standard MIDI File (format 0) of tune 1 or 2.
std::string aboutTuneMidi(int tune);
// Writes the tune's file at `path` unless a file is already there. False when it cannot be
// written (the box then stays silent).
bool ensureAboutTune(const std::string& path, int tune);
