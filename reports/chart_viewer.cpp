#include "reports/chart_viewer.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/files.h"
#include "system/inifile.h"

namespace {

int numberOf(const Clovek* person)
{
    return person ? person->number : -1;
}

// Every entry is written under the same key, so the viewer sees the last one.
void writePeriods(TMemIniFile& ini, const std::string& section, const char* key, const Prvky& list)
{
    for (CasoveObdobi* e : list.items<CasoveObdobi>())
        ini.WriteString(section, key, e->displayText());
}

std::string portraitName(const Clovek& person)
{
    return "hlava" + std::to_string(person.number) + ".jpg";
}

} // namespace

void fillChartViewerIni(const Rod& tree, const Clovek* active, TMemIniFile& ini)
{
    int count = 0;
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        const std::string s = "osoba" + std::to_string(p->number);
        ini.WriteString(s, "jmeno", p->firstName);
        ini.WriteString(s, "prijm", p->surname);
        ini.WriteString(s, "rodprijm", p->birthSurname);
        ini.WriteInteger(s, "cislo", p->number);
        ini.WriteString(s, "titulpred", p->titlesBefore);
        ini.WriteString(s, "titulza", p->titlesAfter);
        ini.WriteBool(s, "pohlavi", p->sex == 1);
        ini.WriteBool(s, "hlava", p->hasPortrait != 0);
        ini.WriteString(s, "naroz_den", p->birth.day);
        ini.WriteString(s, "naroz_mesic", p->birth.month);
        ini.WriteString(s, "naroz_rok", p->birth.year);
        const bool alive = p->alive != 0;
        ini.WriteString(s, "smrt_den", alive ? "X" : p->death.day);
        ini.WriteString(s, "smrt_mesic", alive ? "X" : p->death.month);
        ini.WriteString(s, "smrt_rok", alive ? "X" : p->death.year);
        ini.WriteString(s, "naroz_misto", p->birthPlace);
        ini.WriteString(s, "smrt_misto", p->deathPlace);
        writePeriods(ini, s, "povolani", p->occupations);
        writePeriods(ini, s, "bydliste", p->residences);
        writePeriods(ini, s, "vzdelani", p->educations);
        ini.WriteInteger(s, "otec", numberOf(p->father));
        ini.WriteInteger(s, "matka", numberOf(p->mother));
        ini.WriteInteger(s, "dalsi", numberOf(p->chainNext));
        ++count;
    }
    ini.WriteInteger("hlavni", "pocet", count);
    ini.WriteInteger("hlavni", "prvni", numberOf(tree.firstPerson));
    ini.WriteInteger("hlavni", "aktivni", numberOf(active));
}

void copyChartViewerPortraits(const Rod& tree, const std::string& workingFolder,
                              const std::string& portraitFolder)
{
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext)
        if (p->hasPortrait)
            copyFile(joinPath(workingFolder, "hlavy/" + portraitName(*p)),
                     joinPath(portraitFolder, portraitName(*p)), true, false);
}

std::string chartViewerFolder(const std::string& programFolder)
{
    return joinPath(programFolder, "lineskop");
}

std::string chartViewerProgram(const std::string& programFolder)
{
    const std::string folder = chartViewerFolder(programFolder);
    for (const char* name : {"lineskop", "lineskop.exe"})
        if (fileExists(joinPath(folder, name)))
            return joinPath(folder, name);
    return joinPath(folder, "lineskop");
}

std::vector<std::string> chartViewerArguments(int chart)
{
    if (chart <= 0)
        return {"temp"};
    return {"temp", std::to_string(chart)};
}
