// The real files of other programs: counts, accents and the known facts about royal92.ged.
#include "import_helpers.h"
#include "model/svatba.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(GedcomRealFiles, CountsOfEveryFile)
{
    SKIP_WITHOUT_SHARED_GEDCOM();
    struct Expected {
        const char* file;
        int persons;
        int partnerships; // families naming both a husband and a wife
    };
    for (const Expected& e :
         {Expected{"royal92.ged", 3010, 1138}, Expected{"bourbon.ged", 303, 113}, Expected{"bach.ged", 33, 8},
          Expected{"basic.ged", 5, 2}, Expected{"gramps-sample.ged", 42, 15}}) {
        const Imported in = importFile(sharedGedcom(e.file));
        ASSERT_TRUE(in.result.fileFound) << e.file;
        EXPECT_EQ(in.result.persons, e.persons) << e.file;
        EXPECT_EQ(in.result.partnerships, e.partnerships) << e.file;
        EXPECT_FALSE(in.tree->hasAncestorCycle()) << e.file;
    }
}

TEST(GedcomRealFiles, Royal92Facts)
{
    SKIP_WITHOUT_SHARED_GEDCOM();
    const Imported in = importFile(sharedGedcom("royal92.ged"));
    EXPECT_EQ(in.result.charset, GedcomCharset::Ansel);
    EXPECT_EQ(in.result.persons, 3010);
    EXPECT_EQ(in.tree->countWomen(true, true), 1311);
    // The thirteen persons of unknown sex are kept as men, each with its log line.
    EXPECT_EQ(in.tree->countMen(true, true), 1686 + 13);
    int unknownSex = 0, withoutBirth = 0;
    std::set<std::string> surnames;
    for (const std::string& line : in.result.log)
        unknownSex += line.find("pohlaví neuvedeno") != std::string::npos;
    in.tree->forEachPerson([&](Clovek* p) {
        withoutBirth += p->birth.year == "?" && p->birth.month == "?" && p->birth.day == "?";
        if (!p->birthSurname.empty())
            surnames.insert(p->birthSurname);
    });
    EXPECT_EQ(unknownSex, 13);
    EXPECT_EQ(withoutBirth, 1275);
    EXPECT_EQ(surnames.size(), 421u);
    const Clovek* victoria = in.person("I1");
    ASSERT_TRUE(victoria);
    EXPECT_EQ(victoria->firstName, "Victoria");
}

TEST(GedcomRealFiles, AccentsOfUtf8Files)
{
    SKIP_WITHOUT_SHARED_GEDCOM();
    const Imported gramps = importFile(sharedGedcom("gramps-sample.ged"));
    EXPECT_EQ(gramps.person("I0")->birthPlace, "Löderup, Malmöhus Län, Sweden");
    const Imported bourbon = importFile(sharedGedcom("bourbon.ged"));
    EXPECT_EQ(bourbon.tree->furtherData.size() > 0, true);
    bool found = false;
    for (const std::string& line : bourbon.tree->furtherData)
        found = found ||
                line == "poznámka: Généalogie faisant le lien avec les Ducs, Princes et Rois de Bretagne";
    EXPECT_TRUE(found);
}

} // namespace
