// What the export writes, the import must read back: a tree exported, imported and exported
// again gives the same person and family records, so no field the two share is lost or changed on the way.
#include "export_tree.h"
#include "gedcom/export_writer.h"
#include "import_helpers.h"
#include "model/datum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

namespace {

const Datum kToday("9", "12", "2026");

std::string exportOf(Rod& tree)
{
    return gedcomExportBytes(tree, "strom.ged", kToday);
}

// The options under which a surname between slashes goes back where the export took it from and
// nothing is copied from one surname to the other.
ImportOptions asExported()
{
    ImportOptions options;
    options.nameAsBorn = false;
    options.manCopy = false;
    options.womanCopy = false;
    return options;
}

// The person and family records of an export, each without its cross-references (the import
// numbers persons in file order and the export walks the newest first), sorted so that the
// order of the records does not count.
std::vector<std::string> recordsOf(const std::string& bytes)
{
    std::vector<std::string> records;
    std::string current;
    bool keep = false;
    for (const std::string& line : linesOf(bytes)) {
        if (line.rfind("0 ", 0) == 0) {
            if (keep)
                records.push_back(current);
            keep = line.find(" INDI") != std::string::npos || line.find(" FAM") != std::string::npos;
            current = line.find(" INDI") != std::string::npos ? "INDI" : "FAM";
            continue;
        }
        // Links carry the numbers of the file they are in; every other line must come back.
        static const std::regex link("^1 (FAMS|FAMC|HUSB|WIFE|CHIL) @[A-Z]+[0-9]+@$");
        if (!std::regex_match(line, link))
            current += "\n" + line;
    }
    std::sort(records.begin(), records.end());
    return records;
}

// Each person's name with its parents' names, sorted: the links the references carried.
std::vector<std::string> parentsOf(Rod& tree)
{
    std::vector<std::string> lines;
    tree.forEachPerson([&](Clovek* p) {
        lines.push_back(p->gedcomName() + " < " + (p->father ? p->father->gedcomName() : "") + " + " +
                        (p->mother ? p->mother->gedcomName() : ""));
    });
    std::sort(lines.begin(), lines.end());
    return lines;
}

void expectSameRecords(const std::string& first, const std::string& second)
{
    std::vector<std::string> a = recordsOf(first), b = recordsOf(second);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_EQ(a[i], b[i]);
}

// Where two exports part: the lines around the first that differs, or nothing when they are equal.
std::string firstDifference(const std::string& first, const std::string& second)
{
    const std::vector<std::string> a = linesOf(first), b = linesOf(second);
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    if (i == a.size() && i == b.size())
        return "";
    std::string shown;
    for (const auto* lines : {&a, &b}) {
        shown += "\n---";
        for (size_t k = i < 3 ? 0 : i - 3; k < std::min(lines->size(), i + 3); ++k)
            shown += "\n" + (*lines)[k];
    }
    return shown;
}

} // namespace

TEST(GedcomRoundTrip, AnExportedTreeImportedAndExportedAgainGivesTheSameFile)
{
    ExportTree t;
    const std::string first = exportOf(t.tree);
    Imported back = importText(first, asExported());
    EXPECT_EQ(back.result.persons, t.tree.personCount());
    expectSameRecords(first, exportOf(*back.tree));
    EXPECT_EQ(parentsOf(t.tree), parentsOf(*back.tree));
}

TEST(GedcomRoundTrip, EveryRealFileSettlesAfterOneImport)
{
    // The first import takes what it can of another program's file; from then on export and
    // import carry it unchanged, to the byte, as the import command reads a file.
    std::vector<std::string> files;
    for (const std::string& folder :
         {std::string(KINVELOR_SHARED_DIR) + "/gedcom", std::string(KINVELOR_TEST_DATA)})
        if (std::filesystem::is_directory(folder))
            for (const auto& entry : std::filesystem::directory_iterator(folder))
                if (entry.path().extension() == ".ged")
                    files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    if (files.empty())
        GTEST_SKIP() << "no GEDCOM files to read";
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        Imported once = importFile(file);
        ASSERT_TRUE(once.result.fileFound);
        const std::string first = exportOf(*once.tree);
        Imported twice = importText(first);
        EXPECT_EQ(twice.result.persons, once.result.persons);
        EXPECT_EQ(twice.result.partnerships, once.result.partnerships);
        EXPECT_EQ(parentsOf(*once.tree), parentsOf(*twice.tree));
        EXPECT_EQ(firstDifference(first, exportOf(*twice.tree)), "");
    }
}

TEST(GedcomRoundTrip, AboutDatesBothSurnamesAndEveryLetterComeBackUnchanged)
{
    ExportTree t;
    t.jan->birth.about = 1;
    t.eva->birth.about = 1;
    t.jan->email2 = "@@ a @ b";
    t.zdenek->firstName = "Зденек Søren Åke";
    // A man whose surname is not the one he was born with.
    t.karel->birthSurname = "Schwarz";
    const std::string first = exportOf(t.tree);
    EXPECT_NE(first.find("1 BIRT Y\r\n2 DATE ABT 5 MAR 1900\r\n"), std::string::npos);
    EXPECT_NE(first.find("1 BIRT Y\r\n2 DATE ABT 1898\r\n"), std::string::npos);
    EXPECT_NE(first.find("1 NAME Karel /Schwarz/\r\n2 GIVN Karel\r\n2 SURN Schwarz\r\n2 TYPE birth\r\n"),
              std::string::npos);
    for (const ImportOptions& options : {asExported(), ImportOptions()}) {
        Imported back = importText(first, options);
        const std::string second = exportOf(*back.tree);
        expectSameRecords(first, second);
        const Clovek* karel = back.person("CL5");
        ASSERT_TRUE(karel);
        EXPECT_EQ(karel->surname, "Černý");
        EXPECT_EQ(karel->birthSurname, "Schwarz");
        const Clovek* marie = back.person("CL1");
        EXPECT_EQ(marie->surname, "Nováková");
        EXPECT_EQ(marie->birthSurname, "Svobodová");
        EXPECT_EQ(back.person("CL0")->email1, "jan@novak.cz");
        EXPECT_EQ(back.person("CL0")->email2, "@@ a @ b");
        EXPECT_EQ(back.person("CL0")->birth.about, 1);
        EXPECT_TRUE(back.result.log.empty()) << back.result.log.front();
    }
}

TEST(GedcomRoundTrip, EveryValueLongerThanALineComesBackWhole)
{
    // Each value goes on in CONC lines, which the import must read under every tag the export
    // writes; a blank where a line is cut must not be lost either.
    auto longText = [](const std::string& word) {
        std::string text;
        while (text.size() < 400)
            text += word + (text.size() % 3 ? " " : "  ");
        return text + "konec";
    };
    ExportTree t;
    Clovek& jan = *t.jan;
    const std::vector<std::pair<PersonTextField, std::string>> fields = {
        {&Clovek::firstName, longText("Jan")},      {&Clovek::surname, longText("Novák")},
        {&Clovek::titlesBefore, longText("Ing.")},  {&Clovek::titlesAfter, longText("CSc.")},
        {&Clovek::birthPlace, longText("Třebíč")},  {&Clovek::deathPlace, longText("Brno")},
        {&Clovek::deathCause, longText("zápal")},   {&Clovek::burial, longText("hřbitov")},
        {&Clovek::religion, longText("katolické")}, {&Clovek::nationality, longText("česká")},
        {&Clovek::baptism, longText("u sv. Jiří")}, {&Clovek::email2, longText("jan@novak.cz")},
        {&Clovek::phone2, longText("+420")},        {&Clovek::web2, longText("www.novak.cz")},
    };
    for (const auto& [field, text] : fields)
        field.set(jan, text);
    t.married->place = longText("kostel");
    t.married->officiant = longText("P. Josef");
    t.married->witnesses = longText("Karel");
    jan.setFurtherTexts({longText("poznámka"), longText("další")});
    jan.occupations.append(std::make_unique<CasoveObdobi>(longText("učitel")));

    Imported back = importText(exportOf(t.tree));
    const Clovek* again = back.person("CL0");
    ASSERT_TRUE(again);
    for (const auto& [field, text] : fields)
        EXPECT_EQ(field.of(*again), text);
    EXPECT_EQ(again->furtherTexts(), jan.furtherTexts());
    ASSERT_EQ(again->occupations.count(), 2);
    EXPECT_EQ(static_cast<const CasoveObdobi*>(again->occupations.last())->displayText(), longText("učitel"));
    const Svatba* wedding = nullptr;
    for (const UkSvatba* e : again->partnerships.items<UkSvatba>())
        if (e->partnership->type == 1)
            wedding = e->partnership;
    ASSERT_TRUE(wedding);
    EXPECT_EQ(wedding->place, t.married->place);
    EXPECT_EQ(wedding->officiant, t.married->officiant);
    EXPECT_EQ(wedding->witnesses, t.married->witnesses);
    for (const std::string& l : back.result.log)
        ADD_FAILURE() << l;
}
