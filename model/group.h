#pragma once
// A named group of persons, an element of the tree's group list. It owns its member elements,
// never the persons.
#include "model/prvky.h"

#include <string>

class Clovek;

class Group : public Prvek {
public:
    explicit Group(std::string title) : name(std::move(title)) { }

    bool contains(const Clovek* person) const;
    // A new member entry for the person at the end of the list.
    void addMember(Clovek* person);
    // Removes the person's member entry; nothing when the person is not a member.
    void removeMember(const Clovek* person);

    std::string name;
    Prvky members; // UkGrClovek
};
