#include "reports/statistics_report.h"

#include "model/clovek.h"
#include "model/date_texts.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "model/text_source.h"
#include "reports/statistics_dates.h"
#include "reports/statistics_queries.h"
#include "system/numbers.h"

namespace {

std::string label(TextSource& texts, const char* key, const char* defaultText)
{
    return texts.langText("statistika", key, defaultText);
}

std::string countLine(TextSource& texts, const char* key, const char* defaultText, int all, int living)
{
    return label(texts, key, defaultText) + " " + intToStr(all) + " (" + intToStr(living) + " " +
           label(texts, "nazivu", "naživu") + ")";
}

// The eight lines of one block: extreme ages of the dead and the living, the three means and the
// commonest first name of the chosen sexes.
void writeBlock(const Rod& tree, std::vector<std::string>& lines, TextSource& texts,
                const DisplaySettings& display, const Datum& today, const BlockFigures& figures, bool men,
                bool women)
{
    struct Extreme {
        bool oldest;
        bool living;
        const char* key;
        const char* defaultText;
        const char* noneKey;
        const char* noneDefault;
    };
    const Extreme extremes[] = {
        {true, false, "nejvyssiVekZesnuli", "Nejvyšší věk ze zesnulých:", "nejvyssiVekZesnuliNelze",
         "Nejvyšší věk ze zesnulých: (nelze určit)"},
        {false, false, "nejnizsiVekZesnuli", "Nejnižší věk ze zesnulých:", "nejnizsiVekZesnuliNelze",
         "Nejnižší věk ze zesnulých: (nelze určit)"},
        {true, true, "nejstarsiZijici", "Nejstarší žijící:", "nejstarsiZijiciNelze",
         "Nejstarší žijící: (nelze určit)"},
        {false, true, "nejmladsiZijici", "Nejmladší žijící:", "nejmladsiZijiciNelze",
         "Nejmladší žijící: (nelze určit)"},
    };
    const AgeExtremes& ages = figures.ages;
    for (const Extreme& e : extremes) {
        const Clovek* p = e.oldest ? (e.living ? ages.oldestLiving : ages.oldestDead)
                                   : (e.living ? ages.youngestLiving : ages.youngestDead);
        if (!p) {
            lines.push_back(label(texts, e.noneKey, e.noneDefault));
            continue;
        }
        lines.push_back(label(texts, e.key, e.defaultText) + " " +
                        p->displayName(display.showBirthSurname(), display.showBirth(), true) + "; " +
                        label(texts, "vek", "věk") + ": " +
                        ageOrIntervalText(p->birth, e.living ? today : p->death, texts));
    }
    lines.push_back(label(texts, "prumernaDelka", "Průměrná délka života:") + " " +
                    durationText(figures.meanAgeAtDeath, texts));
    lines.push_back(label(texts, "prumernyVekSnatek", "Průměrný věk při 1. sňatku:") + " " +
                    durationText(figures.meanAgeAtFirstWedding, texts));
    lines.push_back(label(texts, "prumernyVekDite", "Průměrný věk při 1. dítěti:") + " " +
                    durationText(figures.meanAgeAtFirstChild, texts));
    lines.push_back(label(texts, "nejcastejsiJmeno", "Nejčastější jméno:") + " " +
                    commonestFirstName(tree, men, women, texts));
}

} // namespace

std::vector<std::string> treeStatisticsLines(const Rod& tree, TextSource& texts,
                                             const DisplaySettings& display, const Datum& today)
{
    BlockFigures men, women, all;
    blockFigures(tree, StatDate(today), men, women, all);
    std::vector<std::string> lines;
    lines.push_back(label(texts, "statistika", "Statistika Lipovetau") + " - " + tree.treeName);
    lines.emplace_back();
    lines.push_back(countLine(texts, "pocetOsob", "Počet osob:", tree.countPersons(true, true),
                              tree.countPersons(true, false)));
    lines.push_back(
        countLine(texts, "pocetMuzu", "Počet mužů:", tree.countMen(true, true), tree.countMen(true, false)));
    lines.push_back(countLine(texts, "pocetZen", "Počet žen:", tree.countWomen(true, true),
                              tree.countWomen(true, false)));
    lines.emplace_back();
    lines.push_back(label(texts, "pocetGeneraci", "Počet generací:") + " " + intToStr(tree.maxGenerations()));
    lines.emplace_back();
    lines.push_back(label(texts, "muzi", "MUŽI:"));
    writeBlock(tree, lines, texts, display, today, men, true, false);
    lines.emplace_back();
    lines.push_back(label(texts, "zeny", "ŽENY"));
    writeBlock(tree, lines, texts, display, today, women, false, true);
    lines.emplace_back();
    lines.push_back(label(texts, "vsichni", "VŠICHNI"));
    writeBlock(tree, lines, texts, display, today, all, true, true);
    lines.emplace_back();
    lines.push_back(label(texts, "dalsiZajimavosti", "DALŠÍ ZAJÍMAVOSTI:"));
    lines.push_back(mostChildrenText(tree, texts, display));
    lines.emplace_back();
    writeCalendarExtremes(tree, lines, texts);
    writeFamilyRecords(tree, lines, texts, display, today);
    lines.emplace_back();
    lines.push_back(
        label(texts, "poznamka",
              "(pozn.: Statistiky mohou být vztaženy pouze k lidem, kteří mají vyplněné potřebné údaje.)"));
    return lines;
}
