// The GEDCOM import: any bytes as a GEDCOM file, imported into a new tree with the default
// options; whatever the file, the tree it makes is sound. Seeds: fuzz/seeds/gedcom_import and
// the real files of ../shared/gedcom/ (scripts/fuzz.sh gedcom_import).
// The checks cost what the import costs, linear in the tree: a person with 100,000 partnerships
// or a family of 50,000 children is an input like any other, not a timeout of the harness.
#include "gedcom/import_driver.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unordered_map>

namespace {

// Who lists a partnership: its first partner, its second, someone else.
enum Listed : uint8_t { byPartner1 = 1, byPartner2 = 2, byOther = 4 };

// Every partnership has two distinct partners, and whoever lists it finds it in the other
// partner's list too (the first partner's, for one who is neither).
void checkPartnerships(const Rod& tree)
{
    std::unordered_map<const Svatba*, uint8_t> listed;
    tree.forEachPerson([&](const Clovek* p) {
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            const Svatba* s = e->partnership;
            if (!s || !s->partner1 || !s->partner2 || s->partner1 == s->partner2)
                std::abort();
            listed[s] |= p == s->partner1 ? byPartner1 : p == s->partner2 ? byPartner2 : byOther;
        }
    });
    for (const auto& [s, by] : listed) {
        if ((by & byPartner1) && !(by & byPartner2))
            std::abort();
        if ((by & (byPartner2 | byOther)) && !(by & byPartner1))
            std::abort();
    }
}

// A sibling list is made of the parents' children lists and the births of the children in
// them. A small family has its lists made; a big one (whose lists together grow with the square
// of its size) has its children lists read once instead, each entry's person and births, so
// that a stale entry is reached either way.
constexpr int madeUpTo = 64;

int childCount(const Clovek* parent)
{
    return parent ? parent->children.count() : 0;
}

void checkSiblingLists(Rod& tree)
{
    volatile int reached = 0;
    tree.forEachPerson([&](Clovek* p) {
        if (childCount(p->father) + childCount(p->mother) <= madeUpTo)
            tree.rebuildSiblingList(p);
        if (childCount(p) > madeUpTo)
            for (UkClovek* c : p->children.items<UkClovek>())
                if (const Clovek* child = c->person())
                    reached =
                        reached + (child->father == p) + (child->mother == p) + int(child->birth.year.size());
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    ImportResult result;
    {
        Rod tree;
        importGedcomBytes(result, bytes, tree, ImportOptions{});
        // Whatever the file, the tree is sound: no one is its own ancestor, every partnership
        // has two distinct partners who both list it.
        if (tree.hasAncestorCycle())
            std::abort();
        checkPartnerships(tree);
        tree.fillEmptyIdentifiers();
        tree.rebuildChildLists();
        checkSiblingLists(tree);
    }
    return 0;
}
