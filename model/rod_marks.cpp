// Selection and pass marks over the whole tree, as the group and bulk dialogs extend them.
#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

void Rod::setAllMarks(uint8_t value)
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        p->mark = value;
}

void Rod::invertMarks()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        p->mark = !p->mark;
}

void Rod::markAncestors()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        if (p->mark)
            p->markAncestors();
    }
}

void Rod::markDescendants()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        if (p->mark)
            p->markDescendants();
    }
}

void Rod::markPartners()
{
    setAllPassMarks(0);
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        if (p->mark && !p->passMark)
            p->markPartnersOnce();
    }
}

void Rod::markSiblings()
{
    setAllPassMarks(0);
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        if (p->mark && !p->passMark)
            p->markSiblingsOnce();
    }
}

void Rod::setAllPassMarks(uint8_t value)
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        p->passMark = value;
}

std::vector<std::pair<std::string, bool>> Rod::markRows(const DisplaySettings& settings) const
{
    std::vector<std::pair<std::string, bool>> rows;
    rows.reserve(static_cast<size_t>(personCount()));
    for (const Clovek* p = firstPerson; p; p = p->chainNext)
        rows.emplace_back(p->displayName(settings.showBirthSurname(), true, true), p->mark != 0);
    return rows;
}

namespace {

void markOnce(Clovek* person)
{
    if (person && !person->mark) {
        person->mark = 1;
        person->passMark = 1;
    }
}

} // namespace

void Clovek::markPartnersOnce()
{
    for (UkSvatba* e : partnerships.items<UkSvatba>()) {
        if (e->partnership)
            markOnce(e->partnership->otherPartner(this));
    }
}

void Clovek::markSiblingsOnce()
{
    for (UkClovek* e : siblings().items<UkClovek>())
        markOnce(e->person());
}
