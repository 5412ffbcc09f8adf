// The files handed to other programs: the chart viewer's exchange file and portrait copies, the
// delimited text export and the anniversary calendar.
#include "model/casove_obdobi.h"
#include "model/model_helpers.h"
#include "model/rod.h"
#include "model/vyroci.h"
#include "reports/anniversary_calendar.h"
#include "reports/chart_viewer.h"
#include "reports/text_export.h"
#include "system/codec.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/inifile.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class ExchangeFiles : public ::testing::Test {
protected:
    Clovek* add(const std::string& first, const std::string& surname, int sex, const Datum& birth = Datum())
    {
        Clovek* p = addPersonTo(tree, first, surname, sex, birth);
        p->identifier = "id" + first;
        return p;
    }
    std::string section(const Clovek* p) { return "osoba" + std::to_string(p->number); }
    Rod tree;
};

TEST_F(ExchangeFiles, ChartViewerGetsEveryPersonInChainOrderWithItsLinksAndTheShownOne)
{
    Clovek* jan = add("Jan", "Novák", 1, date("?", "3", "1950"));
    Clovek* eva = add("Eva", "Nováková", 0);
    eva->birthSurname = "Malá";
    eva->alive = 0;
    eva->death = date("?", "?", "2001");
    jan->alive = 1;
    jan->death = date("1", "1", "1999"); // stored, yet a living person hands over "X"
    jan->occupations.append(std::make_unique<CasoveObdobi>("zedník"));
    jan->occupations.append(std::make_unique<CasoveObdobi>("mistr"));
    jan->father = eva; // only its number matters here
    jan->hasPortrait = 1;

    TMemIniFile ini;
    fillChartViewerIni(tree, eva, ini);
    const std::vector<std::string> lines = ini.GetStrings();
    ASSERT_FALSE(lines.empty());
    std::vector<std::string> sections;
    for (const std::string& line : lines)
        if (!line.empty() && line[0] == '[')
            sections.push_back(line);
    EXPECT_EQ(sections,
              (std::vector<std::string>{"[" + section(tree.firstPerson) + "]",
                                        "[" + section(tree.firstPerson->chainNext) + "]", "[hlavni]"}));

    const std::string j = section(jan);
    EXPECT_EQ(ini.ReadString(j, "smrt_den", ""), "X");
    EXPECT_EQ(ini.ReadString(j, "smrt_rok", ""), "X");
    EXPECT_EQ(ini.ReadString(j, "naroz_den", ""), "?");
    EXPECT_EQ(ini.ReadString(j, "pohlavi", ""), "1");
    EXPECT_EQ(ini.ReadString(j, "hlava", ""), "1");
    EXPECT_EQ(ini.ReadString(j, "povolani", ""), "mistr") << "the last occupation remains";
    EXPECT_FALSE(ini.ValueExists(j, "bydliste"));
    EXPECT_EQ(ini.ReadInteger(j, "otec", 0), eva->number);
    EXPECT_EQ(ini.ReadInteger(j, "matka", 0), -1);

    const std::string e = section(eva);
    EXPECT_EQ(ini.ReadString(e, "rodprijm", ""), "Malá");
    EXPECT_EQ(ini.ReadString(e, "smrt_mesic", ""), "?");
    EXPECT_EQ(ini.ReadString(e, "smrt_rok", ""), "2001");
    EXPECT_EQ(ini.ReadString(e, "pohlavi", ""), "0");
    EXPECT_EQ(ini.ReadInteger(section(tree.firstPerson), "dalsi", -5), tree.firstPerson->chainNext->number);
    EXPECT_EQ(ini.ReadInteger(section(tree.firstPerson->chainNext), "dalsi", -5), -1);

    EXPECT_EQ(ini.ReadInteger("hlavni", "pocet", 0), 2);
    EXPECT_EQ(ini.ReadInteger("hlavni", "prvni", -5), tree.firstPerson->number);
    EXPECT_EQ(ini.ReadInteger("hlavni", "aktivni", -5), eva->number);
    jan->father = nullptr;
}

TEST_F(ExchangeFiles, ChartViewerPortraitsAreCopiedForThoseWhoHaveOne)
{
    TempFolder work, viewer;
    Clovek* jan = add("Jan", "Novák", 1);
    Clovek* eva = add("Eva", "Nováková", 0);
    jan->hasPortrait = 1;
    std::filesystem::create_directories(work / "hlavy");
    const std::string janName = "hlava" + std::to_string(jan->number) + ".jpg";
    writeFileAtomic(work / ("hlavy/" + janName), "JAN");
    writeFileAtomic(work / ("hlavy/hlava" + std::to_string(eva->number) + ".jpg"), "EVA");
    copyChartViewerPortraits(tree, work.path(), viewer.path());
    EXPECT_EQ(listFolder(viewer.path()), std::vector<std::string>{janName});
    EXPECT_EQ(readFileBytes(viewer / janName), "JAN");
    EXPECT_EQ(chartViewerArguments(0), std::vector<std::string>{"temp"});
    EXPECT_EQ(chartViewerArguments(3), (std::vector<std::string>{"temp", "3"}));
}

TEST_F(ExchangeFiles, TextExportWritesChosenColumnsInTheirOrderEachFollowedByTheSeparator)
{
    Clovek* jan = add("Jan", "Novák", 1, date("?", "3", "1950"));
    Clovek* eva = add("Eva", "Nováková", 0);
    Clovek* ida = add("Ida", "Malá", 0);
    Clovek* syn = add("Petr", "Novák", 1);
    syn->father = jan;
    partnership(jan, eva, PartnershipType::married);
    partnership(jan, ida, PartnershipType::divorced);
    jan->residences.append(std::make_unique<CasoveObdobi>("Brno"));
    jan->residences.append(std::make_unique<CasoveObdobi>("Lhota u Brna"));
    jan->email1 = "a@b.cz";
    jan->email2 = "c@d.cz";

    TextExportChoice choice;
    for (TextColumn c :
         {TextColumn::Surname, TextColumn::FirstName, TextColumn::BirthDate, TextColumn::FatherId,
          TextColumn::PartnerIds, TextColumn::Residences, TextColumn::Email})
        choice.columns[size_t(c)] = true;
    std::vector<std::string> lines = textExportLines(tree, choice);
    ASSERT_EQ(lines.size(), 4u);
    // The chain holds the person added last first.
    EXPECT_EQ(lines[0], "Petr\tNovák\t\tidJan\t\t\t\t");
    EXPECT_EQ(lines[3], "Jan\tNovák\t3.1950\t\tidEva,idIda\tBrno, Lhota u Brna\ta@b.cz\t");

    choice = {};
    EXPECT_EQ(textExportLines(tree, choice)[0], "") << "no column, an empty line";
    choice.columns[size_t(TextColumn::Sex)] = choice.columns[size_t(TextColumn::Web)] = true;
    choice.separator = " ";
    EXPECT_EQ(textExportLines(tree, choice)[1], "0  ");
    syn->father = nullptr;
}

TEST(AnniversaryCalendar, GroupsEntriesByMonthWithNoBlankBeforeJanuary)
{
    Prvky entries;
    entries.append(std::make_unique<Vyroci>(date("3", "1", "1950"), "Jan; 73. narozeniny"));
    entries.append(std::make_unique<Vyroci>(date("20", "1", "1990"), "Eva; 33. narozeniny"));
    entries.append(std::make_unique<Vyroci>(date("5", "11", "1970"), "Petr; 53. narozeniny"));
    EXPECT_EQ(calendarLines(entries, 2023),
              (std::vector<std::string>{" 2023", "=======", "", "03.01. Jan; 73. narozeniny (1950)",
                                        "20.01. Eva; 33. narozeniny (1990)", "",
                                        "05.11. Petr; 53. narozeniny (1970)"}));

    Prvky march;
    march.append(std::make_unique<Vyroci>(date("1", "3", "2000"), "x"));
    EXPECT_EQ(calendarLines(march, 2023)[3], "")
        << "a calendar opening after January starts with a blank line";
    EXPECT_EQ(calendarLines(Prvky(), 2023).size(), 3u);
}

} // namespace
