#pragma once
// The program folder: where the program keeps its settings file, "data", "save" and the working
// folder "temp". It is the folder of the executable, as the program has always been installed
// in a folder of its own; when that folder cannot be written (an installation under /usr), the
// user's data folder $XDG_DATA_HOME/kinvelor/ (default ~/.local/share/kinvelor/) takes its
// place, so settings and trees can still be saved. Every answer ends in "/".
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

// `exeFolder` when it exists and can be written; otherwise userDataFolder(), created with its
// parents. Raises EInOutError when neither can be used.
std::string chooseProgramFolder(const std::string& exeFolder);
