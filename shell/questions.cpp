// The program's questions: a text in a small modal window and the answer as its modal result.
#include "forms/ano_ne_form.h"
#include "forms/ano_ne_storno_form.h"
#include "shell/hlavni.h"

bool MainFrame::askYesNo(const std::string& question)
{
    anoNe->setQuestion(question);
    return anoNe->ShowModal() == mrYes;
}

int MainFrame::askYesNoCancel(const std::string& question)
{
    anoNeStorno->setQuestion(question);
    return anoNeStorno->ShowModal();
}
