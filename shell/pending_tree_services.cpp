// Stand-ins for what later parts of the program give the file commands and the start-up once
// they are built: each does the least those callers rely on.
#include "shell/hlavni.h"

void Thlavni::announceTodaysAnniversaries()
{
}
