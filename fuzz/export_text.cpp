// The texts made of any tree the loader takes: the delimited text export with every column,
// the statistics and their tables, the anniversary calendar, and the summary of each person and
// each partnership.
#include "fuzzed_tree.h"
#include "model/anniversaries.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/display_settings.h"
#include "model/partnership_summary.h"
#include "model/person_texts.h"
#include "model/svatba.h"
#include "reports/anniversary_calendar.h"
#include "reports/statistics_report.h"
#include "reports/statistics_tables.h"
#include "reports/text_export.h"
#include "system/datetime.h"
#include "system/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TreeFuzzEnvironment harness;
    const std::unique_ptr<Rod> tree = fuzzedTree(data, size, harness.env);
    if (!tree)
        return 0;
    TextSource& texts = harness.texts;
    const Datum today("1", "2", "2024");
    // A date part that is no number stops a text with a conversion error, which the program
    // shows; that is how dates are compared.
    try {
        for (bool choice : {false, true}) {
            FixedDisplaySettings display(choice, choice);
            TextExportChoice columns;
            columns.columns.fill(true);
            columns.separator = choice ? ";" : "\t";
            textExportLines(*tree, columns);
            treeStatisticsLines(*tree, texts, display, today);
            statisticsTablesLines(*tree, texts);

            CalendarChoices events{true, true, true, true, true};
            Prvky anniversaries;
            tree->collectCalendarAnniversaries(anniversaries, events, encodeDate(2024, 2, 1), texts, display,
                                               choice);
            anniversaries.sort();
            calendarLines(anniversaries, 2024);

            std::vector<std::string> lines;
            tree->forEachPerson([&](Clovek* p) {
                writePersonSummary(*p, lines, texts, display);
                writePersonForm(*p, lines, choice, texts, display);
                for (UkSvatba* e : p->partnerships.items<UkSvatba>())
                    if (e->partnership)
                        writePartnershipSummary(lines, *e->partnership, texts, display, today);
            });
        }
    } catch (const std::exception&) {
    }
    return 0;
}
