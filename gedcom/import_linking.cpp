#include "gedcom/import_linking.h"

#include "gedcom/import_parser.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "system/numbers.h"

#include <utility>
#include <vector>

namespace {

struct ParentLine {
    int father = 0;
    int mother = 0;
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
    for (const GFamily& f : parser.families()) {
        Clovek* husband = find(f.husband, f.husbandLine);
        Clovek* wife = find(f.wife, f.wifeLine);
        std::vector<std::pair<Clovek*, int>> children;
        bool refused = husband && husband == wife;
        for (const GFamily::Child& c : f.children) {
            const int childLine = c.line;
            Clovek* child = find(c.id, childLine);
            if (!child)
                continue;
            if (child == husband || child == wife)
                refused = true;
            children.emplace_back(child, childLine);
        }
        if (refused) {
            log.logError(f.line, "rodina, v níž je osoba svým vlastním partnerem nebo rodičem, vynechána");
            continue;
        }
        for (const auto& [child, childLine] : children) {
            ParentLine& at = parentLines[size_t(child->number)];
            for (auto [parent, slot, line] : {std::tuple{husband, &child->father, &at.father},
                                              std::tuple{wife, &child->mother, &at.mother}}) {
                if (!parent || *slot == parent)
                    continue;
                if (*slot) {
                    log.logError(childLine, "osoba @" + child->importId + "@ už má rodiče z jiné rodiny, @" +
                                                parent->importId + "@ vynechán(a)");
                    continue;
                }
                *slot = parent;
                *line = childLine;
            }
        }
        if (!husband || !wife)
            continue;
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
        husband->partnerships.append(std::make_unique<UkSvatba>(s));
        wife->partnerships.append(std::make_unique<UkSvatba>(s));
        ++made;
    }
    dropAncestorCycles(tree, byNumber, parentLines, log);
    return made;
}
