#include "forms/ano_ne_storno_form.h"

#include "forms/global_window.h"
#include "forms/question_layout.h"

TanoNeStorno* anoNeStorno = nullptr;

TanoNeStorno::TanoNeStorno() : TForm("anoNeStorno")
{
    claimGlobalWindow(anoNeStorno, this);
    layoutQuestionWindow(*this, Label1, {&anoBT, &neBT, &stornoBT});
    anoBT.Caption = "Ano";
    anoBT.ModalResult = mrYes;
    anoBT.Default = true;
    neBT.Caption = "Ne";
    neBT.ModalResult = mrNo;
    stornoBT.Caption = "Storno";
    stornoBT.ModalResult = mrCancel;
    stornoBT.Cancel = true;
}

TanoNeStorno::~TanoNeStorno()
{
    releaseGlobalWindow(anoNeStorno, this);
}
