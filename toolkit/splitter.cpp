#include "toolkit/splitter.h"

TSplitter::TSplitter(TWinControl* parent, std::string name) : TControl(parent, std::move(name)) { }

void TSplitter::userDrag(int dx)
{
    if (dx != 0 && OnMoved)
        OnMoved(dx);
}
