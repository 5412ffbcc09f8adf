#pragma once
// The program's command line and the folder it was started in, as the class library gave them:
// ParamStr(0) is the program's own path, ParamStr(1) the first argument. main() hands the
// command line over once; tests set the one they need.
#include <string>
#include <vector>

void setCommandLine(std::vector<std::string> arguments);
void setCommandLine(int argc, char** argv);
// The number of arguments after the program's own path.
int ParamCount();
// Entry `index` of the command line; empty beyond its end.
std::string ParamStr(int index);

// The folder the process was started in, without a trailing "/"; empty when unknown.
std::string currentDir();
