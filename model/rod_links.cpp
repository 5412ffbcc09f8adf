// Family links across the tree: relinking after the older format, the derived child and sibling
// lists, and the cycle test.
#include "model/chain_index.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

#include <unordered_set>
#include <vector>

void Rod::relinkParentsAndPartners()
{
    const ChainIndex chain(firstPerson);
    std::unordered_set<Clovek*> destroyed;
    auto resolve = [&](Clovek* placeholder) -> Clovek* {
        if (!placeholder || inChain(placeholder))
            return placeholder;
        Clovek* person = chain.find(placeholder->number);
        if (destroyed.insert(placeholder).second)
            delete placeholder;
        return person;
    };
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        p->mother = resolve(p->mother);
        p->father = resolve(p->father);
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            Svatba* s = e->partnership;
            if (s && s->otherPartner(p))
                s->partner2 = resolve(s->otherPartner(p));
        }
    }
}

void Rod::rebuildChildLists()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        if (p->father)
            p->father->children.append(std::make_unique<UkClovek>(p));
        if (p->mother)
            p->mother->children.append(std::make_unique<UkClovek>(p));
    }
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        p->children.sort();
}

void Rod::rebuildSiblingList(Clovek* person)
{
    if (!person)
        return;
    // A list left for later is made whole by its first use; sorting it a second time could
    // move siblings whose births cannot be compared.
    if (person->siblingListBuilt())
        person->addMissingSiblings();
    else
        person->buildSiblingList();
}

void Rod::rebuildAllSiblingLists()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        rebuildSiblingList(p);
}

void Rod::buildSiblingListsOnFirstUse()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        if (!p->siblings_ || p->siblings_->count() == 0) {
            p->siblings_.reset();
            p->siblingsPending_ = 1;
        } else {
            rebuildSiblingList(p);
        }
}

bool Rod::hasAncestorCycle(const Clovek* parent) const
{
    if (!parent)
        return false;
    std::unordered_set<const Clovek*> visited;
    std::vector<const Clovek*> stack{parent};
    while (!stack.empty()) {
        const Clovek* p = stack.back();
        stack.pop_back();
        if (p->father == parent || p->mother == parent)
            return true;
        if (!visited.insert(p).second)
            continue;
        if (p->mother)
            stack.push_back(p->mother);
        if (p->father)
            stack.push_back(p->father);
    }
    return false;
}

// A person is among its own ancestors exactly when it lies on a cycle of parent links: in a
// strongly connected group of more than one person, or its own parent. The groups are found in
// one pass (Tarjan's method, without recursion); the ancestor test then runs once, on the first
// such person of the chain (or the last person when there is none), so the marks end as a test
// of every person in turn would leave them.
bool Rod::hasAncestorCycle()
{
    if (!firstPerson)
        return false;
    const uint64_t stamp = Clovek::nextWalkStamp();
    std::vector<const Clovek*> nodes;
    auto idOf = [&](const Clovek* p) {
        if (p->seenStamp_ != stamp) {
            p->seenStamp_ = stamp;
            p->walkValue_ = int(nodes.size());
            nodes.push_back(p);
        }
        return int(p->walkValue_);
    };
    Clovek* last = nullptr;
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        idOf(p);
        last = p;
    }

    std::vector<int> index, low;
    std::vector<char> onStack, onCycle;
    auto grow = [&] {
        index.resize(nodes.size(), -1);
        low.resize(nodes.size(), 0);
        onStack.resize(nodes.size(), 0);
        onCycle.resize(nodes.size(), 0);
    };
    grow();
    std::vector<int> sccStack;
    struct Frame {
        int v;
        int edge;
    };
    std::vector<Frame> calls;
    int counter = 0;
    for (size_t root = 0; root < nodes.size(); ++root) {
        if (index[root] >= 0)
            continue;
        calls.push_back({int(root), 0});
        index[root] = low[root] = counter++;
        sccStack.push_back(int(root));
        onStack[root] = 1;
        while (!calls.empty()) {
            Frame& f = calls.back();
            const Clovek* p = nodes[f.v];
            const Clovek* parents[2] = {p->father, p->mother};
            if (f.edge < 2) {
                const Clovek* q = parents[f.edge++];
                if (!q)
                    continue;
                int w = idOf(q);
                grow();
                if (index[w] < 0) {
                    index[w] = low[w] = counter++;
                    sccStack.push_back(w);
                    onStack[w] = 1;
                    calls.push_back({w, 0});
                } else if (onStack[w]) {
                    low[f.v] = std::min(low[f.v], index[w]);
                }
                continue;
            }
            int v = f.v;
            calls.pop_back();
            if (!calls.empty())
                low[calls.back().v] = std::min(low[calls.back().v], low[v]);
            if (low[v] == index[v]) {
                std::vector<int> members;
                int w;
                do {
                    w = sccStack.back();
                    sccStack.pop_back();
                    onStack[w] = 0;
                    members.push_back(w);
                } while (w != v);
                bool cycle = members.size() > 1 || p->father == p || p->mother == p;
                if (cycle)
                    for (int m : members)
                        onCycle[m] = 1;
            }
        }
    }

    Clovek* found = nullptr;
    for (Clovek* p = firstPerson; p && !found; p = p->chainNext)
        if (onCycle[p->walkValue_])
            found = p;
    Clovek* tested = found ? found : last;
    clearMarks();
    tested->isAncestor(tested);
    return found != nullptr;
}
