#pragma once
// Trees for the tree-file tests and a text of everything a tree file keeps, so two trees can be
// compared field by field.
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/media.h"
#include "model/model_helpers.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "system/datetime.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

inline void addPeriod(SparseList& list, const std::string& text, const std::string& from,
                      const std::string& to)
{
    list.append(std::unique_ptr<Prvek>(period(text, from, to)));
}

// The tree written out by hand in data/maly_strom.txt: Czech letters, a TAB and a "˙", the
// letter Windows-1250 stores as 0xFF, which the shift turns into 0x00. Answers the person shown.
inline Clovek* buildSmallTree(Rod& tree)
{
    tree.treeName = "Rod Nováků";
    tree.author = "Jan Novák";
    tree.createdText = "2024";
    tree.userCaption1 = "Přezdívka";
    tree.furtherData = {"První řádek", "Tab\tuvnitř"};

    auto* photo = new Fotka(0);
    photo->name = "Svatba";
    photo->year = "1950";
    photo->comment.Add("Kostel");
    tree.photoStore.append(std::make_unique<UkFotka>(photo));
    auto* file = new Soubor(2);
    file->name = "Dopis";
    file->type = "pdf";
    tree.fileStore.append(std::make_unique<UkSoubor>(file));

    Clovek* jan = makePerson("Jan", "Novák", 1, date("5", "3", "1920"));
    jan->number = 0;
    jan->identifier = "0";
    jan->lock = 1;
    jan->birthPlace = "Brno";
    jan->created = encodeDate(2024, 1, 2) + encodeTime(10, 20, 30);
    jan->user1 = "˙kon";
    addPeriod(jan->residences, "Brno", "1920", "1950");
    jan->photos.append(std::make_unique<UkFotka>(photo));
    jan->files.append(std::make_unique<UkSoubor>(file));

    Clovek* marie = makePerson("Marie", "Nováková", 0);
    marie->number = 1;
    marie->identifier = "1";
    marie->birthSurname = "Dvořáková";
    marie->alive = 0;
    marie->death = date("?", "?", "1990");
    marie->death.about = 1;
    marie->death.tolerance = 2;
    marie->deathPlace = "Praha";
    marie->created = encodeDate(2024, 1, 2);
    marie->setRegisterNotes({"Matrika 1"});

    Clovek* karel = makePerson("Karel", "Novák");
    karel->number = 2;
    karel->titlesBefore = "Ing.";
    karel->father = jan;
    karel->mother = marie;
    karel->created = encodeTime(8, 0, 0);

    tree.appendPerson(std::unique_ptr<Clovek>(jan));
    tree.appendPerson(std::unique_ptr<Clovek>(marie));
    tree.appendPerson(std::unique_ptr<Clovek>(karel));

    Svatba* s = partnership(jan, marie, PartnershipType::divorced);
    s->wedding = date("1", "6", "1945");
    s->place = "Brno";
    s->witnesses = "Petr";
    s->divorce = date("?", "?", "1960");

    auto* group = new Group("Rodiče");
    group->members.append(std::make_unique<UkGrClovek>(jan));
    group->members.append(std::make_unique<UkGrClovek>(marie));
    tree.groups.append(std::unique_ptr<Prvek>(group));
    return marie;
}

// Everything a tree file keeps of a tree, persons ordered by number (a load reverses the chain).
inline std::string treeText(const Rod& tree)
{
    std::ostringstream o;
    o << tree.treeName << '|' << tree.author << '|' << tree.createdText << '|' << tree.collaborators << '|'
      << tree.userCaption1 << '|' << tree.userCaption2 << '|' << tree.userCaption3 << '|' << tree.userCaption4
      << '|' << tree.userCaption5 << "|active " << tree.activePersonNumber << '\n';
    for (const std::string& l : tree.furtherData)
        o << "data " << l << '\n';
    auto record = [&](const char* kind, const MediaRecord& r) {
        o << kind << ' ' << r.number << '|' << r.name << '|' << r.year;
        for (const std::string& l : r.comment)
            o << '|' << l;
    };
    for (UkFotka* e : tree.photoStore.items<UkFotka>())
        record("photo", *e->record), o << '\n';
    for (UkDokument* e : tree.documentStore.items<UkDokument>())
        record("document", *e->record), o << '\n';
    for (UkSoubor* e : tree.fileStore.items<UkSoubor>())
        record("file", *e->record), o << '|' << e->record->type << '\n';
    for (Group* g : tree.groups.items<Group>()) {
        o << "group " << g->name;
        for (UkGrClovek* m : g->members.items<UkGrClovek>())
            o << ' ' << (m->person() ? m->person()->number : -99);
        o << '\n';
    }
    std::vector<const Clovek*> persons;
    tree.forEachPerson([&](const Clovek* p) { persons.push_back(p); });
    std::sort(persons.begin(), persons.end(),
              [](const Clovek* a, const Clovek* b) { return a->number < b->number; });
    auto dat = [&](const Datum& d) {
        o << d.day << '.' << d.month << '.' << d.year << '~' << int(d.about) << '+' << d.tolerance << '|';
    };
    auto periods = [&](const Prvky& list) {
        for (CasoveObdobi* e : list.items<CasoveObdobi>())
            o << e->text << '(' << e->from << '-' << e->to << ')';
        o << '|';
    };
    for (const Clovek* p : persons) {
        o << "person " << p->number << '|' << p->identifier << '|' << int(p->lock) << '|' << p->firstName
          << '|' << p->surname << '|' << p->birthSurname << '|' << int(p->sex) << '|' << p->titlesBefore
          << '|' << p->titlesAfter << '|' << int(p->alive) << '|';
        dat(p->birth);
        o << p->birthPlace << '|';
        dat(p->death);
        o << p->deathPlace << '|' << p->burial << '|' << p->deathCause << '|' << int(p->hasPortrait)
          << "|father " << (p->father ? p->father->number : -1) << "|mother "
          << (p->mother ? p->mother->number : -1) << '|';
        periods(p->residences);
        periods(p->educations);
        periods(p->occupations);
        for (PersonTextField t : std::initializer_list<PersonTextField>{
                 &Clovek::religion, &Clovek::baptism, &Clovek::godparent1, &Clovek::godparent2,
                 &Clovek::nationality, &Clovek::citizenship, &Clovek::email1, &Clovek::email2,
                 &Clovek::phone1, &Clovek::phone2, &Clovek::web1, &Clovek::web2, &Clovek::user1,
                 &Clovek::user2, &Clovek::user3, &Clovek::user4, &Clovek::user5})
            o << t.of(*p) << '|';
        o << dateTimeToStr(p->created) << '|';
        for (std::string_view l : p->furtherTexts())
            o << l << ';';
        o << '|';
        for (std::string_view l : p->registerNotes())
            o << l << ';';
        o << "|photos";
        for (UkFotka* e : p->photos.items<UkFotka>())
            o << ' ' << e->record->number;
        o << "|documents";
        for (UkDokument* e : p->documents.items<UkDokument>())
            o << ' ' << e->record->number;
        o << "|files";
        for (UkSoubor* e : p->files.items<UkSoubor>())
            o << ' ' << e->record->number;
        o << '\n';
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            const Svatba* s = e->partnership;
            o << "  partnership " << s->partner1->number << '&' << s->partner2->number << " type "
              << int(s->type) << '|';
            dat(s->wedding);
            o << s->place << '|' << s->officiant << '|' << s->witnesses << '|' << s->divorce.day << '.'
              << s->divorce.month << '.' << s->divorce.year << '\n';
        }
    }
    return o.str();
}

// A tree that uses every key of the format: every field of a dead and a living person, parents,
// periods, counted texts, all three stores with comments, media links, a portrait, groups and
// partnerships of all three types. The media must be put into the working folder by the caller
// (`fullTreeMedia`). Answers the person shown.
inline Clovek* buildFullTree(Rod& tree)
{
    buildSmallTree(tree);
    tree.collaborators = "Eva; Petr";
    tree.userCaption5 = "Vojna";
    auto* doc = new Dokument(3);
    doc->name = "Křestní list";
    doc->year = "1921";
    doc->comment.Add("fara");
    doc->comment.Add("");
    tree.documentStore.append(std::make_unique<UkDokument>(doc));
    auto* second = new Fotka(1);
    tree.photoStore.append(std::make_unique<UkFotka>(second));

    Clovek* p = makePerson("Žofie", "Černá", 0, date("29", "2", "1904"));
    p->number = 7;
    p->identifier = "A-7";
    p->birthSurname = "Bílá";
    p->titlesBefore = "MUDr.";
    p->titlesAfter = "CSc.";
    p->birth.about = 1;
    p->birth.tolerance = 3;
    p->birthPlace = "Ústí nad Labem";
    p->alive = 0;
    p->death = date("1", "12", "1980");
    p->death.tolerance = 0;
    p->deathPlace = "Olomouc";
    p->burial = "Ústřední hřbitov";
    p->deathCause = "stáří";
    p->hasPortrait = 1;
    addPeriod(p->residences, "Olomouc", "1930", "");
    addPeriod(p->residences, "Brno", "", "");
    addPeriod(p->educations, "Gymnázium", "1915", "1923");
    addPeriod(p->occupations, "lékařka", "1930", "1970");
    p->religion = "ř.k.";
    p->baptism = "3.3.1904";
    p->godparent1 = "Anna";
    p->godparent2 = "Josef";
    p->nationality = "česká";
    p->citizenship = "ČSR";
    p->email1 = "a@b.cz";
    p->email2 = "c@d.cz";
    p->phone1 = "+420 1";
    p->phone2 = "2";
    p->web1 = "http://x.cz";
    p->web2 = "http://y.cz";
    p->created = encodeDate(2001, 9, 11) + encodeTime(23, 59, 58);
    p->user1 = "u1";
    p->user2 = "u2";
    p->user3 = "u3";
    p->user4 = "u4";
    p->user5 = "u5";
    p->setFurtherTexts({"první", "", "třetí"});
    p->setRegisterNotes({"kniha 3, str. 14"});
    p->photos.append(std::make_unique<UkFotka>(second));
    p->photos.append(std::make_unique<UkFotka>(tree.findPhoto(0)));
    p->documents.append(std::make_unique<UkDokument>(doc));
    p->files.append(std::make_unique<UkSoubor>(tree.findFile(2)));
    Clovek* jan = tree.findPersonByNumber(0);
    Clovek* karel = tree.findPersonByNumber(2);
    p->father = jan;
    tree.appendPerson(std::unique_ptr<Clovek>(p));

    Svatba* married = partnership(karel, p, PartnershipType::married);
    married->wedding = date("?", "5", "1950");
    married->wedding.about = 1;
    married->wedding.tolerance = 4;
    married->place = "Olomouc";
    married->officiant = "P. Novotný";
    married->witnesses = "A, B";
    partnership(p, jan, PartnershipType::plain);

    auto* group = new Group("Prázdná");
    tree.groups.append(std::unique_ptr<Prvek>(group));
    static_cast<Group*>(tree.groups.first())->members.append(std::make_unique<UkGrClovek>(p));
    return p;
}

// Every stored copy the full tree names, with its content.
inline std::vector<std::pair<std::string, std::string>> fullTreeMedia()
{
    return {{"foto/foto0.jpg", "photo 0"},
            {"foto/foto1.jpg", "photo 1"},
            {"dokumenty/dokument3.jpg", "document 3"},
            {"soubory/soubor2.pdf", "letter"},
            {"hlavy/hlava7.jpg", "face"}};
}
