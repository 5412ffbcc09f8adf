#pragma once
// A synthetic tree of the size the benches need, the same on every run: generations of couples
// with their children.
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

// Couples of one generation have two to four children in the next; a few persons have no
// birth date or only a year, as in a real tree.
inline void buildFamilies(Rod& tree, int persons)
{
    std::mt19937 rng(17);
    std::vector<Clovek*> generation;
    int generationNumber = 0;
    auto person = [&](int sex) {
        auto* p = new Clovek;
        p->firstName = "Jméno" + std::to_string(rng() % 400);
        p->surname = "Příjmení" + std::to_string(rng() % 900);
        p->sex = uint8_t(sex);
        const int year = 1500 + 25 * generationNumber + int(rng() % 20);
        p->birth = Datum(rng() % 8 ? std::to_string(1 + rng() % 28) : "?",
                         rng() % 8 ? std::to_string(1 + rng() % 12) : "?",
                         rng() % 20 ? std::to_string(year) : "?");
        // Numbered as a new person would be (the lowest free number), without its search.
        p->number = tree.personCount();
        p->identifier = std::to_string(p->number);
        tree.appendPerson(p);
        return p;
    };
    for (int i = 0; i < 200; ++i)
        generation.push_back(person(i % 2));
    while (tree.personCount() < persons) {
        ++generationNumber;
        std::vector<Clovek*> next;
        for (size_t i = 0; i + 1 < generation.size() && tree.personCount() < persons; i += 2) {
            Clovek* man = generation[i]->sex ? generation[i] : generation[i + 1];
            Clovek* woman = man == generation[i] ? generation[i + 1] : generation[i];
            auto* s = new Svatba;
            s->partner1 = man;
            s->partner2 = woman;
            s->type = 1;
            man->partnerships.append(new UkSvatba(s));
            woman->partnerships.append(new UkSvatba(s));
            for (int k = 2 + int(rng() % 3); k > 0 && tree.personCount() < persons; --k) {
                Clovek* child = person(int(rng() % 2));
                child->father = man;
                child->mother = woman;
                next.push_back(child);
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
            auto* e = new CasoveObdobi("Škola " + std::to_string(rng() % 50));
            e->from = "1900";
            p->educations.append(e);
            p->occupations.append(new CasoveObdobi("Řemeslo " + std::to_string(rng() % 80)));
            p->residences.append(new CasoveObdobi("Ulice " + std::to_string(rng() % 900)));
        }
        for (UkSvatba* e : p->partnerships.items<UkSvatba>())
            if (e->partnership->partner1 == p && !Datum::isUnknown(p->birth.year)) {
                e->partnership->wedding = Datum(std::to_string(1 + rng() % 28), std::to_string(1 + rng() % 12),
                                                std::to_string(std::stoi(p->birth.year) + 20 + int(rng() % 10)));
                e->partnership->place = "Kostel " + std::to_string(rng() % 300);
            }
    }
}
