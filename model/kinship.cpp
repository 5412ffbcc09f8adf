// The relatives menu's queries. Every query walks the links of the person it is given and
// collects display names; one `DistinctTexts` serves a whole query, so a composite query that
// visits many children or siblings never re-reads the list it is filling.
#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/distinct_texts.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "system/stringlist.h"

namespace {

enum class Sex { man, woman, any };

bool hasSex(const Clovek* p, Sex sex)
{
    switch (sex) {
    case Sex::man:
        return p->sex == 1;
    case Sex::woman:
        return p->sex == 0;
    default:
        return true;
    }
}

class Relatives {
public:
    Relatives(TStringList& list, bool clear, const DisplaySettings& settings)
        : list_(clearedIf(list, clear)),
          out_(list_),
          birthSurname_(settings.showBirthSurname()),
          birthYear_(settings.showBirth())
    {
    }
    void done() { out_.flush(); }

    void add(const Clovek* p)
    {
        if (!p)
            return;
        p->displayNameInto(name_, birthSurname_, birthYear_, true);
        out_.add(name_);
    }

    // Every non-divorced partnership's other partner.
    template<class F> static void forEachPartner(const Clovek* p, F f)
    {
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            const Svatba* s = e->partnership;
            if (s && !s->isDivorced())
                if (Clovek* other = s->otherPartner(p))
                    f(other);
        }
    }
    template<class F> static void forEachSibling(const Clovek* p, F f)
    {
        for (UkClovek* e : p->siblings().items<UkClovek>())
            f(e->person());
    }
    template<class F> static void forEachChild(const Clovek* p, F f)
    {
        for (UkClovek* e : p->children.items<UkClovek>())
            f(e->person());
    }

    void partnersOf(const Clovek* p)
    {
        forEachPartner(p, [&](Clovek* o) { add(o); });
    }
    void siblings(const Clovek* p, Sex sex)
    {
        forEachSibling(p, [&](Clovek* s) {
            if (hasSex(s, sex))
                add(s);
        });
    }
    void children(const Clovek* p, Sex sex)
    {
        if (!p)
            return;
        forEachChild(p, [&](Clovek* c) {
            if (hasSex(c, sex))
                add(c);
        });
    }
    // A sibling of the wanted sex, or the partners of a sibling of the other sex.
    void siblingOrItsPartners(const Clovek* s, Sex sex)
    {
        if (sex == Sex::any) {
            add(s);
            partnersOf(s);
        } else if (hasSex(s, sex)) {
            add(s);
        } else if (hasSex(s, sex == Sex::man ? Sex::woman : Sex::man)) {
            partnersOf(s);
        }
    }
    void unclesOrAunts(const Clovek* p, Sex sex)
    {
        for (const Clovek* parent : {p->father, p->mother})
            if (parent)
                forEachSibling(parent, [&](Clovek* s) { siblingOrItsPartners(s, sex); });
    }
    void nephewsOrNieces(const Clovek* p, Sex sex)
    {
        if (!p)
            return;
        forEachSibling(p, [&](Clovek* s) { children(s, sex); });
        forEachPartner(p, [&](Clovek* o) { forEachSibling(o, [&](Clovek* s) { children(s, sex); }); });
    }
    // Nephews, then nieces: the two passes of the composite query, in its order.
    void nephewsThenNieces(const Clovek* p)
    {
        nephewsOrNieces(p, Sex::man);
        nephewsOrNieces(p, Sex::woman);
    }
    void childrenInLaw(const Clovek* p, Sex childSex)
    {
        forEachChild(p, [&](Clovek* c) {
            if (hasSex(c, childSex))
                partnersOf(c);
        });
    }
    void siblingsInLaw(const Clovek* p, Sex sex)
    {
        forEachPartner(
            p, [&](Clovek* o) { forEachSibling(o, [&](Clovek* s) { siblingOrItsPartners(s, sex); }); });
        // A sister's husband is a brother-in-law, a brother's wife a sister-in-law.
        Sex siblingSex = sex == Sex::man ? Sex::woman : sex == Sex::woman ? Sex::man : Sex::any;
        forEachSibling(p, [&](Clovek* s) {
            if (hasSex(s, siblingSex))
                partnersOf(s);
        });
    }

private:
    static TStringList& clearedIf(TStringList& list, bool clear)
    {
        if (clear)
            list.Clear();
        return list;
    }

    TStringList& list_;
    DistinctTexts out_;
    bool birthSurname_;
    bool birthYear_;
    std::string name_;
};

template<class F> void query(TStringList& list, bool clear, const DisplaySettings& settings, F f)
{
    Relatives r(list, clear, settings);
    f(r);
    r.done();
}

} // namespace

void Rod::listBrothers(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.siblings(p, Sex::man); });
}

void Rod::listSisters(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.siblings(p, Sex::woman); });
}

void Rod::listSiblings(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.siblings(p, Sex::any); });
}

void Rod::listSons(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.children(p, Sex::man); });
}

void Rod::listDaughters(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.children(p, Sex::woman); });
}

void Rod::listChildren(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.children(p, Sex::any); });
}

void Rod::listGrandsons(TStringList& list, const Clovek* p, const DisplaySettings& s) const
{
    query(list, true, s,
          [&](Relatives& r) { r.forEachChild(p, [&](Clovek* c) { r.children(c, Sex::man); }); });
}

void Rod::listGranddaughters(TStringList& list, const Clovek* p, const DisplaySettings& s) const
{
    query(list, true, s,
          [&](Relatives& r) { r.forEachChild(p, [&](Clovek* c) { r.children(c, Sex::woman); }); });
}

void Rod::listGrandchildren(TStringList& list, const Clovek* p, const DisplaySettings& s) const
{
    query(list, true, s,
          [&](Relatives& r) { r.forEachChild(p, [&](Clovek* c) { r.children(c, Sex::any); }); });
}

void Rod::listGrandfathers(TStringList& list, const Clovek* p, const DisplaySettings& s) const
{
    query(list, true, s, [&](Relatives& r) {
        for (const Clovek* parent : {p->father, p->mother})
            if (parent)
                r.add(parent->father);
    });
}

void Rod::listGrandmothers(TStringList& list, const Clovek* p, const DisplaySettings& s) const
{
    query(list, true, s, [&](Relatives& r) {
        for (const Clovek* parent : {p->father, p->mother})
            if (parent)
                r.add(parent->mother);
    });
}

void Rod::listGrandparents(TStringList& list, const Clovek* p, const DisplaySettings& s) const
{
    query(list, true, s, [&](Relatives& r) {
        for (const Clovek* parent : {p->father, p->mother})
            if (parent) {
                r.add(parent->father);
                r.add(parent->mother);
            }
    });
}

void Rod::listUncles(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.unclesOrAunts(p, Sex::man); });
}

void Rod::listAunts(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.unclesOrAunts(p, Sex::woman); });
}

void Rod::listUnclesAndAunts(TStringList& list, const Clovek* p, const DisplaySettings& s) const
{
    query(list, true, s, [&](Relatives& r) {
        r.unclesOrAunts(p, Sex::man);
        r.unclesOrAunts(p, Sex::woman);
    });
}

void Rod::listMaleCousins(TStringList& list, const Clovek* p, const DisplaySettings& s) const
{
    query(list, true, s, [&](Relatives& r) {
        r.nephewsOrNieces(p->father, Sex::man);
        r.nephewsOrNieces(p->mother, Sex::man);
    });
}

void Rod::listFemaleCousins(TStringList& list, const Clovek* p, const DisplaySettings& s) const
{
    query(list, true, s, [&](Relatives& r) {
        r.nephewsOrNieces(p->father, Sex::woman);
        r.nephewsOrNieces(p->mother, Sex::woman);
    });
}

void Rod::listCousins(TStringList& list, const Clovek* p, const DisplaySettings& s) const
{
    query(list, true, s, [&](Relatives& r) {
        for (const Clovek* parent : {p->father, p->mother})
            if (parent)
                r.nephewsThenNieces(parent);
    });
}

void Rod::listNephews(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.nephewsOrNieces(p, Sex::man); });
}

void Rod::listNieces(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.nephewsOrNieces(p, Sex::woman); });
}

void Rod::listNephewsAndNieces(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.nephewsThenNieces(p); });
}

void Rod::listSonsInLaw(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.childrenInLaw(p, Sex::woman); });
}

void Rod::listDaughtersInLaw(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.childrenInLaw(p, Sex::man); });
}

void Rod::listChildrenInLaw(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.childrenInLaw(p, Sex::any); });
}

void Rod::listBrothersInLaw(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.siblingsInLaw(p, Sex::man); });
}

void Rod::listSistersInLaw(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.siblingsInLaw(p, Sex::woman); });
}

void Rod::listSiblingsInLaw(TStringList& list, const Clovek* p, bool clear, const DisplaySettings& s) const
{
    query(list, clear, s, [&](Relatives& r) { r.siblingsInLaw(p, Sex::any); });
}
