#include "reports/report_commands.h"

#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"

ReportCommands::ReportCommands(MainWindowPort& window, const ReportControls& controls)
    : window_(window), controls_(controls)
{
    const ReportControls& c = controls_;
    c.zakladniPrehledBT.OnClick = [this] { zakladniPrehledBTClick(); };
    c.tabulkyBT.OnClick = [this] { tabulkyBTClick(); };
    c.ulozitStatistikyLipovetauBT.OnClick = [this] { ulozitStatistikyLipovetauBTClick(); };
    c.tiskStatistikyLipovetauBT.OnClick = [this] { tiskStatistikyLipovetauBTClick(); };
    c.ulozitStatistikuOsobyBT.OnClick = [this] { ulozitStatistikuOsobyBTClick(); };
    c.tiskStatistikyOsobyBT.OnClick = [this] { tiskStatistikyOsobyBTClick(); };
    c.HTMLstranky1.OnClick = [this] { HTMLstranky1Click(); };
    c.HTMLstranka1.OnClick = [this] { HTMLstranka1Click(); };
    c.LineskopBT.OnClick = [this] { LineskopBTClick(); };
    c.SpustitLineskop1.OnClick = [this] { SpustitLineskop1Click(); };
    c.RodovyVyvod1.OnClick = [this] { RodovyVyvod1Click(); };
    c.AgnatniVyvod1.OnClick = [this] { AgnatniVyvod1Click(); };
    c.RozrodKmene1.OnClick = [this] { RozrodKmene1Click(); };
    c.VyvodARozrod1.OnClick = [this] { VyvodARozrod1Click(); };
    c.expTXT.OnClick = [this] { expTXTClick(); };
    c.Kalendar1.OnClick = [this] { Kalendar1Click(); };
    for (TMenuItem* item : {&c.RodovyVyvod1, &c.AgnatniVyvod1, &c.RozrodKmene1, &c.VyvodARozrod1})
        window_.addItemNeedingPersons(*item);
    window_.addTreePage(c.statistikaLipovetau, [this] { showTreeStatistics(); });
}
