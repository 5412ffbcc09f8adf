#include "shell/hlavni.h"

#include "model/language_file.h"
#include "model/rod.h"

Thlavni* hlavni = nullptr;

Thlavni::Thlavni()
{
    if (!hlavni)
        hlavni = this;
    OnCreate = [this] { FormCreate(); };
    Jazyk1.OnClick = [this] { Jazyk1Click(); };
    Kontroly1.OnClick = [this] { Kontroly1Click(); };
    BarvyVztahu1.OnClick = [this] { BarvyVztahu1Click(); };
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
