// Another genealogy program reads the export: the exported tree is imported into Gramps from its
// command line and written back out as CSV, which must hold the same persons, families, names,
// dates and places, with no error reported. Runs only where `gramps` is installed.
#include "export_tree.h"
#include "gedcom/export_writer.h"
#include "gramps.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::vector<std::string> csvFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
            fields.back() += line[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// The CSV's sections (places, persons, marriages, children), each a list of rows under its
// heading row, keyed by the heading's first field.
std::map<std::string, std::vector<std::vector<std::string>>> csvSections(const std::string& text)
{
    std::map<std::string, std::vector<std::vector<std::string>>> sections;
    std::stringstream in(text);
    std::string line, current;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty()) {
            current.clear();
            continue;
        }
        std::vector<std::string> fields = csvFields(line);
        if (current.empty())
            current = fields[0];
        else
            sections[current].push_back(fields);
    }
    return sections;
}

} // namespace

TEST(GedcomExportGramps, GrampsImportsTheExportWithoutErrorsAndWithTheSameTree)
{
    if (!onPath("gramps"))
        GTEST_SKIP() << "gramps is not installed";
    TempFolder folder;
    ExportTree t;
    t.marie->setRegisterNotes({"Matrika Praha", "sv. 3"});
    t.marie->baptism = "ABT 3.1905";
    const std::string ged = folder / "novakovi.ged";
    exportGedcom(t.tree, ged, Datum("9", "12", "2026"));

    int status = 0;
    const std::string csv = folder / "novakovi.csv";
    const std::string back = folder / "novakovi-gramps.ged";
    const std::string log =
        runGramps({"gramps", "-C", "novakovi", "-i", ged, "-e", csv, "-e", back}, folder.path(), status);
    ASSERT_EQ(status, 0) << log;
    EXPECT_NE(log.find("GEDCOM import report: No errors detected"), std::string::npos) << log;
    for (const char* trouble : {"ncoding", "haracter set", "Traceback", "not understood", "ignored"})
        EXPECT_EQ(log.find(trouble), std::string::npos) << trouble << " in:\n" << log;

    std::ifstream in(csv, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    auto sections = csvSections(text.str());

    std::map<std::string, std::string> places; // "[P0001]" -> title
    for (const auto& row : sections["Place"])
        places[row[0]] = row[1];
    auto place = [&](const std::string& ref) { return ref.empty() ? ref : places[ref]; };

    // Person, surname, first name, sex, birth date and place, death date and place, burial place.
    std::map<std::string, std::string> persons;
    for (const auto& row : sections["Person"]) {
        ASSERT_GE(row.size(), 19u);
        persons[row[0]] = row[1] + "|" + row[2] + "|" + row[7] + "|" + row[8] + "|" + place(row[9]) + "|" +
                          row[14] + "|" + place(row[15]) + "|" + place(row[18]);
    }
    EXPECT_EQ(persons, (std::map<std::string, std::string>{
                           {"[CL0]", "Novák|Jan|male|1900-03-05|Třebíč|1970-11-12|Brno|Ústřední hřbitov"},
                           {"[CL1]", "Svobodová|Marie|female|1905-07-01|Praha|1980||Ústřední hřbitov"},
                           {"[CL2]", "Dvořáková|Eva|female|1898||||"},
                           {"[CL3]", "Novák|Petr|male|1926-04-00|Brno|||"},
                           {"[CL4]", "Nováková|Anna|female|1928-02-14|Brno|||"},
                           {"[CL5]", "Černý|Karel|male|||||"},
                           {"[CL6]", "Dvořák|Zdeněk|male|1924-09-02|Žďár nad Sázavou||" + t.longPlace + "|"},
                       }));

    std::map<std::string, std::string> families;
    for (const auto& row : sections["Marriage"]) {
        ASSERT_GE(row.size(), 5u);
        families[row[0]] = row[1] + "|" + row[2] + "|" + row[3] + "|" + place(row[4]);
    }
    EXPECT_EQ(families, (std::map<std::string, std::string>{
                            {"[ROD1]", "|[CL2]||"},
                            {"[ROD2]", "[CL5]|[CL4]||"},
                            {"[ROD3]", "[CL0]|[CL1]|1925-06-20|Kostel sv. Jakuba, Brno"},
                            {"[ROD4]", "[CL0]|[CL2]|1920-05-00|"},
                        }));

    // The surname a woman took is her married name in Gramps.
    std::ifstream written(back, std::ios::binary);
    std::stringstream gedText;
    gedText << written.rdbuf();
    for (const char* married :
         {"1 NAME Marie /Nováková/\n2 TYPE married\n", "1 NAME Anna /Černá/\n2 TYPE married\n"})
        EXPECT_NE(gedText.str().find(married), std::string::npos) << married;
    // Titles, baptisms, every period and the notes reach Gramps where it keeps them.
    for (const char* kept :
         {"2 NSFX CSc.\n2 NPFX Ing.\n", "1 CHR\n2 DATE 8 MAR 1900\n", "1 CHR\n2 DATE (u sv. Jiří)\n",
          "1 EDUC univerzita\n", "1 RESI\n2 PLAC Třebíč\n",
          "NOTE Narozen doma.\n1 CONT \n1 CONT Zapsán v matrice.\n", "NOTE Matrika Praha\n1 CONT sv. 3\n",
          "1 CHR\n2 DATE ABT MAR 1905\n",
          "NOTE Oddávající kněz: P. Josef Dvořák\n1 CONT Svědkové: Karel Novák, Jan Svoboda\n"})
        EXPECT_NE(gedText.str().find(kept), std::string::npos) << kept;

    std::multimap<std::string, std::string> children;
    for (const auto& row : sections["Family"])
        children.emplace(row[0], row[1]);
    EXPECT_EQ(children, (std::multimap<std::string, std::string>{
                            {"[ROD1]", "[CL6]"}, {"[ROD3]", "[CL4]"}, {"[ROD3]", "[CL3]"}}));
}
