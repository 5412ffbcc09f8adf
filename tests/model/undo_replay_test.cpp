// Undo and redo replayed through a fake person editor: for every key, the value in the tree and
// in the field's control, the shown person, the page and the focus; the questions of the steps
// that delete; and steps that name a person or partnership that has been deleted since.
#include "fake_editor.h"
#include "model/action_list.h"
#include "model/person_fields.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "system/files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string_view>

namespace {

class UndoReplay : public ::testing::Test {
protected:
    UndoReplay()
    {
        a = makePerson("Adam", "A");
        b = makePerson("Bára", "B", 0);
        c = makePerson("Cyril", "C");
        for (Clovek* p : {a, b, c})
            tree.addNewPerson(std::unique_ptr<Clovek>(p));
    }
    ActionList& history() { return *tree.undoHistory; }
    // Shows another person and page, so a replay is seen to bring its own back.
    void lookElsewhere()
    {
        editor.shown = c;
        editor.page = EditorPage::textsAndFiles;
        editor.focus.clear();
    }

    Rod tree;
    FakeEditor editor{tree};
    Clovek* a;
    Clovek* b;
    Clovek* c;
};

TEST_F(UndoReplay, EveryTextFieldGoesBackAndForthWhereThePersonSeesIt)
{
    for (const PersonFieldInfo& f : personFields) {
        if (f.kind != FieldKind::text)
            continue;
        const std::string key(f.stepKey);
        SCOPED_TRACE(key);
        f.text.set(*a, "nová");
        tree.recordTextChange(a, key, "stará", "nová");
        lookElsewhere();
        tree.undo();
        EXPECT_EQ(f.text.of(*a), "stará");
        EXPECT_EQ(editor.fields[key], "stará");
        EXPECT_EQ(editor.shown, a);
        EXPECT_EQ(editor.page, f.page);
        EXPECT_EQ(editor.focus, key);
        lookElsewhere();
        tree.redo();
        EXPECT_EQ(f.text.of(*a), "nová");
        EXPECT_EQ(editor.fields[key], "nová");
        EXPECT_EQ(editor.shown, a);
        EXPECT_EQ(editor.page, f.page);
    }
    // Only the identifier sorts the list again (the other fields' handlers do what they need).
    EXPECT_EQ(std::count(editor.log.begin(), editor.log.end(), "sort"), 2);
}

// Every field of the person table that has steps: its step, recorded as the editor records it,
// takes that very field back on the field's page. A step key given twice, or one that another
// kind of step also carries, brings back some other field, or none.
TEST_F(UndoReplay, EveryStepKeyOfThePersonTableTakesItsOwnFieldBack)
{
    std::set<std::string_view> keys;
    for (const PersonFieldInfo& f : personFields) {
        // Undoing an inserted portrait deletes its picture; it has a test of its own.
        if (f.stepKey.empty() || f.field == PersonField::portrait)
            continue;
        const std::string key(f.stepKey);
        SCOPED_TRACE(key);
        EXPECT_TRUE(keys.insert(f.stepKey).second) << "step key given twice";
        std::function<bool()> restored;
        switch (f.kind) {
        case FieldKind::text:
            f.text.set(*a, "nová");
            tree.recordTextChange(a, key, "stará", "nová");
            restored = [&] { return f.text.of(*a) == "stará"; };
            break;
        case FieldKind::flag:
            a->*f.flag = 1;
            tree.recordFlagChange(a, key, 0, 1);
            restored = [&] { return a->*f.flag == 0; };
            break;
        case FieldKind::datePart: {
            Datum& d = a->*f.date;
            const Datum old = d;
            d.*f.datePart = "7";
            tree.recordDateChange(a, key, old, d);
            restored = [&] { return (a->*f.date).*f.datePart == "?"; };
            break;
        }
        case FieldKind::dateAbout:
            (a->*f.date).*f.dateAbout = 1;
            tree.recordToleranceChange(a, key, 0, 1, 1, 1);
            restored = [&] { return (a->*f.date).*f.dateAbout == 0; };
            break;
        case FieldKind::period: {
            const std::unique_ptr<CasoveObdobi> added(period("Brno", "1900", "1910"));
            (a->*f.list).append(std::make_unique<CasoveObdobi>(*added));
            tree.recordPeriodChange(a, key, nullptr, added.get());
            restored = [&] { return (a->*f.list).count() == 0; };
            break;
        }
        case FieldKind::lines: {
            const std::vector<std::string> old = a->lines(f.noteList).toVector();
            const std::vector<std::string> typed{"nový řádek"};
            a->setLines(f.noteList, typed);
            editor.memos[key] = typed;
            tree.recordStringsChange(a, key, old, typed);
            restored = [&] { return a->lines(f.noteList).empty(); };
            break;
        }
        case FieldKind::number:
        case FieldKind::dateTolerance:
        case FieldKind::parent:
        case FieldKind::created:
        case FieldKind::mediaLinks:
            ADD_FAILURE() << "a step key on a field whose steps nothing replays";
            continue;
        }
        lookElsewhere();
        tree.undo();
        EXPECT_TRUE(restored());
        EXPECT_EQ(editor.shown, a);
        EXPECT_EQ(editor.page, f.page);
    }
}

TEST_F(UndoReplay, RecordingIsOffForTheWholeReplayOnly)
{
    tree.recordTextChange(a, "jmeno", "x", "Adam");
    tree.undo();
    EXPECT_TRUE(editor.replayingWasSet);
    EXPECT_FALSE(editor.replaying);
    // An unknown key moves the cursor and changes nothing else.
    tree.pushAction(std::make_unique<ActionText>(a, "neznamy", "1", "2"));
    tree.undo();
    EXPECT_EQ(editor.shown, a);
    EXPECT_TRUE(tree.canRedo());
    // A key recorded with a record class it does not belong to is passed over too.
    tree.pushAction(std::make_unique<ActionBool>(a, "jmeno", 1, 0));
    tree.undo();
    EXPECT_EQ(a->firstName, "x");
}

struct DateField {
    const char* key;
    bool partnership;
    Datum Clovek::*personDate;
    Datum Svatba::*partnershipDate;
    const char* focus;
};

const DateField dateFields[] = {
    {"narozeniDen", false, &Clovek::birth, nullptr, "narozeniDen"},
    {"narozeniMesic", false, &Clovek::birth, nullptr, "narozeniMesic"},
    {"narozeniRok", false, &Clovek::birth, nullptr, "narozeniRok"},
    {"narozeniNezname", false, &Clovek::birth, nullptr, "narozeniNezname"},
    {"smrtDen", false, &Clovek::death, nullptr, "smrtDen"},
    {"smrtMesic", false, &Clovek::death, nullptr, "smrtMesic"},
    {"smrtRok", false, &Clovek::death, nullptr, "smrtRok"},
    {"smrtNezname", false, &Clovek::death, nullptr, "smrtNezname"},
    {"svatbaDen", true, nullptr, &Svatba::wedding, "svatbaDen"},
    {"svatbaMesic", true, nullptr, &Svatba::wedding, "svatbaMesic"},
    {"svatbaRok", true, nullptr, &Svatba::wedding, "svatbaRok"},
    {"svatbaNezname", true, nullptr, &Svatba::wedding, "svatbaNezname"},
    {"rozvodDen", true, nullptr, &Svatba::divorce, "rozvodDen"},
    {"rozvodMesic", true, nullptr, &Svatba::divorce, "rozvodMesic"},
    {"rozvodRok", true, nullptr, &Svatba::divorce, "rozvodRok"},
    {"rozvodNezname", true, nullptr, &Svatba::divorce, "rozvodNezname"},
};

TEST_F(UndoReplay, EveryDateGoesBackAndForthInItsThreePartsOnly)
{
    Svatba* s = partnership(a, b, PartnershipType::divorced);
    Datum before("1", "2", "1900");
    before.about = 1;
    before.tolerance = 7;
    Datum after("5", "?", "1901");
    for (const DateField& f : dateFields) {
        SCOPED_TRACE(f.key);
        Datum& target = f.partnership ? s->*f.partnershipDate : a->*f.personDate;
        target = after;
        target.tolerance = 2;
        if (f.partnership)
            tree.recordPartnershipDateChange(a, f.key, s, before, after);
        else
            tree.recordDateChange(a, f.key, before, after);
        lookElsewhere();
        editor.partnership = nullptr;
        tree.undo();
        EXPECT_EQ(target.shortText(), "1.2.1900");
        EXPECT_EQ(target.tolerance, 2); // the about flag and tolerance have steps of their own
        EXPECT_EQ(target.about, 0);
        EXPECT_EQ(editor.fields[f.key], "1.2.1900");
        EXPECT_EQ(editor.focus, f.focus);
        EXPECT_EQ(editor.shown, a);
        EXPECT_EQ(editor.page, EditorPage::basicData);
        EXPECT_EQ(editor.partnership, f.partnership ? s : nullptr);
        tree.redo();
        EXPECT_EQ(target.day, "5");
        EXPECT_EQ(target.month, "?");
        EXPECT_EQ(target.year, "1901");
    }
}

TEST_F(UndoReplay, FlagsAndAboutBoxes)
{
    a->alive = 0;
    tree.recordFlagChange(a, "zije", 1, 0);
    a->lock = 1;
    tree.recordFlagChange(a, "zamek", 0, 1);
    c->sex = 0;
    tree.recordFlagChange(c, "pohlavi", 1, 0);
    tree.undo();
    EXPECT_EQ(c->sex, 1);
    EXPECT_TRUE(editor.flags["pohlavi"]);
    EXPECT_EQ(editor.shown, c);
    tree.undo();
    EXPECT_EQ(a->lock, 0);
    EXPECT_FALSE(editor.flags["zamek"]);
    tree.undo();
    EXPECT_EQ(a->alive, 1);
    EXPECT_TRUE(editor.flags["zije"]);
    EXPECT_EQ(editor.focus, "zije");
    tree.redo();
    EXPECT_EQ(a->alive, 0);

    // A person with a partner keeps the sex, as an edit would leave it.
    Svatba* s = partnership(a, b, PartnershipType::married);
    tree.recordFlagChange(a, "pohlavi", 0, 1);
    tree.undo();
    EXPECT_EQ(a->sex, 1);

    a->death.about = 1;
    a->death.tolerance = 5;
    tree.recordToleranceChange(a, "smrtAsi", 1, 1, 3, 5);
    tree.undo();
    EXPECT_EQ(a->death.tolerance, 3);
    EXPECT_EQ(a->death.about, 1);
    EXPECT_EQ(editor.fields["smrtAsi"], "+- 3");
    EXPECT_TRUE(editor.flags["smrtAsi"]);
    EXPECT_EQ(editor.focus, "smrtAsi");
    tree.recordToleranceChange(a, "narozeniAsi", 0, 1, 1, 4);
    tree.redo(); // nothing after the new step
    tree.undo();
    EXPECT_EQ(a->birth.about, 0);
    EXPECT_FALSE(editor.flags["narozeniAsi"]);
    tree.redo();
    EXPECT_EQ(a->birth.about, 1);
    EXPECT_EQ(a->birth.tolerance, 4);
    tree.recordPartnershipToleranceChange(a, "svatbaAsi", s, 0, 1, 1, 2);
    s->wedding.about = 1;
    tree.undo();
    EXPECT_EQ(s->wedding.about, 0);
    EXPECT_EQ(editor.partnership, s);
}

TEST_F(UndoReplay, PartnershipTexts)
{
    Svatba* s = partnership(a, b, PartnershipType::married);
    const std::pair<const char*, SparseText Svatba::*> texts[] = {{"svatbaMisto", &Svatba::place},
                                                                  {"svatbaKnez", &Svatba::officiant},
                                                                  {"svatbaSvedkove", &Svatba::witnesses}};
    for (auto [key, field] : texts) {
        SCOPED_TRACE(key);
        s->*field = "po";
        tree.recordPartnershipTextChange(b, key, s, "před", "po");
        lookElsewhere();
        tree.undo();
        EXPECT_EQ(s->*field, "před");
        EXPECT_EQ(editor.fields[key], "před");
        EXPECT_EQ(editor.shown, b);
        EXPECT_EQ(editor.partnership, s);
        EXPECT_EQ(editor.page, EditorPage::basicData);
        tree.redo();
        EXPECT_EQ(s->*field, "po");
    }
}

std::string periods(const Prvky& list)
{
    std::string s;
    for (CasoveObdobi* e : list.items<CasoveObdobi>())
        s += (s.empty() ? "" : ", ") + e->displayText();
    return s;
}

TEST_F(UndoReplay, LifePeriodsAddedEditedAndDeleted)
{
    int filledLists = 0;
    for (auto [key, list, fill] : {std::tuple{"bydliste", &Clovek::residences, "residences -1"},
                                   std::tuple{"vzdelani", &Clovek::educations, "educations -1"},
                                   std::tuple{"povolani", &Clovek::occupations, "occupations -1"}}) {
        SCOPED_TRACE(key);
        Prvky& entries = (a->*list).own();
        CasoveObdobi brno("Brno");
        brno.from = "1900";
        CasoveObdobi praha("Praha");
        entries.append(std::make_unique<CasoveObdobi>(brno));
        entries.append(std::make_unique<CasoveObdobi>(brno));
        tree.recordPeriodChange(a, key, nullptr, &brno); // the second Brno was added
        editor.log.clear();
        tree.undo();
        EXPECT_EQ(periods(entries), "Brno (1900)");
        EXPECT_EQ(editor.focus, key);
        EXPECT_EQ(editor.log, (std::vector<std::string>{"show", fill, "percent"}));
        tree.redo();
        EXPECT_EQ(periods(entries), "Brno (1900), Brno (1900)");

        // An edit: the first entry equal to the new one takes the old values back.
        static_cast<CasoveObdobi*>(entries.first())->text = "Praha";
        static_cast<CasoveObdobi*>(entries.first())->from = "";
        tree.recordPeriodChange(a, key, &brno, &praha);
        tree.undo();
        EXPECT_EQ(periods(entries), "Brno (1900), Brno (1900)");
        tree.redo();
        EXPECT_EQ(periods(entries), "Praha, Brno (1900)");

        // A deletion.
        entries.remove(entries.first());
        tree.recordPeriodChange(a, key, &praha, nullptr);
        tree.undo();
        EXPECT_EQ(periods(entries), "Brno (1900), Praha");
        tree.redo();
        EXPECT_EQ(periods(entries), "Brno (1900)");
        // The share of filled fields follows the count: names and each list filled so far.
        EXPECT_EQ(a->percentFilled, (2 + ++filledLists) * 100 / 11);
    }
}

TEST_F(UndoReplay, ParentRelinkedWithChildrenAndSiblings)
{
    Clovek* sister = addPersonTo(tree, "Dana", "A", 0);
    sister->father = c;
    c->children.append(std::make_unique<UkClovek>(sister));
    // a's father: none, then c.
    a->father = c;
    c->children.append(std::make_unique<UkClovek>(a));
    a->addSiblingsFromParent(c);
    tree.pushAction(std::make_unique<ActionParent>(a, "parent", nullptr, c, 1));
    tree.undo();
    EXPECT_EQ(a->father, nullptr);
    EXPECT_FALSE(c->hasChild(a));
    EXPECT_FALSE(a->hasSibling(sister));
    EXPECT_FALSE(sister->hasSibling(a));
    EXPECT_EQ(editor.shown, a);
    tree.redo();
    EXPECT_EQ(a->father, c);
    EXPECT_TRUE(c->hasChild(a));
    EXPECT_TRUE(a->hasSibling(sister));
    EXPECT_TRUE(sister->hasSibling(a));
    EXPECT_EQ(editor.log.back(), "basic page");

    // A mother removed from her child (the child-removal step), put back by undo.
    b->children.append(std::make_unique<UkClovek>(sister));
    tree.pushAction(std::make_unique<ActionParent>(sister, "parent", b, nullptr, 0));
    b->removeChild(sister);
    tree.undo();
    EXPECT_EQ(sister->mother, b);
    EXPECT_TRUE(b->hasChild(sister));

    // A parent that has become the child's descendant since stays unlinked: no cycle.
    tree.pushAction(std::make_unique<ActionParent>(c, "parent", sister, nullptr, 1));
    tree.undo();
    EXPECT_EQ(c->father, nullptr);
    EXPECT_FALSE(tree.hasAncestorCycle());
}

TEST_F(UndoReplay, UserFieldCaptionsOfTheTree)
{
    tree.userCaption3 = "Povolání otce";
    tree.recordTextChange(a, "ruser3", "Uživ.def.:", "Povolání otce");
    lookElsewhere();
    tree.undo();
    EXPECT_EQ(tree.userCaption3, "Uživ.def.:");
    EXPECT_EQ(editor.fields["ruser3"], "Uživ.def.:");
    EXPECT_EQ(editor.focus, "ruser3");
    EXPECT_EQ(editor.page, EditorPage::furtherData);
    EXPECT_EQ(editor.shown, c); // the person stays
    tree.redo();
    EXPECT_EQ(tree.userCaption3, "Povolání otce");
}

TEST_F(UndoReplay, Memos)
{
    const std::vector<std::string> typed{"nový"};
    a->setRegisterNotes(typed);
    const std::vector<std::string> old{"starý"};
    tree.recordStringsChange(a, "matriky", old, typed);
    lookElsewhere();
    tree.undo();
    EXPECT_EQ(a->registerNotes(), old);
    EXPECT_EQ(editor.memos["matriky"], old);
    EXPECT_EQ(editor.focus, "matriky");
    EXPECT_EQ(editor.page, EditorPage::furtherData);
    tree.redo();
    EXPECT_EQ(a->registerNotes(), (std::vector<std::string>{"nový"}));

    // The further texts: what the person holds at the moment of the undo is kept for the redo,
    // and the memo the person's lines went back into has the focus.
    const std::vector<std::string> text{"text"};
    tree.recordStringsChange(a, "doplnujiciTexty", old, text);
    a->setFurtherTexts({"text", "dopsáno"});
    editor.memos["doplnujiciTexty"] = {"jiné osoby"};
    editor.focus = "jinde";
    tree.undo();
    EXPECT_EQ(a->furtherTexts(), old);
    EXPECT_EQ(editor.memos["doplnujiciTexty"], old);
    EXPECT_EQ(editor.page, EditorPage::textsAndFiles);
    EXPECT_EQ(editor.focus, "doplnujiciTexty");
    tree.redo();
    EXPECT_EQ(a->furtherTexts(), (std::vector<std::string>{"text", "dopsáno"}));
}

TEST_F(UndoReplay, ACreatedPersonIsDeletedOnlyOnYes)
{
    Clovek* created = addPersonTo(tree, "Nový", "N");
    tree.recordTextChange(a, "jmeno", "A", "Adam");
    tree.recordNewPerson(a, "vytvorOsobu", created);
    editor.answers = {false};
    tree.undo();
    EXPECT_EQ(editor.questions, (std::vector<std::string>{"delete Nový"}));
    EXPECT_EQ(tree.personCount(), 4);
    EXPECT_TRUE(tree.canUndo());
    EXPECT_FALSE(tree.canRedo());
    EXPECT_EQ(history().current()->key, "vytvorOsobu");

    editor.answers = {true};
    tree.undo();
    EXPECT_EQ(tree.personCount(), 3);
    EXPECT_EQ(editor.shown, a);
    EXPECT_FALSE(tree.canRedo());
    EXPECT_EQ(history().count(), 1);
    EXPECT_EQ(history().current()->key, "jmeno");

    // Redo of a created person does nothing.
    Clovek* other = addPersonTo(tree, "Jiný", "J");
    tree.recordNewPerson(nullptr, "vytvorOsobu", other);
    tree.recordTextChange(a, "jmeno", "Adam", "Adéla");
    tree.undo();
    tree.undo();
    editor.answers = {false};
    tree.redo();
    tree.redo();
    EXPECT_EQ(tree.personCount(), 4);
}

TEST_F(UndoReplay, TheInsertedPortraitIsRemovedWithItsFile)
{
    TempFolder folder;
    editor.folder = folder.path();
    std::filesystem::create_directory(folder / "hlavy");
    const std::string file = folder.write("hlavy/hlava" + std::to_string(a->number) + ".jpg", "jpeg");
    a->hasPortrait = 1;
    tree.recordFlagChange(a, "hlava", 0, 1);
    tree.recordTextChange(b, "jmeno", "", "B");
    tree.undo();
    tree.undo();
    EXPECT_EQ(a->hasPortrait, 0);
    EXPECT_FALSE(fileExists(file));
    EXPECT_EQ(editor.log.back(), "portrait");
    EXPECT_EQ(editor.questions.size(), 0u);
    EXPECT_FALSE(tree.canRedo());
    EXPECT_EQ(history().count(), 0);
}

TEST_F(UndoReplay, ACreatedPartnershipWithItsCreatedPartner)
{
    Clovek* partner = addPersonTo(tree, "Partnerka", "P", 0);
    tree.recordNewPerson(a, "vytvorOsobu", partner);
    Svatba* s = partnership(a, partner, PartnershipType::married);
    tree.recordPartnerChange(a, "novaSvatba", s, nullptr, partner);
    tree.recordPartnershipTextChange(a, "svatbaMisto", s, "", "Brno");
    tree.undo();

    // No: the partnership stays in effect.
    editor.answers = {false};
    tree.undo();
    EXPECT_EQ(editor.questions, (std::vector<std::string>{"Zrušit svatbu?"}));
    EXPECT_EQ(history().current()->key, "novaSvatba");
    EXPECT_TRUE(a->hasPartnership(s));

    // Yes, then No for the partner: only the partnership goes.
    editor.questions.clear();
    editor.answers = {true, false};
    tree.undo();
    EXPECT_EQ(editor.questions, (std::vector<std::string>{"Zrušit svatbu?", "delete Partnerka"}));
    EXPECT_EQ(a->partnerships.count(), 0);
    EXPECT_EQ(partner->partnerships.count(), 0);
    EXPECT_EQ(tree.personCount(), 4);
    EXPECT_FALSE(tree.canRedo());
    EXPECT_EQ(history().current()->key, "vytvorOsobu");
    EXPECT_EQ(editor.focus, "novaSvatba");
}

// Replayed forwards, a created partnership is left as it is: it was never taken away.
TEST_F(UndoReplay, ACreatedPartnershipIsNotAskedForAgainOnRedo)
{
    Svatba* s = partnership(a, b, PartnershipType::married);
    auto step = std::make_unique<ActionPartner>(a, "novaSvatba", s, nullptr, nullptr);
    editor.answers = {true};
    tree.applyAction(step.get(), false);
    EXPECT_TRUE(editor.questions.empty());
    EXPECT_TRUE(a->hasPartnership(s));
    EXPECT_TRUE(b->hasPartnership(s));
}

// The partner created with the partnership is deleted by its undo: the step that created her is
// older and would otherwise name a freed person.
TEST_F(UndoReplay, DeletingTheCreatedPartnerTakesHerStepsOutOfTheHistory)
{
    Clovek* partner = addPersonTo(tree, "Partnerka", "P", 0);
    tree.recordTextChange(a, "prijmeni", "", "A");
    tree.recordNewPerson(a, "vytvorOsobu", partner);
    tree.recordTextChange(partner, "jmeno", "", "Partnerka");
    Svatba* s = partnership(a, partner, PartnershipType::married);
    tree.recordPartnerChange(a, "novaSvatba", s, nullptr, partner);
    editor.answers = {true, true};
    tree.undo();
    EXPECT_EQ(tree.personCount(), 3);
    EXPECT_EQ(editor.shown, a);
    EXPECT_EQ(history().count(), 1);
    EXPECT_EQ(history().current()->key, "prijmeni");
    EXPECT_TRUE(editor.undoEnabled || tree.canUndo());
    EXPECT_FALSE(tree.canRedo());
    // Nothing left reaches her (the sanitizer build would see it).
    tree.undo();
    tree.redo();
    tree.undo();
    EXPECT_EQ(a->surname, "");
}

TEST_F(UndoReplay, PartnerChangeAskedBothWays)
{
    Svatba* s = partnership(a, c, PartnershipType::married);
    // c replaced by b as a's partner.
    c->removePartnership(s);
    s->partner2 = b;
    b->partnerships.append(std::make_unique<UkSvatba>(s));
    tree.recordPartnerChange(a, "zmenPartnera", s, c, b);
    editor.answers = {true};
    tree.undo();
    EXPECT_EQ(s->partner2, c);
    EXPECT_TRUE(c->hasPartnership(s));
    EXPECT_FALSE(b->hasPartnership(s));
    EXPECT_EQ(editor.questions.back(), "Změnit partnera?");
    EXPECT_EQ(editor.log.back(), "partners 0");

    // A refused redo leaves the cursor before the step, so the same redo is offered again.
    editor.answers = {false};
    tree.redo();
    EXPECT_EQ(s->partner2, c);
    EXPECT_EQ(history().current(), nullptr);
    EXPECT_TRUE(tree.canRedo());
    editor.answers = {true};
    tree.redo();
    EXPECT_EQ(s->partner2, b);
    EXPECT_TRUE(b->hasPartnership(s));
    EXPECT_FALSE(c->hasPartnership(s));
    // And a refused undo leaves it in effect.
    editor.answers = {false};
    tree.undo();
    EXPECT_EQ(s->partner2, b);
    EXPECT_FALSE(tree.canRedo());
}

// A person removed from the tree takes with it every step naming it, in any role, and the steps
// of its partnerships; the cursor and the undo controls follow.
TEST_F(UndoReplay, RemovingAPersonForgetsEveryStepThatNamesIt)
{
    Svatba* s = partnership(b, c, PartnershipType::married);
    tree.recordTextChange(a, "jmeno", "", "Adam");
    tree.recordTextChange(b, "jmeno", "", "Bára");
    tree.recordPartnershipTextChange(c, "svatbaMisto", s, "", "Brno");
    tree.pushAction(std::make_unique<ActionParent>(a, "parent", nullptr, b, 0));
    tree.recordPartnerChange(a, "zmenPartnera", s, nullptr, nullptr);
    tree.recordNewPerson(b, "vytvorOsobu", c);
    tree.recordTextChange(a, "prijmeni", "", "A");
    tree.undo(); // prijmeni is in the redo tail
    tree.undo();
    editor.buttonUpdates = 0;
    tree.removePerson(b);
    // Left: jmeno of a, the partner change (its partnership was b's) went too.
    std::vector<std::string> keys;
    for (Action* x = history().first(); x; x = static_cast<Action*>(x->next))
        keys.push_back(x->key);
    EXPECT_EQ(keys, (std::vector<std::string>{"jmeno", "prijmeni"}));
    EXPECT_EQ(history().current()->key, "jmeno");
    EXPECT_GT(editor.buttonUpdates, 0);
    EXPECT_TRUE(editor.undoEnabled);
    EXPECT_TRUE(editor.redoEnabled);
    tree.redo();
    EXPECT_EQ(a->surname, "A");
    tree.undo();
    tree.undo();
    EXPECT_EQ(a->firstName, "");
    EXPECT_FALSE(tree.canUndo());
}

} // namespace
