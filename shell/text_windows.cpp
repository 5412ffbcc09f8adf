// The person-list options, the text window and the partnership summary: a produced text to
// read, save as a text file or print.
#include "forms/jak_seznam_form.h"
#include "forms/shrnuti_svatby_form.h"
#include "forms/text_form.h"
#include "shell/dialog_events.h"
#include "shell/hlavni.h"
#include "shell/report_text.h"
#include "system/codec.h"
#include "system/exceptions.h"
#include "toolkit/application.h"

namespace {

// Saves the lines as a UTF-8 text file of the person's choice. The dialog asks before an
// existing file is replaced; the new text is written beside it and renamed over it, so a failed
// write leaves the old file whole, and the failure is told.
void saveLinesAs(TSaveDialog& dialog, const std::vector<std::string>& lines)
{
    dialog.OverwritePrompt = true;
    if (dialog.InitialDir.empty() && hlavni)
        dialog.InitialDir = hlavni->programFolder;
    if (!dialog.Execute())
        return;
    try {
        writeUtf8TextLines(dialog.FileName, lines);
    } catch (const Exception& e) {
        Application.ShowException(e);
    }
}

} // namespace

void TJakSeznamFORM::OkBTClick()
{
    MainFrame::ListColumns columns;
    columns.useBirthSurname = rodnePrijmeniCH.Checked();
    columns.birth = narozeniCH.Checked();
    columns.death = umrtiCH.Checked();
    columns.number = cisloCH.Checked();
    columns.birthPlace = mistoNarozeniCH.Checked();
    columns.deathPlace = mistoUmrtiCH.Checked();
    columns.residence = bydlisteCH.Checked();
    columns.education = vzdelaniCH.Checked();
    columns.occupation = povolaniCH.Checked();

    std::vector<std::string> lines;
    switch (zpusobVypisuRADIO.ItemIndex()) {
    case 0:
        hlavni->buildPersonListHierarchical(lines, columns);
        break;
    case 1:
        hlavni->buildPersonList(lines, columns);
        break;
    case 2:
        hlavni->buildPersonListSorted(lines, columns);
        break;
    default:
        lines = {"chyba: neznámý způsob výpisu"};
        break;
    }
    showReportText(textFORM->textRICH, &lines);
    ModalResult = mrOk;
}

void TtextFORM::ulozitBTClick()
{
    saveLinesAs(SaveDialogTXT, textRICH.Lines.lines());
}

void TtextFORM::tiskBTClick()
{
    // The border is the paper's margin for this print only, also when printing fails.
    struct Border {
        TRichEdit& rich;
        ~Border() { rich.BorderWidth = 0; }
    } border{textRICH};
    textRICH.BorderWidth = 60;
    if (PrintDialog1.Execute())
        textRICH.Print("Lipoveta");
}

void TShrnutiSvatbyFORM::ulozitShrnutiBTClick()
{
    saveLinesAs(SaveDialogTXT, shrnutiMEMO.Lines.lines());
}

void bindTextWindowEvents(TJakSeznamFORM& w)
{
    w.OkBT.OnClick = [&w] { w.OkBTClick(); };
}

void bindTextWindowEvents(TtextFORM& w)
{
    w.ulozitBT.OnClick = [&w] { w.ulozitBTClick(); };
    w.tiskBT.OnClick = [&w] { w.tiskBTClick(); };
}

void bindTextWindowEvents(TShrnutiSvatbyFORM& w)
{
    w.ulozitShrnutiBT.OnClick = [&w] { w.ulozitShrnutiBTClick(); };
}
