#pragma once
// How often each first name occurs among the persons of the chosen sexes. Names compare exactly
// ("Jan" and "jan" are two names); empty names are not counted.
#include <string>
#include <vector>

class Rod;

struct FirstNameCount {
    std::string name;
    int count = 0;
};

// The names in the order of the program's tally list, whose head is always the newest name:
// the name met last for the first time along the person chain comes first.
std::vector<FirstNameCount> tallyFirstNames(const Rod& tree, bool men, bool women);
