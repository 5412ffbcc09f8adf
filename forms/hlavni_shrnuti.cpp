#include "forms/hlavni_shrnuti.h"

#include "forms/sheet_layout.h"

using namespace sheet_layout;

void layOutReport(TRichEdit& report)
{
    report.SetBounds(8, 8, 740, 496);
    report.ReadOnly = true;
    report.PlainText = true;
    report.ScrollBars = TMemo::ssVertical;
    report.Font.Name = "Courier New";
    report.Font.Size = 9;
    report.Font.Charset = 238;
}

ShrnutiSheet::ShrnutiSheet(TTabSheet& s) : sheet(s)
{
    showCzechTexts(texts());
    layOutReport(shrnutiOsobyRICH);
    button(ulozitStatistikuOsobyBT, 8, 510, 80);
    button(tiskStatistikyOsobyBT, 92, 510, 80);
}

WindowTextList ShrnutiSheet::texts()
{
    return {"kartaShrnutiOsoby",
            {
                WindowText::caption(sheet, "shrnutiOsoby", "Shrnutí osoby"),
                WindowText::caption(ulozitStatistikuOsobyBT, "ulozit", "Uložit"),
                WindowText::caption(tiskStatistikyOsobyBT, "tisk", "Tisk"),
            }};
}
