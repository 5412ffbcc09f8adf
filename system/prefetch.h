#pragma once
// Asking for memory ahead of use. A big tree's persons, keys and table slots lie all over
// memory; a walk that asks for what it will read some steps later does not wait on each of them.

// Asks for the memory at these places; only advice, never a fault, whatever they are.
template<class... Places> inline void ask(const Places*... places)
{
    (__builtin_prefetch(places), ...);
}
