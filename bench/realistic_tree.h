#pragma once
// A made-up tree that looks like one a person keeps for years: generations of couples with one
// to five children, wives and husbands marrying in from outside, second marriages, some
// persons without kin; identifiers, occupations, residences and notes on many, half of them
// dead, dates partly unknown, a few groups, no media. Every person is numbered and added at
// the head of the chain as a loader adds them, so 100,000 persons build in moments.
#include "bench/tree_parts.h"
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

namespace bench {

class RealisticTree {
public:
    RealisticTree(Rod& tree, unsigned seed) : tree_(tree), rng_(seed) { }

    void build(int persons)
    {
        const int perGeneration = std::max(20, persons / 12);
        std::vector<Clovek*> previous;
        int generation = 0;
        for (int i = 0; i < perGeneration && next_ < persons; ++i)
            previous.push_back(person(generation, i % 2));
        while (next_ < persons) {
            ++generation;
            std::shuffle(previous.begin(), previous.end(), rng_);
            std::vector<Clovek*> men, women, current;
            for (Clovek* p : previous)
                (p->sex ? men : women).push_back(p);
            const size_t couples = std::min(men.size(), women.size());
            for (size_t c = 0; c < couples && next_ < persons; ++c) {
                Clovek* man = men[c];
                // One in six marries someone from outside the tree's families.
                Clovek* woman = pick(6) ? person(generation - 1, 0) : women[c];
                marry(man, woman);
                if (pick(12) && next_ < persons)
                    marry(man, person(generation - 1, 0)); // a second marriage
                for (int k = 1 + int(rng_() % 5); k > 0 && next_ < persons; --k) {
                    Clovek* child = person(generation, int(rng_() % 2));
                    child->father = man;
                    // Now and then only one parent is known.
                    if (!pick(25))
                        child->mother = woman;
                    current.push_back(child);
                }
            }
            // A line that died out is replaced by a few persons without kin.
            for (int i = 0; i < 3 && next_ < persons; ++i)
                current.push_back(person(generation, int(rng_() % 2)));
            previous = std::move(current);
            if (previous.size() < 4)
                for (int i = 0; i < 20 && next_ < persons; ++i)
                    previous.push_back(person(generation, i % 2));
        }
        addGroups();
    }

private:
    bool pick(int oneIn) { return rng_() % unsigned(oneIn) == 0; }
    template<size_t N> const char* any(const std::array<const char*, N>& values)
    {
        return values[rng_() % N];
    }
    std::string maybe(int unknownOneIn, int value)
    {
        return pick(unknownOneIn) ? "?" : std::to_string(value);
    }

    Clovek* person(int generation, int sex)
    {
        static constexpr std::array<const char*, 12> men{"Jan",  "Josef",  "Václav",  "František",
                                                         "Jiří", "Karel",  "Antonín", "Tomáš",
                                                         "Petr", "Martin", "Vojtěch", "Matěj"};
        static constexpr std::array<const char*, 12> women{"Marie",    "Anna",      "Ludmila", "Božena",
                                                           "Kateřina", "Alžběta",   "Dorota",  "Johana",
                                                           "Terezie",  "Magdalena", "Barbora", "Zdeňka"};
        static constexpr std::array<const char*, 10> places{
            "Kolín",   "Kutná Hora", "Čáslav",    "Pardubice",       "Přelouč",
            "Chrudim", "Nymburk",    "Poděbrady", "Týnec nad Labem", "Žleby"};
        static constexpr std::array<const char*, 10> trades{"rolník",    "chalupník", "tkadlec", "kovář",
                                                            "mlynář",    "učitel",    "truhlář", "nádeník",
                                                            "obchodník", "švec"};
        auto pOwned = std::make_unique<Clovek>();
        Clovek* p = pOwned.get();
        p->sex = uint8_t(sex);
        p->firstName = sex ? any(men) : any(women);
        const std::string surname = "Příjmení" + std::to_string(rng_() % 700);
        if (sex)
            p->surname = surname;
        else if (pick(3))
            p->surname = surname + "ová";
        else {
            p->surname = surname + "ová";
            p->birthSurname = "Rodná" + std::to_string(rng_() % 500) + "ová";
        }
        const int year = 1650 + 22 * generation + int(rng_() % 15);
        if (!pick(15))
            p->birth = Datum(maybe(6, 1 + int(rng_() % 28)), maybe(6, 1 + int(rng_() % 12)), maybe(20, year));
        p->birth.about = pick(20);
        if (!pick(4))
            p->birthPlace = any(places);
        if (year < 1930 || pick(2)) {
            p->alive = 0;
            if (!pick(4))
                p->death = Datum(maybe(4, 1 + int(rng_() % 28)), maybe(4, 1 + int(rng_() % 12)),
                                 maybe(8, year + 1 + int(rng_() % 80)));
            if (pick(2))
                p->deathPlace = any(places);
            if (pick(5))
                p->deathCause = "zápal plic";
            if (pick(4))
                p->burial = "hřbitov " + std::string(any(places));
        }
        if (pick(2))
            p->religion = "římskokatolické";
        if (pick(3))
            p->occupations.append(std::make_unique<CasoveObdobi>(any(trades)));
        if (pick(5)) {
            auto home = std::make_unique<CasoveObdobi>(std::string(any(places)) + " čp. " +
                                                       std::to_string(1 + rng_() % 200));
            home->from = std::to_string(year + 20);
            p->residences.append(std::move(home));
        }
        if (pick(4))
            p->setFurtherTexts({"Zapsán v matrice farnosti " + std::string(any(places)) + ".",
                                "Podle vyprávění rodiny žil v domě po rodičích."});
        if (pick(6))
            p->setRegisterNotes(
                {"Matrika N " + std::to_string(rng_() % 40) + ", fol. " + std::to_string(rng_() % 300)});
        appendNumbered(tree_, std::move(pOwned), next_++, "I");
        all_.push_back(p);
        return p;
    }

    void marry(Clovek* a, Clovek* b)
    {
        Svatba* s = bench::marry(a, b);
        if (!pick(5)) {
            const int year = std::max(
                a->birth.year == "?" || a->birth.year.empty() ? 1700 : std::stoi(a->birth.year) + 22, 1650);
            s->wedding =
                Datum(maybe(5, 1 + int(rng_() % 28)), maybe(5, 1 + int(rng_() % 12)), std::to_string(year));
            if (pick(2))
                s->place = "Kolín";
        }
    }

    // A few groups of a hundredth of the tree each, such as a branch someone researches.
    void addGroups()
    {
        for (const char* name : {"Větev z Kolína", "Hledat v matrikách", "Vojáci", "Emigranti"}) {
            auto group = std::make_unique<Group>(name);
            for (Clovek* p : all_)
                if (pick(100))
                    group->members.append(std::make_unique<UkGrClovek>(p));
            tree_.groups.append(std::move(group));
        }
    }

    Rod& tree_;
    std::mt19937 rng_;
    int next_ = 0;
    std::vector<Clovek*> all_;
};

} // namespace bench
