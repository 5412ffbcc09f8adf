// The person form: the fill-in form of the shown person, of every person, of those with little
// filled in, or a blank one, shown in the text window or printed.
#include "forms/formular_form.h"
#include "forms/mene_nez_form.h"
#include "forms/text_form.h"
#include "model/clovek.h"
#include "model/person_texts.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "shell/list_display.h"
#include "shell/report_text.h"
#include "toolkit/dialogs.h"

void MainFrame::Formular1Click()
{
    TRichEdit& rich = textFORM->textRICH;
    // The form is set in a larger type than the lists; the text window gets its own back after.
    struct FontSize {
        TRichEdit& rich;
        ~FontSize() { rich.Font.Size = 8; }
    } restore{rich};
    rich.Font.Size = 11;

    const ListDisplay display(settings);
    auto writeForm = [&](const Clovek& person, bool blank) {
        std::vector<std::string> lines;
        writePersonForm(person, lines, blank, *this, display);
        showReportText(rich, &lines);
    };
    auto printFormsOf = [&](auto wanted) {
        if (!session.tree() || !textFORM->PrintDialog1.Execute())
            return;
        for (Clovek* person = session.tree()->firstPerson; person; person = person->chainNext)
            if (wanted(*person)) {
                writeForm(*person, false);
                rich.Print("Formular osoby");
            }
    };

    switch (formularFORM->ShowModal()) {
    case mrOk:
        if (!shownPerson())
            return;
        writeForm(*shownPerson(), false);
        textFORM->ShowModal();
        break;
    case mrYes:
        if (!shownPerson())
            return;
        writeForm(*shownPerson(), false);
        if (textFORM->PrintDialog1.Execute())
            rich.Print("Formular osoby");
        break;
    case mrNo:
        printFormsOf([](const Clovek&) { return true; });
        break;
    case mrIgnore: {
        if (meneNezFORM->ShowModal() != mrOk)
            return;
        const int below = meneNezFORM->procentaUD.Position();
        printFormsOf([below](const Clovek& p) { return p.percentFilled < below; });
        break;
    }
    case mrRetry: {
        const Clovek empty;
        writeForm(empty, true);
        // The copies are counted here, one job each, so each is printed once.
        if (PrintDialog1.Execute())
            for (int i = 0; i < PrintDialog1.Copies; ++i)
                rich.Print("Prazdny formular", 1);
        break;
    }
    case mrCancel:
        break;
    default:
        ShowMessage("Chyba: Neznámá volba práce s formulářem!");
        break;
    }
}
