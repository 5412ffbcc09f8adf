#include "forms/ano_ne_form.h"

#include "forms/global_window.h"
#include "forms/question_layout.h"

TanoNe* anoNe = nullptr;

TanoNe::TanoNe() : TForm("anoNe")
{
    claimGlobalWindow(anoNe, this);
    showCzechTexts(texts());
    layoutQuestionWindow(*this, Label1, {&anoBT, &neBT});
    anoBT.ModalResult = mrYes;
    anoBT.Default = true;
    neBT.ModalResult = mrNo;
    neBT.Cancel = true;
}

TanoNe::~TanoNe()
{
    releaseGlobalWindow(anoNe, this);
}

void TanoNe::setQuestion(const std::string& question)
{
    fitQuestion(*this, Label1, {&anoBT, &neBT}, question);
}

WindowTextList TanoNe::texts()
{
    return {kCommonTextSection,
            {
                WindowText::yes(anoBT),
                WindowText::no(neBT),
            }};
}
