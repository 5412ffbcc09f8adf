// The main window's three states (no tree, a tree without persons, a tree with persons) and the
// refill of the tab page that becomes active, with the two pages the window fills itself: the
// person summary and the supplementary texts.
#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/person_texts.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "shell/list_display.h"
#include "shell/report_text.h"
#include "system/exceptions.h"
#include "toolkit/application.h"

void MainFrame::enableControls(bool treeOpen, bool hasPersons)
{
    for (TControl* c :
         std::initializer_list<TControl*>{&setrid, &scrolling, &scrollingBar, &zobrazovatGroupBox,
                                          &listSplitter, &skupinyCB, &trideniBT, &zamekCH})
        c->Visible = hasPersons;
    pages.Visible = treeOpen;
    obecne.setTabVisible(treeOpen);
    for (TTabSheet* tab :
         {&zakladniUdaje, &dalsiUdaje, &fotkyAObrazky, &dokumenty, &doplnujiciTextyASoubory, &shrnutiOsoby})
        tab->setTabVisible(hasPersons);
    for (const TreePage& added : treePages_)
        added.page->setTabVisible(treeOpen);
    if (session.tree())
        fillTreePage(pages.ActivePage());

    Ulozit1.Enabled = UlozitBT.Enabled = hasPersons;
    UlozitJako1.Enabled = UlozitJakoBT.Enabled = hasPersons;
    Zavrit1.Enabled = ZavritBT.Enabled = treeOpen;
    if (treeOpen && session.tree())
        updateUndoButtons();
    else
        Zpet1.Enabled = ZpetBT.Enabled = Znovu1.Enabled = ZnovuBT.Enabled = false;
    HromadneMazani1.Enabled = Export1.Enabled = hasPersons;
    Osoba1.Enabled = NovaOsobaBT.Enabled = treeOpen;
    Vymaz1.Enabled = SmazOsobuBT.Enabled = hasPersons;
    Hledej1.Enabled = HledejBT.Enabled = hasPersons;
    for (TMenuItem* item : {&Pribuzni1, &Prehledy1})
        item->Enabled = hasPersons;
    for (TMenuItem* item : itemsNeedingPersons_)
        item->Enabled = hasPersons;
    for (TControl* c :
         std::initializer_list<TControl*>{&nadpisJmenoLB, &obsahKaretLB, &prepniOsobyLB, &prevBT, &nextBT})
        c->Visible = hasPersons;
}

void MainFrame::pagesChange()
{
    if (!session.tree())
        return;
    try {
        TTabSheet* page = pages.ActivePage();
        if (page == &obecne)
            showGeneralPage();
        // A page the tree alone composes is filled by whoever added it; the others show a person.
        else if (fillTreePage(page) || !editor_->shownPerson())
            return;
        else if (page == &shrnutiOsoby)
            showPersonSummary();
        else
            editor_->showPersonPage(page);
    } catch (const Exception& e) {
        // What the page got so far stays; the person still sees the tree and can go on.
        Application.ShowException(e);
    }
}

void MainFrame::addTreePage(TTabSheet& page, std::function<void()> fill)
{
    treePages_.push_back(TreePage{&page, std::move(fill)});
}

void MainFrame::addItemNeedingPersons(TMenuItem& item)
{
    itemsNeedingPersons_.push_back(&item);
}

bool MainFrame::showsNoPerson(const TTabSheet* page)
{
    if (page == &obecne)
        return true;
    for (const TreePage& added : treePages_)
        if (added.page == page)
            return true;
    return false;
}

bool MainFrame::fillTreePage(TTabSheet* page)
{
    for (const TreePage& added : treePages_)
        if (added.page == page) {
            added.fill();
            return true;
        }
    return false;
}

void MainFrame::refreshPage()
{
    pagesChange();
}

void MainFrame::showPersonSummary()
{
    Clovek* person = editor_->shownPerson();
    std::vector<std::string> lines;
    if (person)
        writePersonSummary(*person, lines, *this, ListDisplay(settings));
    showReportText(shrnutiSheet.shrnutiOsobyRICH, person ? &lines : nullptr);
}
