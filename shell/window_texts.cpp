// The window-text appliers run by every language load, in their fixed order.
#include "shell/hlavni.h"

void Thlavni::applyWindowTexts()
{
}
