#include "system/midi_player.h"

#include "system/files.h"
#include "system/process.h"

namespace {

std::vector<std::string>& fixedCommand()
{
    static std::vector<std::string> command;
    return command;
}

// The first player on the machine, its arguments before the file; empty when there is none.
std::vector<std::string> playerCommand()
{
    if (!fixedCommand().empty())
        return fixedCommand();
    if (!findProgram("timidity").empty())
        return {"timidity"};
    if (!findProgram("fluidsynth").empty())
        for (const char* font :
             {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
            if (fileExists(font))
                return {"fluidsynth", "-ni", font};
    if (!findProgram("wildmidi").empty())
        return {"wildmidi"};
    return {};
}

} // namespace

bool MidiPlayer::play(const std::string& file)
{
    stop();
    if (!fileExists(file))
        return false;
    std::vector<std::string> command = playerCommand();
    if (command.empty())
        return false;
    const std::string program = command.front();
    command.erase(command.begin());
    command.push_back(file);
    return process_.start(program, command);
}

void MidiPlayer::setCommand(std::vector<std::string> command)
{
    fixedCommand() = std::move(command);
}
