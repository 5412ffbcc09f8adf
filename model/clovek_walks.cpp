// Walks over ancestors and descendants. None of them recurse, so a line of ancestry a hundred
// thousand generations deep is walked like a short one, and a cycle ends the walk.
#include "model/clovek.h"
#include "model/generations.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "system/datetime.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int kInProgress = -1;
}

GenerationCounter::GenerationCounter() : stamp_(Clovek::nextWalkStamp()) { }

// A person's depth is kept in its walk scratch while the scratch carries this counter's stamp.
int GenerationCounter::of(const Clovek* start)
{
    if (!start)
        return 0;
    if (start->seenStamp_ == stamp_ && start->walkValue_ >= 0)
        return start->walkValue_;
    std::vector<const Clovek*> stack{start};
    start->seenStamp_ = stamp_;
    start->walkValue_ = kInProgress;
    while (!stack.empty()) {
        const Clovek* p = stack.back();
        const Clovek* next = nullptr;
        for (const Clovek* parent : {p->father, p->mother})
            if (parent && parent->seenStamp_ != stamp_) {
                parent->seenStamp_ = stamp_;
                parent->walkValue_ = kInProgress;
                next = parent;
                break;
            }
        if (next) {
            stack.push_back(next);
            continue;
        }
        int d = 0;
        for (const Clovek* parent : {p->father, p->mother})
            if (parent && parent->walkValue_ >= 0)
                d = std::max(d, parent->walkValue_ + 1);
        p->walkValue_ = d;
        stack.pop_back();
    }
    return start->walkValue_;
}

int Clovek::generations() const
{
    GenerationCounter counter;
    return counter.of(this);
}

// The marks are the visited flags; the order of the walk (father's line before mother's) is the
// one a recursive walk takes, so the marks it leaves are the same.
bool Clovek::isAncestor(const Clovek* sought)
{
    std::vector<Clovek*> stack{this};
    while (!stack.empty()) {
        Clovek* p = stack.back();
        stack.pop_back();
        if (sought && (sought == p->father || sought == p->mother))
            return true;
        if (p->mark)
            continue;
        p->mark = 1;
        if (p->mother)
            stack.push_back(p->mother);
        if (p->father)
            stack.push_back(p->father);
    }
    return false;
}

void Clovek::markAncestors()
{
    std::vector<Clovek*> stack{this};
    while (!stack.empty()) {
        Clovek* p = stack.back();
        stack.pop_back();
        for (Clovek* parent : {p->father, p->mother})
            if (parent && !parent->mark) {
                parent->mark = 1;
                stack.push_back(parent);
            }
    }
}

void Clovek::markDescendants()
{
    std::vector<Clovek*> stack{this};
    while (!stack.empty()) {
        Clovek* p = stack.back();
        stack.pop_back();
        for (UkClovek* e : p->children.items<UkClovek>()) {
            Clovek* child = e->person();
            if (child && !child->mark) {
                child->mark = 1;
                stack.push_back(child);
            }
        }
    }
}

int64_t Clovek::ageInDays() const
{
    Datum end = alive ? Datum(today()) : death;
    // A part that is no number counts as unknown.
    int y1, y2, m1, m2, d1, d2;
    if (!datePartNumber(birth.year, y1) || !datePartNumber(end.year, y2))
        return -1;
    int64_t days = (int64_t(y2) - y1) * 365;
    if (datePartNumber(birth.month, m1) && datePartNumber(end.month, m2)) {
        days += (int64_t(m2) - m1) * 30;
        if (datePartNumber(birth.day, d1) && datePartNumber(end.day, d2))
            days += int64_t(d2) - d1;
    }
    return days;
}

Svatba* Clovek::firstWedding() const
{
    Svatba* best = nullptr;
    for (UkSvatba* e : partnerships.items<UkSvatba>()) {
        Svatba* s = e->partnership;
        if (!s || s->wedding.completeness() == 0)
            continue;
        if (!best || best->wedding.isAfter(s->wedding))
            best = s;
    }
    return best;
}

Clovek* Clovek::firstChild() const
{
    Clovek* best = nullptr;
    for (UkClovek* e : children.items<UkClovek>()) {
        Clovek* c = e->person();
        if (!c || c->birth.completeness() == 0)
            continue;
        if (!best || best->birth.isAfter(c->birth))
            best = c;
    }
    return best;
}
