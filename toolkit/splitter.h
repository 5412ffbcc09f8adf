#pragma once
// A bar a person drags sideways to give the controls left of it more or less of the window.
#include "toolkit/control.h"

#include <functional>

class TSplitter : public TControl {
public:
    TSplitter(TWinControl* parent, std::string name);
    // The owner moves the controls on both sides; the argument is the drag in pixels, to the right.
    std::function<void(int)> OnMoved;
    // A person's drag.
    void userDrag(int dx);
    const char* ClassName() const override { return "TSplitter"; }
};
