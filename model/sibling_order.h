#pragma once
// The siblings of one person after another, each in the order of that person's sibling list,
// without making the lists. A list still waiting to be made (`Clovek::siblings`) is worked out
// from the parents' children, walked once for every child of the same two parents: a family of
// ten thousand children would otherwise make and keep a list of ten thousand for each of them.
#include <vector>

class Clovek;

class SiblingOrder {
public:
    // The siblings of `person`, as its sibling list holds them or would hold them once made.
    // Valid until the next call. Between calls nothing may change children lists, parents or
    // births, unless forget() follows the change.
    const std::vector<Clovek*>& of(const Clovek& person);
    void forget();

private:
    void walkFamily(const Clovek* father, const Clovek* mother);
    // The waiting list made as `Clovek::siblings` makes it, from `input`, into siblings_.
    void sortLikeTheList(const std::vector<Clovek*>& input);

    bool walked_ = false;
    const Clovek* father_ = nullptr;
    const Clovek* mother_ = nullptr;
    // Every child of the two, the father's first, each once, in the order of their lists.
    std::vector<Clovek*> family_;
    // No child of family_ would move when sorted by birth.
    bool settled_ = false;
    std::vector<Clovek*> siblings_;
};
