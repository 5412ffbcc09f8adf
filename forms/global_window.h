#pragma once
// Every window of the program exists once, from start-up to exit, and is reached through a
// global pointer named after it. The first instance made claims the pointer and gives it up when
// destroyed; tests that make a second one leave the first in place.
template<class T> void claimGlobalWindow(T*& global, T* self)
{
    if (!global)
        global = self;
}

template<class T> void releaseGlobalWindow(T*& global, T* self)
{
    if (global == self)
        global = nullptr;
}
