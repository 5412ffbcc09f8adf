// Stand-ins for what later parts of the program give the file commands and the start-up once
// they are built: each does the least those callers rely on.
#include "shell/hlavni.h"
#include "storage/tree_file_format.h"

void Thlavni::announceTodaysAnniversaries()
{
}

// The older tag format's loader is on its way; until it is here such a file is not read.
void Thlavni::loadOldFormat(const std::string& fileName)
{
    throw EDamagedTreeFile("The older tag format cannot be read yet: " + fileName);
}
