#include "shell/hlavni.h"

#include "model/language_file.h"
#include "model/rod.h"

Thlavni* hlavni = nullptr;

Thlavni::Thlavni()
{
    if (!hlavni)
        hlavni = this;
    OnCreate = [this] { FormCreate(); };
}

Thlavni::~Thlavni()
{
    if (hlavni == this)
        hlavni = nullptr;
}

void Thlavni::FormCreate()
{
    tree.reset();
    personList = nullptr;
    currentPerson = nullptr;
    languageFile.reset();
    history = nullptr;
    undoReplaying = false;
}
