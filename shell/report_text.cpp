#include "shell/report_text.h"

#include "system/stringlist.h"
#include "toolkit/stdctrls.h"

void showReportText(TRichEdit& rich, const std::vector<std::string>* lines)
{
    if (lines) {
        TStringList text;
        for (const std::string& line : *lines)
            text.Add(line);
        rich.Lines.Assign(text);
    }
    // Switching the character set away and back makes the whole text take it.
    rich.Font.Charset = 0;
    rich.Font.Charset = 238;
}
