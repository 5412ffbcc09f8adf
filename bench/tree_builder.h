#pragma once
// The made-up trees of the benchmarks: generations of couples with a few children each, cousins
// marrying now and then, one father of five thousand and persons without kin; every person is
// added at the head of the chain, as a loader adds them, so building 100,000 takes moments.
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace bench {

constexpr int kGenerations = 25;
constexpr int kBigFamily = 5000;

class TreeBuilder {
public:
    TreeBuilder(Rod& tree, int seed) : tree_(tree), rng_(seed) {}

    Clovek* person(int generation, int sex)
    {
        Clovek* p = new Clovek;
        p->number = next_++;
        p->identifier = "I" + std::to_string(p->number);
        p->firstName = "Jméno" + std::to_string(rng_() % 300);
        p->surname = "Příjmení" + std::to_string(rng_() % 500);
        p->sex = uint8_t(sex);
        int year = 1400 + 25 * generation + int(rng_() % 20);
        p->birth = Datum(rng_() % 10 ? std::to_string(1 + rng_() % 28) : "?",
                         rng_() % 10 ? std::to_string(1 + rng_() % 12) : "?",
                         rng_() % 30 ? std::to_string(year) : "?");
        tree_.appendPerson(p);
        return p;
    }

    void marry(Clovek* a, Clovek* b)
    {
        Svatba* s = new Svatba;
        s->partner1 = a;
        s->partner2 = b;
        s->type = 1;
        a->partnerships.append(new UkSvatba(s));
        b->partnerships.append(new UkSvatba(s));
    }

    // Generations of about the same size; couples are drawn at random within a generation, so
    // cousins marry now and then (pedigree collapse), and some marry in from outside.
    void build(int persons)
    {
        int perGeneration = std::max(10, (persons - kBigFamily - 60) / kGenerations);
        std::vector<Clovek*> previous;
        for (int i = 0; i < perGeneration; ++i)
            previous.push_back(person(0, i % 2));
        for (int g = 1; g < kGenerations && next_ < persons - kBigFamily - 60; ++g) {
            std::shuffle(previous.begin(), previous.end(), rng_);
            std::vector<Clovek*> men, women, current;
            for (Clovek* p : previous)
                (p->sex ? men : women).push_back(p);
            size_t couples = std::min(men.size(), women.size());
            for (size_t c = 0; c < couples && int(current.size()) < perGeneration
                               && next_ < persons - kBigFamily - 60;
                 ++c) {
                Clovek* man = men[c];
                Clovek* woman = rng_() % 8 ? women[c] : person(g - 1, 0);
                marry(man, woman);
                int kids = 1 + int(rng_() % 5);
                for (int k = 0; k < kids; ++k) {
                    Clovek* child = person(g, int(rng_() % 2));
                    child->father = man;
                    child->mother = woman;
                    current.push_back(child);
                }
            }
            previous = current;
        }
        // One father of five thousand, with fifty mothers.
        Clovek* father = person(20, 1);
        std::vector<Clovek*> mothers;
        for (int m = 0; m < 50; ++m) {
            mothers.push_back(person(20, 0));
            marry(father, mothers.back());
        }
        for (int k = 0; k < kBigFamily; ++k) {
            Clovek* child = person(21, int(rng_() % 2));
            child->father = father;
            child->mother = mothers[k % mothers.size()];
        }
        while (next_ < persons)
            person(int(rng_() % kGenerations), int(rng_() % 2));
    }

private:
    Rod& tree_;
    std::mt19937 rng_;
    int next_ = 0;
};

inline std::unique_ptr<Rod> makeTree(int persons, bool withLists)
{
    auto tree = std::make_unique<Rod>();
    TreeBuilder(*tree, 42).build(persons);
    if (withLists) {
        tree->rebuildChildLists();
        tree->rebuildAllSiblingLists();
    }
    return tree;
}

} // namespace bench
