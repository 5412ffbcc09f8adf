#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "model_helpers.h"
#include "system/datetime.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::vector<const Clovek*> personsOf(const Prvky& list)
{
    std::vector<const Clovek*> out;
    for (UkClovek* e : list.items<UkClovek>())
        out.push_back(e->person());
    return out;
}

struct ClockFixed {
    explicit ClockFixed(TDateTime t)
    {
        setClock([t] { return t; });
    }
    ~ClockFixed() { setClock({}); }
};

} // namespace

TEST(Clovek, NewPersonIsALivingUnnumberedMan)
{
    ClockFixed clock(encodeDate(2020, 5, 1) + 0.5);
    Clovek p;
    EXPECT_EQ(p.number, -1);
    EXPECT_EQ(p.sex, 1);
    EXPECT_EQ(p.alive, 1);
    EXPECT_EQ(p.lock, 0);
    EXPECT_TRUE(p.firstName.empty() && p.identifier.empty() && p.web2.empty());
    EXPECT_EQ(p.birth.year, "?");
    EXPECT_EQ(p.death.day, "?");
    EXPECT_EQ(p.father, nullptr);
    EXPECT_EQ(p.children.count() + p.siblings().count() + p.partnerships.count(), 0);
    EXPECT_DOUBLE_EQ(p.created, encodeDate(2020, 5, 1) + 0.5);
}

TEST(Clovek, DisplayName)
{
    std::unique_ptr<Clovek> w(makePerson("Jana", "Nováková", 0, date("?", "?", "1950")));
    w->birthSurname = "Svobodová";
    w->identifier = "12";
    EXPECT_EQ(w->displayName(true, false, false), "Svobodová Jana");
    EXPECT_EQ(w->displayName(false, true, true), "Nováková Jana, 1950 (12)");
    w->birthSurname = ""; // none recorded: her surname, not none at all
    EXPECT_EQ(w->displayName(true, false, false), "Nováková Jana");
    EXPECT_EQ(w->fullName(true, false), "Jana Nováková");
    std::unique_ptr<Clovek> m(makePerson("Petr", "", 1));
    m->birthSurname = "Dvořák";
    EXPECT_EQ(m->displayName(false, true, false), "Dvořák Petr, ?");
    m->surname = "Novák";
    EXPECT_EQ(m->displayName(true, false, false), "Novák Petr");
}

TEST(Clovek, FullAndGedcomNames)
{
    Clovek p;
    p.number = 7;
    EXPECT_EQ(p.fullName(false, true), "neznámé jméno (7)");
    EXPECT_EQ(p.fullName(false, false), " ");
    p.surname = "Novák";
    EXPECT_EQ(p.fullName(false, true), " Novák");
    p.firstName = "Jan";
    p.titlesBefore = "Ing.";
    p.titlesAfter = "CSc.";
    EXPECT_EQ(p.fullName(false, true), "Ing. Jan Novák, CSc.");
    EXPECT_EQ(p.gedcomName(), "Jan /Novák/");

    Clovek w;
    w.sex = 0;
    w.surname = "Nováková";
    EXPECT_EQ(w.gedcomName(), "/Nováková/");
    w.birthSurname = "Malá";
    w.firstName = "Eva";
    EXPECT_EQ(w.gedcomName(), "Eva /Malá/");
    EXPECT_EQ(w.fullName(true, false), "Eva Malá");
    EXPECT_EQ(w.fullName(false, false), "Eva Nováková");
}

TEST(Clovek, SexTextComesFromTheLanguageFile)
{
    FakeTexts texts;
    EXPECT_EQ(Clovek::sexText(texts, 1), "muž");
    EXPECT_EQ(Clovek::sexText(texts, 0), "žena");
    texts.overrides["zena"] = "woman";
    EXPECT_EQ(Clovek::sexText(texts, 0), "woman");
    EXPECT_EQ(texts.asked.front(), "vyplneniFormulare/muz");
}

TEST(Clovek, AgeInDays)
{
    ClockFixed clock(encodeDate(2000, 6, 15));
    Clovek p;
    p.birth = date("?", "?", "1950");
    EXPECT_EQ(p.ageInDays(), 50 * 365);
    p.birth = date("?", "3", "1950");
    EXPECT_EQ(p.ageInDays(), 50 * 365 + 3 * 30);
    p.birth = date("20", "3", "1950");
    EXPECT_EQ(p.ageInDays(), 50 * 365 + 3 * 30 - 5);
    p.alive = 0;
    EXPECT_EQ(p.ageInDays(), -1);
    p.death = date("1", "1", "1940");
    EXPECT_LT(p.ageInDays(), 0);
    p.death = date("1", "1", "2147483647");
    p.birth = date("1", "1", "-2147483648");
    EXPECT_EQ(p.ageInDays(), int64_t(4294967295LL) * 365);
}

TEST(Clovek, SiblingListsFollowTheParents)
{
    std::unique_ptr<Clovek> dad(makePerson("Otec", "X")), mum(makePerson("Matka", "X", 0));
    std::unique_ptr<Clovek> a(makePerson("A", "X", 1, date("1", "1", "1980")));
    std::unique_ptr<Clovek> b(makePerson("B", "X", 1, date("1", "1", "1970")));
    std::unique_ptr<Clovek> c(makePerson("C", "X", 1, date("1", "1", "1975")));
    for (Clovek* k : {a.get(), b.get(), c.get()}) {
        k->father = dad.get();
        dad->children.append(std::make_unique<UkClovek>(k));
    }
    b->mother = mum.get();
    c->mother = mum.get();
    mum->children.append(std::make_unique<UkClovek>(b.get()));
    mum->children.append(std::make_unique<UkClovek>(c.get()));

    a->addSiblingsFromParent(dad.get());
    EXPECT_EQ(personsOf(a->siblings()), (std::vector<const Clovek*>{b.get(), c.get()}));
    EXPECT_TRUE(b->hasSibling(a.get()));
    a->addSiblingsFromParent(dad.get()); // nothing twice
    EXPECT_EQ(a->siblings().count(), 2);

    dad->addSiblingToChildren(c.get());
    EXPECT_EQ(personsOf(b->siblings()), (std::vector<const Clovek*>{c.get(), a.get()}));
    EXPECT_EQ(personsOf(a->siblings()), (std::vector<const Clovek*>{b.get(), c.get()}));
    EXPECT_FALSE(c->hasSibling(c.get()));

    // Without the father, B still shares the mother with C but nothing with A.
    b->father = nullptr;
    b->pruneSiblings();
    EXPECT_EQ(personsOf(b->siblings()), (std::vector<const Clovek*>{c.get()}));
    EXPECT_FALSE(a->hasSibling(b.get()));
    EXPECT_EQ(b->siblingEntry(a.get()), nullptr);

    dad->removeChild(b.get());
    dad->removeChild(b.get()); // not there any more: nothing
    EXPECT_EQ(dad->children.count(), 2);
    EXPECT_EQ(dad->childEntry(b.get()), nullptr);
}

TEST(Clovek, WalksOverAncestorsSurviveCyclesAndDeepLines)
{
    std::unique_ptr<Clovek> a(new Clovek), b(new Clovek), c(new Clovek);
    a->father = b.get();
    b->mother = c.get();
    c->father = a.get(); // a damaged file: a is its own great-grandson
    a->mark = b->mark = c->mark = 0;
    EXPECT_TRUE(a->isAncestor(c.get()));
    a->mark = b->mark = c->mark = 0;
    EXPECT_TRUE(a->isAncestor(a.get()));
    int g = a->generations();
    EXPECT_GE(g, 0);
    EXPECT_LE(g, 2);
    a->mark = b->mark = c->mark = 0;
    a->markAncestors();
    EXPECT_TRUE(a->mark && b->mark && c->mark);

    const int depth = 100000;
    std::vector<std::unique_ptr<Clovek>> line;
    for (int i = 0; i < depth; ++i) {
        line.emplace_back(new Clovek);
        if (i > 0) {
            line[i]->father = line[i - 1].get();
            line[i - 1]->children.append(std::make_unique<UkClovek>(line[i].get()));
        }
    }
    EXPECT_EQ(line.back()->generations(), depth - 1);
    EXPECT_FALSE(line.back()->isAncestor(line.back().get()));
    EXPECT_TRUE(line.back()->mark && line.front()->mark);
    for (auto& p : line)
        p->mark = 0;
    line.front()->markDescendants();
    EXPECT_TRUE(line.back()->mark);
    EXPECT_FALSE(line.front()->mark);
    for (auto& p : line)
        p->mark = 0;
    line.back()->markAncestors();
    EXPECT_TRUE(line.front()->mark);
}

TEST(Clovek, FirstWeddingAndFirstChild)
{
    std::unique_ptr<Clovek> p(new Clovek), q(new Clovek), r(new Clovek), s(new Clovek);
    Svatba* unknown = partnership(p.get(), q.get());
    Svatba* later = partnership(p.get(), r.get());
    Svatba* yearOnly = partnership(p.get(), s.get());
    later->wedding = date("5", "5", "1960");
    yearOnly->wedding = date("?", "?", "1955");
    EXPECT_EQ(p->firstWedding(), yearOnly);
    yearOnly->wedding = date("?", "?", "1960"); // cannot be ordered against 5.5.1960: stays first
    EXPECT_EQ(p->firstWedding(), later);
    EXPECT_NE(p->firstWedding(), unknown);
    EXPECT_EQ(q->firstChild(), nullptr);
    p->partnerships.clear();
    q->partnerships.clear();
    r->partnerships.clear();
    s->partnerships.clear();
    delete unknown;
    delete later;
    delete yearOnly;
}

TEST(Clovek, PeriodTexts)
{
    Clovek p;
    auto* e = new CasoveObdobi("Brno");
    e->from = "1950";
    p.residences.append(std::unique_ptr<Prvek>(e));
    p.residences.append(std::make_unique<CasoveObdobi>("Praha"));
    std::vector<std::string> lines{"old"};
    p.fillPeriodTexts(p.residences, lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"Brno (1950)", "Praha"}));
}

TEST(Clovek, ListEntriesLetGoOfADestroyedPerson)
{
    Prvky list;
    Clovek* p = new Clovek;
    list.append(std::make_unique<UkClovek>(p));
    list.append(std::make_unique<UkGrClovek>(p));
    delete p;
    EXPECT_EQ(static_cast<UkClovek*>(list.first())->person(), nullptr);
    EXPECT_EQ(static_cast<UkClovek*>(list.last())->person(), nullptr);
}

// Both lists of notes share one packed block: an edit of one never touches the other, and each
// line comes back as it went in, whatever its bytes or length (the lengths around where their
// written size grows by a byte, and one over 64 KiB).
TEST(Clovek, EachListOfNotesKeepsItsLinesThroughTheOthersEdits)
{
    using Lines = std::vector<std::string>;
    const Lines odd{"",
                    std::string(127, 'a'),
                    std::string(128, 'b'),
                    "Matrika říše\r",
                    "\n",
                    std::string("\0\xFF\x80", 3),
                    std::string(16383, 'c'),
                    std::string(16384, 'd'),
                    std::string(70000, 'e'),
                    ""};
    const Lines book{"kniha 3, str. 14"};
    Clovek p;
    p.setFurtherTexts(odd);
    p.setRegisterNotes(book);
    EXPECT_EQ(p.furtherTexts(), odd);
    EXPECT_EQ(p.registerNotes(), book);
    EXPECT_EQ(p.furtherTexts().size(), odd.size());
    EXPECT_EQ(p.furtherTexts()[8], odd[8]);
    EXPECT_EQ(p.furtherTexts().toVector(), odd);

    p.appendLines(NoteList::registerNotes, odd);
    p.setFurtherTexts({"jeden"});
    Lines both = book;
    both.insert(both.end(), odd.begin(), odd.end());
    EXPECT_EQ(p.furtherTexts(), Lines{"jeden"});
    EXPECT_EQ(p.registerNotes(), both);
    p.appendLines(NoteList::furtherTexts, book);
    EXPECT_EQ(p.furtherTexts(), (Lines{"jeden", "kniha 3, str. 14"}));
    EXPECT_EQ(p.registerNotes(), both);

    // The same lines read alike wherever they are kept; others do not.
    Clovek q;
    q.setRegisterNotes(both);
    EXPECT_EQ(q.registerNotes(), p.registerNotes());
    EXPECT_NE(q.registerNotes(), p.furtherTexts());
    EXPECT_NE(p.registerNotes(), odd);

    // An emptied list leaves the other whole; a list of empty lines is no empty list.
    p.setFurtherTexts({});
    EXPECT_TRUE(p.furtherTexts().empty());
    EXPECT_EQ(p.registerNotes(), both);
    p.setFurtherTexts({"", ""});
    p.setRegisterNotes({});
    EXPECT_EQ(p.furtherTexts(), (Lines{"", ""}));
    EXPECT_TRUE(p.registerNotes().empty());
    p.setFurtherTexts({});
    EXPECT_TRUE(p.furtherTexts().empty() && p.registerNotes().empty());
}
