#include "reports/report_commands.h"

void ReportCommands::bindReportEvents()
{
    bindStatisticsEvents();
    HTMLstranky1.OnClick = [this] { HTMLstranky1Click(); };
    HTMLstranka1.OnClick = [this] { HTMLstranka1Click(); };
    LineskopBT.OnClick = [this] { LineskopBTClick(); };
    SpustitLineskop1.OnClick = [this] { SpustitLineskop1Click(); };
    RodovyVyvod1.OnClick = [this] { RodovyVyvod1Click(); };
    AgnatniVyvod1.OnClick = [this] { AgnatniVyvod1Click(); };
    RozrodKmene1.OnClick = [this] { RozrodKmene1Click(); };
    VyvodARozrod1.OnClick = [this] { VyvodARozrod1Click(); };
    expTXT.OnClick = [this] { expTXTClick(); };
    Kalendar1.OnClick = [this] { Kalendar1Click(); };
}
