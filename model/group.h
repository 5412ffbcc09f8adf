#pragma once
// A named group of persons, an element of the tree's group list. It owns its member elements,
// never the persons.
#include "model/prvky.h"

#include <string>

class Clovek;

class Group : public Prvek {
public:
    explicit Group(std::string name) : name(std::move(name)) {}

    bool contains(const Clovek* person) const;

    std::string name;
    Prvky members; // UkGrClovek
};
