#include "gedcom/import_linking.h"

#include "gedcom/import_parser.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "system/numbers.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

struct ParentLine {
    int father = 0;
    int mother = 0;
    // The families that gave each parent, by index; -1 for none.
    int32_t fatherFamily = -1;
    int32_t motherFamily = -1;
};

// Drops every parent link that closes a cycle of ancestry, walking the persons in chain order
// and each one's father before its mother, without recursion.
void dropAncestorCycles(Rod& tree, std::vector<Clovek*>& byNumber, const std::vector<ParentLine>& lines,
                        LexAn& log)
{
    enum : uint8_t { unseen, onPath, done };
    std::vector<uint8_t> state(byNumber.size(), unseen);
    struct Frame {
        Clovek* person;
        int step; // 0 father next, 1 mother next, 2 finished
    };
    std::vector<Frame> stack;
    tree.forEachPerson([&](Clovek* start) {
        if (state[size_t(start->number)] != unseen)
            return;
        stack.push_back({start, 0});
        state[size_t(start->number)] = onPath;
        while (!stack.empty()) {
            Frame& top = stack.back();
            if (top.step == 2) {
                state[size_t(top.person->number)] = done;
                stack.pop_back();
                continue;
            }
            const bool father = top.step == 0;
            ++top.step;
            Clovek*& parent = father ? top.person->father : top.person->mother;
            if (!parent)
                continue;
            uint8_t& s = state[size_t(parent->number)];
            if (s == onPath) {
                const ParentLine& at = lines[size_t(top.person->number)];
                log.logError(father ? at.father : at.mother,
                             std::string(father ? "otec" : "matka") + " @" + parent->importId + "@ osoby @" +
                                 top.person->importId + "@ by byl(a) jejím předkem, vztah vynechán");
                parent = nullptr;
            } else if (s == unseen) {
                s = onPath;
                stack.push_back({parent, 0});
            }
        }
    });
}

// A family without two partners makes no partnership: what it held of one is told, and so is a
// family of one partner and no child, which leaves nothing in the tree.
void logUnpairedFamily(const GFamily& f, const Clovek* partner, bool childless, LexAn& log)
{
    std::vector<std::string> held;
    if (f.married || f.divorced) {
        const std::string date = importedDateText(f.marriage);
        held.push_back(f.married ? "sňatek" + (date.empty() ? "" : " " + date) : "manželství");
        if (!f.marriagePlace.empty())
            held.push_back(f.marriagePlace);
        if (f.people && !f.people->officiant.empty())
            held.push_back("oddávající " + f.people->officiant);
        if (f.people && !f.people->witnesses.empty())
            held.push_back("svědkové " + f.people->witnesses);
        if (f.divorced)
            held.push_back("rozvod" +
                           (importedDateText(f.divorce).empty() ? "" : " " + importedDateText(f.divorce)));
    }
    std::string what;
    for (const std::string& h : held)
        what += (what.empty() ? "" : ", ") + h;
    if (partner && childless)
        log.logError(f.line, "rodina jen s partnerem @" + partner->importId.str() + "@ a bez dětí vynechána" +
                                 (what.empty() ? "" : " (" + what + ")"));
    else if (!what.empty())
        log.logError(f.line, "rodina nemá dva partnery, údaje o svazku vynechány (" + what + ")");
}

// Each person whose FAMS lines name two or more families gets its partnerships in their order;
// one whose FAMS lines leave a family out has it after them, in the order of the records. Each
// partnership's order key holds the index of its family.
void orderAsFamsLines(const ImportParser& parser)
{
    const auto& links = parser.spouseOrder();
    std::unordered_map<size_t, int32_t> rank;
    for (size_t k = 0; k < links.size();) {
        Clovek* person = links[k].person;
        rank.clear();
        for (; k < links.size() && links[k].person == person; ++k)
            rank.try_emplace(links[k].family, int32_t(rank.size()));
        if (person->partnerships.count() < 2)
            continue;
        const auto unnamed = int32_t(rank.size());
        int32_t after = 0;
        for (UkSvatba* e : person->partnerships.items<UkSvatba>()) {
            const auto found = rank.find(size_t(e->orderKey));
            e->orderKey = found != rank.end() ? found->second : unnamed + after++;
        }
        person->partnerships.sort();
    }
}

} // namespace

int linkImportedFamilies(Rod& tree, ImportParser& parser, const ImportOptions& options, LexAn& log)
{
    std::vector<Clovek*> byNumber;
    byNumber.reserve(size_t(tree.personCount()));
    int number = 0;
    tree.forEachPerson([&](Clovek* p) {
        p->number = number++;
        byNumber.push_back(p);
        if ((p->sex == 1 && options.manCopy) || (p->sex == 0 && options.womanCopy)) {
            if (p->surname.empty())
                p->surname = p->birthSurname;
            if (p->birthSurname.empty())
                p->birthSurname = p->surname;
        }
    });

    const auto& persons = parser.persons();
    auto find = [&](const std::string& id, int line) -> Clovek* {
        if (id.empty())
            return nullptr;
        Clovek* person = persons.find(id);
        if (!person)
            log.logError(line, "osoba @" + id + "@ nenalezena");
        return person;
    };

    std::vector<ParentLine> parentLines(byNumber.size());
    int made = 0;
    const std::vector<GFamily>& families = parser.families();
    std::vector<bool> oneParentFamily(families.size());
    for (size_t fi = 0; fi < families.size(); ++fi) {
        const GFamily& f = families[fi];
        Clovek* husband = find(f.husband, f.husbandLine);
        Clovek* wife = find(f.wife, f.wifeLine);
        std::vector<std::pair<Clovek*, int>> children;
        if (husband && husband == wife) {
            log.logError(f.line, "rodina, v níž je osoba svým vlastním partnerem, vynechána");
            continue;
        }
        for (const GFamily::Child& c : f.children) {
            const int childLine = c.line;
            Clovek* child = find(c.id, childLine);
            if (!child)
                continue;
            // A partner named as the family's child too: that link alone is wrong, the couple
            // and the other children stay.
            if (child == husband || child == wife) {
                log.logError(childLine, "osoba @" + child->importId +
                                            "@ je v rodině partnerem i dítětem, odkaz na dítě vynechán");
                continue;
            }
            children.emplace_back(child, childLine);
        }
        const bool oneParent = !husband != !wife;
        oneParentFamily[fi] = oneParent;
        for (const auto& [child, childLine] : children) {
            ParentLine& at = parentLines[size_t(child->number)];
            for (auto [parent, slot, line, family, otherFamily] :
                 {std::tuple{husband, &child->father, &at.father, &at.fatherFamily, at.motherFamily},
                  std::tuple{wife, &child->mother, &at.mother, &at.motherFamily, at.fatherFamily}}) {
                if (!parent || *slot == parent)
                    continue;
                if (*slot) {
                    log.logError(childLine, "osoba @" + child->importId + "@ už má rodiče z jiné rodiny, @" +
                                                parent->importId + "@ vynechán(a)");
                    continue;
                }
                *slot = parent;
                *line = childLine;
                *family = int32_t(fi);
                // The child's other parent came from another family of one parent: the tree
                // holds the child with both, so the two families become one couple.
                if (oneParent && otherFamily >= 0 && otherFamily != int32_t(fi) &&
                    oneParentFamily[size_t(otherFamily)])
                    log.logError(childLine, "rodiny @" + parser.familyRef(size_t(otherFamily)) + "@ a @" +
                                                parser.familyRef(fi) + "@ spojeny v jednu: dítě @" +
                                                child->importId + "@ má z jedné otce @" +
                                                child->father->importId + "@, z druhé matku @" +
                                                child->mother->importId + "@");
            }
        }
        if (!husband || !wife) {
            logUnpairedFamily(f, husband ? husband : wife, children.empty(), log);
            continue;
        }
        auto* s = new Svatba;
        s->partner1 = husband;
        s->partner2 = wife;
        // A divorce implies the marriage even when the file names no MARR.
        if (f.married || f.divorced) {
            s->type = f.divorced ? PartnershipType::divorced : PartnershipType::married;
            s->place = f.marriagePlace;
            if (f.people) {
                s->officiant = f.people->officiant;
                s->witnesses = f.people->witnesses;
            }
            storeImportedDate(s->wedding, f.marriage);
            storeImportedDate(s->divorce, f.divorce);
        }
        // The family's place among the records, until the partners' own order is known.
        for (Clovek* partner : {husband, wife})
            partner->partnerships.append(std::make_unique<UkSvatba>(s))->orderKey = int32_t(fi);
        ++made;
    }
    orderAsFamsLines(parser);
    tree.forEachPerson([](Clovek* p) {
        int32_t key = 0;
        for (UkSvatba* e : p->partnerships.items<UkSvatba>())
            e->orderKey = key++;
    });
    dropAncestorCycles(tree, byNumber, parentLines, log);
    return made;
}
