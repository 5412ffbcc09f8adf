#pragma once
// The made-up trees of the benchmarks, the same on every run: generations of couples with a few
// children each, built person by person from bench/tree_parts.h, so 100,000 take moments.
// TreeBuilder adds cousins marrying now and then, one father of five thousand and persons without
// kin; buildFamilies is the plainer tree of couples with two to four children each.
#include "bench/tree_parts.h"
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

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
    TreeBuilder(Rod& tree, int seed) : tree_(tree), rng_(seed) { }

    Clovek* person(int generation, int sex)
    {
        auto pOwned = std::make_unique<Clovek>();
        Clovek* p = pOwned.get();
        p->firstName = "Jméno" + std::to_string(rng_() % 300);
        p->surname = "Příjmení" + std::to_string(rng_() % 500);
        p->sex = uint8_t(sex);
        int year = 1400 + 25 * generation + int(rng_() % 20);
        p->birth = Datum(rng_() % 10 ? std::to_string(1 + rng_() % 28) : "?",
                         rng_() % 10 ? std::to_string(1 + rng_() % 12) : "?",
                         rng_() % 30 ? std::to_string(year) : "?");
        return appendNumbered(tree_, std::move(pOwned), next_++, "I");
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
            for (size_t c = 0;
                 c < couples && int(current.size()) < perGeneration && next_ < persons - kBigFamily - 60;
                 ++c) {
                Clovek* man = men[c];
                Clovek* woman = rng_() % 8 ? women[c] : person(g - 1, 0);
                marry(man, woman);
                int kids = 1 + int(rng_() % 5);
                for (int k = 0; k < kids; ++k) {
                    Clovek* child = person(g, int(rng_() % 2));
                    setParents(child, man, woman);
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
            setParents(person(21, int(rng_() % 2)), father, mothers[k % mothers.size()]);
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

// Couples of one generation have two to four children in the next; a few persons have no
// birth date or only a year, as in a real tree.
inline void buildFamilies(Rod& tree, int persons)
{
    std::mt19937 rng(17);
    std::vector<Clovek*> generation;
    int generationNumber = 0;
    auto person = [&](int sex) {
        auto pOwned = std::make_unique<Clovek>();
        Clovek* p = pOwned.get();
        p->firstName = "Jméno" + std::to_string(rng() % 400);
        p->surname = "Příjmení" + std::to_string(rng() % 900);
        p->sex = uint8_t(sex);
        const int year = 1500 + 25 * generationNumber + int(rng() % 20);
        p->birth =
            Datum(rng() % 8 ? std::to_string(1 + rng() % 28) : "?",
                  rng() % 8 ? std::to_string(1 + rng() % 12) : "?", rng() % 20 ? std::to_string(year) : "?");
        // Numbered as a new person would be (the lowest free number), without its search.
        return appendNumbered(tree, std::move(pOwned), tree.personCount());
    };
    for (int i = 0; i < 200; ++i)
        generation.push_back(person(i % 2));
    while (tree.personCount() < persons) {
        ++generationNumber;
        std::vector<Clovek*> next;
        for (size_t i = 0; i + 1 < generation.size() && tree.personCount() < persons; i += 2) {
            Clovek* man = generation[i]->sex ? generation[i] : generation[i + 1];
            Clovek* woman = man == generation[i] ? generation[i + 1] : generation[i];
            marry(man, woman);
            for (int k = 2 + int(rng() % 3); k > 0 && tree.personCount() < persons; --k) {
                next.push_back(person(int(rng() % 2)));
                setParents(next.back(), man, woman);
            }
        }
        std::shuffle(next.begin(), next.end(), rng);
        generation = next;
    }
}

// What exports and statistics read beyond names and births: places, deaths of the older
// generations, wedding dates and places, an education, an occupation and a residence, and the
// child lists the loader would build.
inline void addLifeDetails(Rod& tree)
{
    std::mt19937 rng(23);
    tree.rebuildChildLists();
    for (Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        p->birthPlace = "Místo " + std::to_string(rng() % 700);
        if (!Datum::isUnknown(p->birth.year) && std::stoi(p->birth.year) < 1950) {
            p->alive = 0;
            p->death = Datum(std::to_string(1 + rng() % 28), std::to_string(1 + rng() % 12),
                             std::to_string(std::stoi(p->birth.year) + 30 + int(rng() % 60)));
            p->deathPlace = "Místo " + std::to_string(rng() % 700);
        }
        if (rng() % 3 == 0) {
            auto e = std::make_unique<CasoveObdobi>("Škola " + std::to_string(rng() % 50));
            e->from = "1900";
            p->educations.append(std::move(e));
            p->occupations.append(std::make_unique<CasoveObdobi>("Řemeslo " + std::to_string(rng() % 80)));
            p->residences.append(std::make_unique<CasoveObdobi>("Ulice " + std::to_string(rng() % 900)));
        }
        for (UkSvatba* e : p->partnerships.items<UkSvatba>())
            if (e->partnership->partner1 == p && !Datum::isUnknown(p->birth.year)) {
                e->partnership->wedding =
                    Datum(std::to_string(1 + rng() % 28), std::to_string(1 + rng() % 12),
                          std::to_string(std::stoi(p->birth.year) + 20 + int(rng() % 10)));
                e->partnership->place = "Kostel " + std::to_string(rng() % 300);
            }
    }
}

} // namespace bench
