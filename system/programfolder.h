#pragma once
// The program folder: where the program keeps its settings file, "data" (language files), "save"
// (the trees' default folder) and the working folder "temp". It is the user's data folder
// $XDG_DATA_HOME/kinvelor/ (default ~/.local/share/kinvelor/), so a rebuilt or replaced program
// never takes a person's trees and settings with it; a portable copy, whose executable's folder
// already holds "kinvelor.ini" or "data/" (and can be written), keeps them beside itself. Every
// answer ends in "/".
#include <string>

// The program folder, decided once and then kept for the whole run (the settings, the working
// folder and the language files must not move mid-run). A folder set by setProgramFolder wins.
std::string programFolder();

// Fixes the program folder (tests point it at a temporary folder); an empty text forgets it, so
// the next programFolder() decides again. A missing trailing "/" is added.
void setProgramFolder(const std::string& folder);

// The folder of the running executable, read from /proc/self/exe; empty when unknown.
std::string executableFolder();

// $XDG_DATA_HOME/kinvelor/, or ~/.local/share/kinvelor/ when XDG_DATA_HOME is unset, empty or
// relative (the XDG rules ignore relative values). Not created here.
std::string userDataFolder();

// `exeFolder` when it is a portable copy's (it holds "kinvelor.ini" or "data/" and can be
// written); otherwise userDataFolder(), created with its parents. Raises EInOutError when the
// user's data folder cannot be made.
std::string chooseProgramFolder(const std::string& exeFolder);
