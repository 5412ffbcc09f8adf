#include "forms/ano_ne_storno_form.h"

#include "forms/global_window.h"
#include "forms/question_layout.h"

TanoNeStorno* anoNeStorno = nullptr;

TanoNeStorno::TanoNeStorno() : TForm("anoNeStorno")
{
    claimGlobalWindow(anoNeStorno, this);
    showCzechTexts(texts());
    layoutQuestionWindow(*this, Label1, {&anoBT, &neBT, &stornoBT});
    anoBT.ModalResult = mrYes;
    anoBT.Default = true;
    neBT.ModalResult = mrNo;
    stornoBT.ModalResult = mrCancel;
    stornoBT.Cancel = true;
}

TanoNeStorno::~TanoNeStorno()
{
    releaseGlobalWindow(anoNeStorno, this);
}

void TanoNeStorno::setQuestion(const std::string& question)
{
    fitQuestion(*this, Label1, {&anoBT, &neBT, &stornoBT}, question);
}

WindowTextList TanoNeStorno::texts()
{
    return {kCommonTextSection,
            {
                WindowText::yes(anoBT),
                WindowText::no(neBT),
                WindowText::cancel(stornoBT),
            }};
}
