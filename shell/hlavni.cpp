#include "shell/hlavni.h"

#include "forms/global_window.h"
#include "model/language_file.h"
#include "model/prev_next.h"
#include "model/rod.h"
#include "storage/working_folders.h"

MainFrame* hlavni = nullptr;

MainFrame::MainFrame()
{
    claimGlobalWindow(hlavni, this);
}

void MainFrame::bindEvents()
{
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    OnClose = [this](TCloseAction& action) { FormClose(action); };

    // The tree menu and its tool buttons.
    Novy1.OnClick = NovyBT.OnClick = [this] { Novy1Click(); };
    Otevrit1.OnClick = OtevritBT.OnClick = [this] { Otevrit1Click(); };
    Ulozit1.OnClick = UlozitBT.OnClick = [this] { Ulozit1Click(); };
    UlozitJako1.OnClick = UlozitJakoBT.OnClick = [this] { UlozitJako1Click(); };
    Zavrit1.OnClick = ZavritBT.OnClick = [this] { Zavrit1Click(); };
    Konec1.OnClick = [this] { Konec1Click(); };
    Zpet1.OnClick = ZpetBT.OnClick = [this] { Zpet1Click(); };
    Znovu1.OnClick = ZnovuBT.OnClick = [this] { Znovu1Click(); };
    soubor1.OnClick = [this] { openRecentFile(0); };
    soubor2.OnClick = [this] { openRecentFile(1); };
    soubor3.OnClick = [this] { openRecentFile(2); };
    soubor4.OnClick = [this] { openRecentFile(3); };
    Tip1.OnClick = [this] { Tip1Click(); };
    F91.OnClick = [this] { editQuickText(0); };
    F101.OnClick = [this] { editQuickText(1); };
    F111.OnClick = [this] { editQuickText(2); };
    F121.OnClick = [this] { editQuickText(3); };

    // The general tab.
    ObecneSheet& g = obecneSheet;
    g.nazevED.OnChange = [this] { nazevEDChange(); };
    g.autorED.OnChange = [this] { autorEDChange(); };
    g.vytvorenoED.OnChange = [this] { vytvorenoEDChange(); };
    g.spolupracovaliED.OnChange = [this] { spolupracovaliEDChange(); };
    for (TEdit* edit : {&g.nazevED, &g.autorED, &g.vytvorenoED, &g.spolupracovaliED})
        edit->OnKeyDown = [this, edit](int& key, TShiftState) { fieldKeyDown(*edit, key); };
    g.dalsiUdajeMEMO.OnExit = [this] { dalsiUdajeMEMOExit(); };
    addMemoToCommit(g.dalsiUdajeMEMO);
    pages.OnChange = [this] { pagesChange(); };
    Jazyk1.OnClick = [this] { Jazyk1Click(); };
    Kontroly1.OnClick = [this] { Kontroly1Click(); };
    Hledej1.OnClick = HledejBT.OnClick = [this] { Hledej1Click(); };
    Vyroci1.OnClick = [this] { Vyroci1Click(); };
    BarvyVztahu1.OnClick = [this] { BarvyVztahu1Click(); };
    editor_->bindEvents();
    bindShellCommands();
}

MainFrame::~MainFrame()
{
    // The rows of the list go before the tree whose persons they show.
    personList.dropView();
    history.reset();
    releaseGlobalWindow(hlavni, this);
}

void MainFrame::FormCreate()
{
    personList.dropView();
    editor_->setShownPerson(nullptr);
    languageFile.reset();
    history.reset();
    editor_->setUndoReplaying(false);
}
