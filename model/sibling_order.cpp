#include "model/sibling_order.h"

#include "model/clovek.h"
#include "model/prvky.h"
#include "model/uk_clovek.h"

#include <memory>
#include <unordered_set>

void SiblingOrder::forget()
{
    walked_ = false;
    family_.clear();
}

void SiblingOrder::walkFamily(const Clovek* father, const Clovek* mother)
{
    if (walked_ && father == father_ && mother == mother_)
        return;
    walked_ = true;
    father_ = father;
    mother_ = mother;
    family_.clear();
    std::unordered_set<const Clovek*> listed;
    for (const Clovek* parent : {father, mother}) {
        if (!parent)
            continue;
        for (UkClovek* e : parent->children.items<UkClovek>()) {
            Clovek* child = e->person();
            if (child && listed.insert(child).second)
                family_.push_back(child);
        }
    }
    settled_ = true;
    for (size_t i = 1; i < family_.size() && settled_; ++i)
        settled_ = !family_[i]->birth.isBefore(family_[i - 1]->birth);
}

void SiblingOrder::sortLikeTheList(const std::vector<Clovek*>& input)
{
    Prvky list;
    for (Clovek* c : input)
        list.append(std::make_unique<UkClovek>(c));
    list.sort();
    siblings_.clear();
    for (UkClovek* e : list.items<UkClovek>())
        siblings_.push_back(e->person());
}

const std::vector<Clovek*>& SiblingOrder::of(const Clovek& person)
{
    siblings_.clear();
    if (person.siblingListBuilt()) {
        for (UkClovek* e : person.siblings().items<UkClovek>())
            siblings_.push_back(e->person());
        return siblings_;
    }
    // The waiting list is the family without the person, sorted by birth; when no neighbour
    // of the family would move, and the two the person stood between would not either, the
    // sort leaves it as it is.
    walkFamily(person.father, person.mother);
    size_t at = family_.size();
    siblings_.reserve(family_.size());
    for (size_t i = 0; i < family_.size(); ++i) {
        if (family_[i] == &person)
            at = i;
        else
            siblings_.push_back(family_[i]);
    }
    const bool stays = settled_ && (at == 0 || at + 1 >= family_.size() ||
                                    !family_[at + 1]->birth.isBefore(family_[at - 1]->birth));
    if (!stays) {
        const std::vector<Clovek*> input = siblings_;
        sortLikeTheList(input);
    }
    return siblings_;
}
