// Nothing a tree can hold is lost between another program's file and our export of it: Gramps
// reads each real file, and Gramps reads our export of our import of it; both are written out
// again by Gramps as GEDCOM and every person is compared. Runs only where `gramps` is installed.
#include "gedcom/export_writer.h"
#include "gramps.h"
#include "import_helpers.h"
#include "system/codec.h"
#include "system/fileio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <regex>
#include <set>

namespace {

struct GLine {
    int level;
    std::string xref, tag, value;
};

struct GRecord {
    std::string tag;
    std::vector<GLine> lines; // below the record line
};

// The records of a file Gramps wrote, by cross-reference without at signs.
std::map<std::string, GRecord> recordsOf(const std::string& bytes)
{
    std::map<std::string, GRecord> records;
    GRecord* current = nullptr;
    for (const std::string& text : splitLines(bytes)) {
        std::istringstream in(text);
        GLine line;
        if (!(in >> line.level))
            continue;
        std::string word;
        in >> word;
        if (word.size() > 2 && word.front() == '@') {
            line.xref = word.substr(1, word.size() - 2);
            in >> word;
        }
        line.tag = word;
        std::getline(in, line.value);
        if (!line.value.empty() && line.value.front() == ' ')
            line.value.erase(0, 1);
        if (line.level == 0) {
            current = line.xref.empty() ? nullptr : &records[line.xref];
            if (current)
                current->tag = line.tag;
        } else if (current) {
            current->lines.push_back(line);
        }
    }
    return records;
}

std::string unref(const std::string& v)
{
    return v.size() > 2 && v.front() == '@' ? v.substr(1, v.size() - 2) : v;
}

// A date a tree holds: day, month and year or a part of them from year 1, about or not. Gramps
// writes EST and CAL as they came; the tree keeps them as about.
std::string heldDate(const std::string& value)
{
    static const std::regex held(
        R"(^((ABT|EST|CAL) )?((\d{1,2} )?(JAN|FEB|MAR|APR|MAY|JUN|JUL|AUG|SEP|OCT|NOV|DEC) )?(\d{1,4})$)");
    std::smatch m;
    if (!std::regex_match(value, m, held) || std::stoi(m[6]) < 1)
        return "*";
    return (m[1].matched ? "ABT " : "") + m[3].str() + m[6].str();
}

// A name as a tree holds it: the given names with whatever followed the surname (a suffix such
// as "Sr." stays with the first name), then the surname. Blanks count once, and a comma between
// given names is a blank: Gramps takes a GIVN line that sets the names apart with commas over
// the NAME line, which the import reads.
std::string heldName(std::string value)
{
    value = std::regex_replace(value, std::regex(","), " ");
    std::smatch m;
    if (std::regex_match(value, m, std::regex(R"(^(.*?)(/[^/]*/)(.*)$)"))) {
        const auto tidy = [](const std::string& t) {
            return std::regex_replace(std::regex_replace(t, std::regex(" +"), " "), std::regex("^ | $"), "");
        };
        const std::string given = m[1].str();
        std::string suffix = tidy(m[3].str());
        // Gramps adds an NSFX line to the suffix the NAME line already gave after the surname.
        const size_t half = suffix.size() / 2;
        if (suffix.size() % 2 == 1 && suffix[half] == ' ' &&
            suffix.substr(0, half) == suffix.substr(half + 1))
            suffix.resize(half);
        value = given + " " + suffix + " " + m[2].str();
    }
    value = std::regex_replace(value, std::regex(" +"), " ");
    if (!value.empty() && value.front() == ' ')
        value.erase(0, 1);
    return value;
}

struct Person {
    std::string names, sex;
    std::map<std::string, std::string> events; // "BIRT DATE" -> value
    std::vector<std::string> spouseFamilies, parentFamilies;
};

Person personOf(const GRecord& r)
{
    Person p;
    std::vector<std::string> others;
    std::string event, name, nameType;
    bool firstName = true;
    auto endName = [&] {
        if (name.empty())
            return;
        // A tree holds one first name and two surnames: the name it shows and the one a woman
        // took or a man was born with. Other names (also known as, a nickname) it cannot hold.
        if (firstName)
            p.names = name;
        else if (nameType == "married" || nameType == "birth")
            others.push_back(nameType + ": " + name);
        firstName = false;
        name.clear();
        nameType.clear();
    };
    for (const GLine& l : r.lines) {
        if (l.level == 1) {
            endName();
            event = l.tag;
            if (l.tag == "NAME")
                name = heldName(l.value);
            else if (l.tag == "SEX")
                p.sex = l.value;
            else if (l.tag == "FAMS")
                p.spouseFamilies.push_back(unref(l.value));
            else if (l.tag == "FAMC")
                p.parentFamilies.push_back(unref(l.value));
        } else if (l.level == 2 && event == "NAME" && l.tag == "TYPE") {
            nameType = l.value;
        } else if (l.level == 2 && (event == "BIRT" || event == "DEAT" || event == "BURI") &&
                   (l.tag == "DATE" || l.tag == "PLAC") && !p.events.count(event + " " + l.tag)) {
            // Blanks at the end of a line are trimmed by many readers and by the import.
            p.events[event + " " + l.tag] =
                l.tag == "DATE" ? heldDate(l.value) : std::regex_replace(l.value, std::regex(" +$"), "");
        }
    }
    endName();
    std::sort(others.begin(), others.end());
    for (const std::string& o : others)
        p.names += " | " + o;
    return p;
}

struct Family {
    std::string husband, wife, date, place;
    std::vector<std::string> children;
};

Family familyOf(const GRecord& r)
{
    Family f;
    std::string event;
    for (const GLine& l : r.lines) {
        if (l.level == 1) {
            event = l.tag;
            if (l.tag == "HUSB")
                f.husband = unref(l.value);
            else if (l.tag == "WIFE")
                f.wife = unref(l.value);
            else if (l.tag == "CHIL")
                f.children.push_back(unref(l.value));
        } else if (l.level == 2 && event == "MARR" && l.tag == "DATE" && f.date.empty()) {
            f.date = heldDate(l.value);
        } else if (l.level == 2 && event == "MARR" && l.tag == "PLAC" && f.place.empty()) {
            f.place = std::regex_replace(l.value, std::regex(" +$"), "");
        }
    }
    return f;
}

struct Tree {
    std::map<std::string, Person> persons;
    std::map<std::string, Family> families;
};

Tree treeOf(const std::string& bytes)
{
    Tree t;
    for (const auto& [xref, r] : recordsOf(bytes)) {
        if (r.tag == "INDI")
            t.persons[xref] = personOf(r);
        else if (r.tag == "FAM")
            t.families[xref] = familyOf(r);
    }
    return t;
}

using NameOf = std::function<std::string(const std::string&)>;

// A person's weddings by couple: date and place. Partnerships need both partners; a family of
// one parent has no wedding to keep.
std::map<std::string, std::pair<std::string, std::string>> weddingsOf(const Tree& t, const Person& p,
                                                                      const NameOf& name)
{
    std::map<std::string, std::pair<std::string, std::string>> weddings;
    for (const std::string& id : p.spouseFamilies) {
        const auto f = t.families.find(id);
        if (f != t.families.end() && !f->second.husband.empty() && !f->second.wife.empty())
            weddings[name(f->second.husband) + " + " + name(f->second.wife)] = {f->second.date,
                                                                                f->second.place};
    }
    return weddings;
}

// What a tree holds of a person of `t`, with every other person named through `name`
// (so the two files' different cross-references compare), and the reference's `ref` deciding
// what the tree cannot hold.
std::string heldView(const Tree& t, const Person& p, const Person& ref,
                     const std::map<std::string, std::pair<std::string, std::string>>& refWeddings,
                     const NameOf& name)
{
    std::string s = "name " + p.names;
    // A tree knows men and women only.
    if (ref.sex == "M" || ref.sex == "F")
        s += "\nsex " + p.sex;
    for (const char* key : {"BIRT DATE", "BIRT PLAC", "DEAT DATE", "DEAT PLAC", "BURI PLAC"}) {
        const auto refIt = ref.events.find(key);
        // A range, a period, a phrase, another calendar or a year before 1 has no place in a tree.
        if (refIt != ref.events.end() && refIt->second == "*")
            continue;
        const auto it = p.events.find(key);
        s += std::string("\n") + key + " " + (it == p.events.end() ? "" : it->second);
    }
    // A person has one father and one mother: a second family of parents cannot be held.
    if (ref.parentFamilies.size() == 1 && !p.parentFamilies.empty()) {
        const auto f = t.families.find(p.parentFamilies.front());
        if (f != t.families.end())
            s += "\nparents " + name(f->second.husband) + " + " + name(f->second.wife);
    }
    for (const auto& [couple, wedding] : weddingsOf(t, p, name)) {
        // A wedding date the tree cannot hold (a range, a phrase) is not compared.
        const auto refWedding = refWeddings.find(couple);
        const bool heldDate = refWedding == refWeddings.end() || refWedding->second.first != "*";
        s += "\npartner " + couple + " " + (heldDate ? wedding.first : "*") + " " + wedding.second;
    }
    return s;
}

struct Outcome {
    int identical = 0, total = 0;
    std::vector<std::string> differences;
};

Outcome compareFile(const std::string& file, const TempFolder& folder)
{
    Outcome out;
    const std::string stem = std::filesystem::path(file).stem().string();
    int status = 0;
    const std::string refGed = folder / (stem + "-ref.ged");
    std::string log = runGramps({"gramps", "-C", stem + "-ref", "-i", sharedGedcom(file), "-e", refGed},
                                folder.path(), status);
    if (status != 0) {
        out.differences.push_back("gramps failed on " + file + ":\n" + log);
        return out;
    }
    Imported in = importFile(sharedGedcom(file));
    const std::string ours = folder / (stem + "-ours.ged");
    exportGedcom(*in.tree, ours, Datum("9", "12", "2026"));
    const std::string backGed = folder / (stem + "-back.ged");
    log = runGramps({"gramps", "-C", stem + "-back", "-i", ours, "-e", backGed}, folder.path(), status);
    if (status != 0) {
        out.differences.push_back("gramps failed on our export of " + file + ":\n" + log);
        return out;
    }
    const Tree ref = treeOf(readFileBytes(refGed));
    const Tree back = treeOf(readFileBytes(backGed));

    // Gramps gives a cross-reference of the form I<number> its own width of digits.
    auto grampsId = [&](const std::string& xref) {
        static const std::regex numbered(R"(^I(\d+)$)");
        std::smatch m;
        if (std::regex_match(xref, m, numbered)) {
            char id[32];
            std::snprintf(id, sizeof id, "I%04d", std::stoi(m[1]));
            return std::string(id);
        }
        return xref;
    };
    std::map<std::string, std::string> backToRef; // CL<number> -> the reference's id
    in.tree->forEachPerson(
        [&](Clovek* p) { backToRef["CL" + std::to_string(p->number)] = grampsId(p->importId); });
    auto sameName = [](const std::string& id) { return id; };
    auto mapped = [&](const std::string& id) {
        const auto it = backToRef.find(id);
        return it == backToRef.end() ? std::string() : it->second;
    };
    out.total = int(ref.persons.size());
    for (const auto& [backId, refId] : backToRef) {
        const auto r = ref.persons.find(refId);
        const auto b = back.persons.find(backId);
        if (r == ref.persons.end() || b == back.persons.end()) {
            out.differences.push_back(refId + " / " + backId + ": not found");
            continue;
        }
        const auto refWeddings = weddingsOf(ref, r->second, sameName);
        const std::string expected = heldView(ref, r->second, r->second, refWeddings, sameName);
        const std::string actual = heldView(back, b->second, r->second, refWeddings, mapped);
        if (expected == actual)
            ++out.identical;
        else
            out.differences.push_back(file + " " + refId + ":\n" + expected +
                                      "\n--- after our import and export:\n" + actual);
    }
    return out;
}

} // namespace

TEST(GedcomGrampsFidelity, EveryPersonOfEveryRealFileComesBackAsTheTreeHoldsIt)
{
    if (!onPath("gramps"))
        GTEST_SKIP() << "gramps is not installed";
    SKIP_WITHOUT_SHARED_GEDCOM();
    TempFolder folder;
    std::vector<std::string> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(KINVELOR_SHARED_DIR) + "/gedcom"))
        if (entry.path().extension() == ".ged")
            files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
        const Outcome o = compareFile(file, folder);
        std::cout << file << ": persons identical " << o.identical << " / " << o.total << "\n";
        EXPECT_EQ(o.identical, o.total) << file;
        for (size_t i = 0; i < std::min<size_t>(o.differences.size(), 5); ++i)
            ADD_FAILURE() << o.differences[i];
    }
}
