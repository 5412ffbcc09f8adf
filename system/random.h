#pragma once
// The class library's random generator. The program draws tips, the about box's tune and the
// quiz answers from it; keeping the library's own generator means a fixed seed gives the same
// draws as it always did, which the tests rely on.
#include <cstdint>

// Seeds the generator from the clock, in whole seconds, as the main window does at every
// activation.
void Randomize();

// Sets the generator's state: the following draws are repeatable.
void SetRandSeed(uint32_t seed);

// A number from 0 to n - 1: the seed moves on as seed * 0x08088405 + 1 (32 bits), and the
// result is the upper 32 bits of seed * n. For n of 0 or less the answer is 0 (the seed still
// moves on), so a caller with an empty list never gets an index into it.
int Random(int n);
