// The relatives submenu: 27 kinship queries about the current person into the relatives window.
#include "editor/person_editor.h"
#include "forms/pribuzni_form.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "shell/list_display.h"
#include "shell/window_texts.h"
#include "system/stringlist.h"

namespace {

using WithClear = void (Rod::*)(TStringList&, const Clovek*, bool, const DisplaySettings&) const;
using Always = void (Rod::*)(TStringList&, const Clovek*, const DisplaySettings&) const;

struct KinshipItem {
    TMenuItem ThlavniForm::*item;
    WithClear withClear; // the queries asked to clear the list first
    Always always; // the queries that always clear it
    const char* key;
    const char* relation;
};

// The relation line's key of the grandsons item differs from its caption's key ("vnukove").
const KinshipItem kinshipItems[] = {
    {&ThlavniForm::Bratri1, &Rod::listBrothers, nullptr, "bratri", "Bratři"},
    {&ThlavniForm::Sestry1, &Rod::listSisters, nullptr, "sestry", "Sestry"},
    {&ThlavniForm::Sourozenci1, &Rod::listSiblings, nullptr, "sourozenci", "Sourozenci"},
    {&ThlavniForm::Synove1, &Rod::listSons, nullptr, "synove", "Synové"},
    {&ThlavniForm::Dcery1, &Rod::listDaughters, nullptr, "dcery", "Dcery"},
    {&ThlavniForm::Potomci1, &Rod::listChildren, nullptr, "potomci", "Potomci"},
    {&ThlavniForm::Vnukove1, nullptr, &Rod::listGrandsons, "vnukové", "Vnukové"},
    {&ThlavniForm::Vnucky1, nullptr, &Rod::listGranddaughters, "vnucky", "Vnučky"},
    {&ThlavniForm::VnukoveAVnucky1, nullptr, &Rod::listGrandchildren, "vnukoveAVnucky", "Vnukové a vnučky"},
    {&ThlavniForm::Dedove1, nullptr, &Rod::listGrandfathers, "dedove", "Dědové"},
    {&ThlavniForm::Babicky1, nullptr, &Rod::listGrandmothers, "babicky", "Babičky"},
    {&ThlavniForm::DedoveABabicky1, nullptr, &Rod::listGrandparents, "dedoveABabicky", "Dědové a Babičky"},
    {&ThlavniForm::Strycove1, &Rod::listUncles, nullptr, "strycove", "Strýcové"},
    {&ThlavniForm::Tety1, &Rod::listAunts, nullptr, "tety", "Tety"},
    {&ThlavniForm::StrycoveATety1, nullptr, &Rod::listUnclesAndAunts, "strycoveATety", "Strýcové a tety"},
    {&ThlavniForm::Bratranci1, nullptr, &Rod::listMaleCousins, "bratranci", "Bratranci"},
    {&ThlavniForm::Sestrenice1, nullptr, &Rod::listFemaleCousins, "sestrenice", "Sestřenice"},
    {&ThlavniForm::BratranciASestrenice1, nullptr, &Rod::listCousins, "bratranciASestrenice",
     "Bratranci a sestřenice"},
    {&ThlavniForm::Synovci1, &Rod::listNephews, nullptr, "synovci", "Synovci"},
    {&ThlavniForm::Netere1, &Rod::listNieces, nullptr, "netere", "Neteře"},
    {&ThlavniForm::SynovciANetere1, &Rod::listNephewsAndNieces, nullptr, "synovciANetere",
     "Synovci a neteře"},
    {&ThlavniForm::Zetove1, &Rod::listSonsInLaw, nullptr, "zetove", "Zeťové"},
    {&ThlavniForm::Snachy1, &Rod::listDaughtersInLaw, nullptr, "snachy", "Snachy"},
    {&ThlavniForm::ZetoveASnachy1, &Rod::listChildrenInLaw, nullptr, "zetoveASnachy", "Zeťové a snachy"},
    {&ThlavniForm::Svagri1, &Rod::listBrothersInLaw, nullptr, "svagri", "Švagři"},
    {&ThlavniForm::Svagrove1, &Rod::listSistersInLaw, nullptr, "svagrove", "Švagrové"},
    {&ThlavniForm::SvagriASvagrove1, &Rod::listSiblingsInLaw, nullptr, "svagriASvagrove",
     "Švagři a švagrové"},
};

} // namespace

void PersonEditor::bindKinshipMenu()
{
    for (const KinshipItem& k : kinshipItems)
        (window.*k.item).OnClick = [this, &k] {
            // The submenu is enabled only with persons; a shortcut must not run without one.
            if (!tree() || !currentPerson || !pribuzniFORM)
                return;
            TStringList& found = pribuzniFORM->osobyLIST.Items;
            const ListDisplay display(settings);
            if (k.withClear)
                (tree()->*k.withClear)(found, currentPerson, true, display);
            else
                (tree()->*k.always)(found, currentPerson, display);
            showRelatives(langText("menu", k.key, k.relation));
        };
}

void PersonEditor::showRelatives(const std::string& relation)
{
    TpribuzniFORM& w = *pribuzniFORM;
    const std::string person =
        currentPerson ? currentPerson->displayName(settings.showBirthSurname, settings.showBirth, true) : "";
    WindowTexts(texts()).apply(w.headingTexts());
    w.setHeading(w.nadpisLB.Caption + " " + person);
    w.vztahLB.Caption = langText("hledej", "pribuzenskyVztah", "Příbuzenský vztah:") + " " + relation;
    w.pocetLB.Caption = langText("hledej", "pocetNalezenych", "Počet nalezených osob:") + " " +
                        std::to_string(w.osobyLIST.Items.Count());
    w.osobyLIST.setItemIndex(-1);
    const int result = w.ShowModal();
    const int row = w.osobyLIST.ItemIndex();
    if (result == 1 && row >= 0 && row < w.osobyLIST.Items.Count())
        port.showListedPerson(w.osobyLIST.Items[row]);
}
