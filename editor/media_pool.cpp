#include "editor/media_pool.h"

#include "editor/person_editor.h"
#include "forms/vyber_dokumentu_form.h"
#include "forms/vyber_fotek_form.h"
#include "forms/vyber_souboru_form.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/files.h"
#include "toolkit/dialogs.h"

#include <utility>

namespace {

TForm& windowOf(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photo:
        return *vyberFotekFORM;
    case MediaKind::Document:
        return *vyberDokumentuFORM;
    case MediaKind::File:
        break;
    }
    return *vyberSouboruFORM;
}

MediaPoolParts partsOf(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photo: {
        TvyberFotekFORM& f = *vyberFotekFORM;
        return {f.fotkyVLipovetauLB, f.fotkyLIST,      f.KOsobeBT,       f.jmenoOsobyLB,
                &f.fotkaIMG,         f.fotkyOsobyLB,   f.fotkyOsobyLIST, f.OdOsobyBT,
                f.osobyFotkyLB,      f.osobyFotkyLIST, f.smazBT,         f.zpetBT};
    }
    case MediaKind::Document: {
        TvyberDokumentuFORM& f = *vyberDokumentuFORM;
        return {f.fotkyVLipovetauLB, f.fotkyLIST,          f.KOsobeBT,       f.jmenoOsobyLB,
                &f.dokumentIMG,      f.fotkyOsobyLB,       f.fotkyOsobyLIST, f.OdOsobyBT,
                f.osobyDokumentuLB,  f.osobyDokumentuLIST, f.smazBT,         f.zpetBT};
    }
    case MediaKind::File:
        break;
    }
    TvyberSouboruFORM& f = *vyberSouboruFORM;
    return {f.souboryVLipovetauLB, f.souboryLIST, f.KOsobeBT,
            f.jmenoOsobyLB,        nullptr,       f.souboryOsobyLB,
            f.souboryOsobyLIST,    f.OdOsobyBT,   f.osobySouboruLB,
            f.osobySouboruLIST,    f.smazBT,      f.zpetBT};
}

// The fixed questions and messages of the pools, by kind.
struct PoolTexts {
    const char* link;
    const char* unlink;
    const char* usersLeft;
    const char* deleteStart;
};

const PoolTexts& textsOf(MediaKind kind)
{
    static const PoolTexts texts[] = {
        {"Přiřadit fotku k aktuální osobě?", "Opravdu odstranit přiřazení fotografie k aktuální osobě?",
         "Počet osob, které ještě používají tuto fotografii: ",
         "Počet osob, které mají přiřazenu tuto fotografii je "},
        {"Přiřadit dokument k aktuální osobě?", "Opravdu odstranit přiřazení dokumentu k aktuální osobě?",
         "Počet osob, které ještě používají tento dokument: ",
         "Počet osob, které mají přiřazený tento dokument je "},
        {"Přiřadit soubor k aktuální osobě?", "Opravdu odstranit přiřazení souboru k aktuální osobě?",
         "Počet osob, které ještě používají tento soubor: ",
         "Počet osob, které mají přiřazeny tento soubor je "},
    };
    return texts[static_cast<int>(kind)];
}

TRadioGroup& sortRadioOf(PersonEditor& main, MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photo:
        return main.fotkySheet.seradFotoRADIO;
    case MediaKind::Document:
        return main.dokumentySheet.seradDokRADIO;
    case MediaKind::File:
        break;
    }
    return main.doplnujiciSheet.seradSouborRADIO;
}

} // namespace

MediaPool::MediaPool(PersonEditor& main, MediaKind kind)
    : main_(main), kind_(kind), window_(windowOf(kind)), parts_(partsOf(kind))
{
    parts_.poolLIST.OnClick = [this] { poolClick(); };
    parts_.personLIST.OnClick = [this] { personClick(); };
    parts_.linkBT.OnClick = [this] { linkClick(); };
    parts_.unlinkBT.OnClick = [this] { unlinkClick(); };
    parts_.deleteBT.OnClick = [this] { deleteClick(); };
}

MediaPool::~MediaPool()
{
    for (TControl* c : std::initializer_list<TControl*>{&parts_.poolLIST, &parts_.personLIST, &parts_.linkBT,
                                                        &parts_.unlinkBT, &parts_.deleteBT})
        c->OnClick = nullptr;
}

void MediaPool::run()
{
    const Nastaveni& s = main_.settings;
    parts_.personNameLB.Caption = main_.currentPerson->displayName(s.showBirthSurname, s.showBirth, true);
    if (parts_.preview)
        parts_.preview->Picture.Clear();
    fillPoolList();
    fillPersonList();
    fillUsersList();
    window_.ShowModal();
}

int MediaPool::sortMode() const
{
    return sortRadioOf(main_, kind_).ItemIndex();
}

void MediaPool::updateButtons(bool poolSelected, bool personSelected)
{
    parts_.unlinkBT.Enabled = personSelected;
    parts_.linkBT.Enabled = poolSelected && !personSelected;
    parts_.deleteBT.Enabled = poolSelected;
}

void MediaPool::fillSorted(Prvky& list, TListBox& box)
{
    sortMediaRefs(kind_, list, sortMode());
    TStringList texts;
    fillMediaList(kind_, list, texts, sortMode());
    box.Items.Assign(texts);
    box.setItemIndex(-1);
    updateButtons(parts_.poolLIST.ItemIndex() >= 0, parts_.personLIST.ItemIndex() >= 0);
}

void MediaPool::fillPoolList()
{
    fillSorted(treeMediaStore(*main_.tree(), kind_), parts_.poolLIST);
}

void MediaPool::fillPersonList()
{
    fillSorted(personMedia(*main_.currentPerson, kind_), parts_.personLIST);
}

void MediaPool::fillUsersList()
{
    parts_.usersLIST.Items.Clear();
    const MediaRecord* record = poolRecord();
    if (!record)
        return;
    const Nastaveni& s = main_.settings;
    main_.tree()->forEachPerson([&](Clovek* p) {
        for (Prvek* e = personMedia(std::as_const(*p), kind_).first(); e; e = e->next)
            if (mediaRecordOf(kind_, e) == record)
                parts_.usersLIST.Items.Add(p->displayName(s.showBirthSurname, s.showBirth, s.showNumber));
    });
}

MediaRecord* MediaPool::poolRecord() const
{
    Prvek* entry = treeMediaStore(*main_.tree(), kind_).at(parts_.poolLIST.ItemIndex());
    return entry ? mediaRecordOf(kind_, entry) : nullptr;
}

void MediaPool::showPreview(const MediaRecord& record)
{
    if (parts_.preview)
        main_.loadImageScaled(joinPath(main_.port.workingFolderPath(), mediaStoredPath(kind_, record)),
                              *parts_.preview);
}

void MediaPool::poolClick()
{
    MediaRecord* record = poolRecord();
    if (!record)
        return;
    showPreview(*record);
    parts_.personLIST.setItemIndex(indexOfMedia(kind_, personMedia(*main_.currentPerson, kind_), record));
    updateButtons(true, parts_.personLIST.ItemIndex() >= 0);
    fillUsersList();
}

void MediaPool::personClick()
{
    Prvek* entry = personMedia(*main_.currentPerson, kind_).at(parts_.personLIST.ItemIndex());
    if (!entry)
        return;
    MediaRecord* record = mediaRecordOf(kind_, entry);
    showPreview(*record);
    parts_.poolLIST.setItemIndex(indexOfMedia(kind_, treeMediaStore(*main_.tree(), kind_), record));
    updateButtons(true, true);
    fillUsersList();
}

void MediaPool::linkClick()
{
    MediaRecord* record = poolRecord();
    // A medium the person already shows is not linked twice.
    if (!record || personHasMedia(*main_.currentPerson, kind_, record))
        return;
    if (!main_.askYesNo(textsOf(kind_).link))
        return;
    Prvky& links = personMedia(*main_.currentPerson, kind_);
    links.append(newMediaEntry(kind_, record));
    fillPersonList();
    parts_.personLIST.setItemIndex(indexOfMedia(kind_, links, record));
    updateButtons(true, true);
    // The person now uses the selected medium: the users list says so at once.
    fillUsersList();
}

void MediaPool::unlinkClick()
{
    Prvky& links = personMedia(*main_.currentPerson, kind_);
    Prvek* entry = links.at(parts_.personLIST.ItemIndex());
    if (!entry)
        return;
    MediaRecord* record = mediaRecordOf(kind_, entry);
    if (!main_.askYesNo(textsOf(kind_).unlink))
        return;
    // Counted before the link goes: the record may not outlive it.
    const int usersLeft = countMediaUsers(*record) - 1;
    links.remove(entry);
    fillPersonList();
    fillUsersList();
    ShowMessage(textsOf(kind_).usersLeft + std::to_string(usersLeft));
}

void MediaPool::deleteClick()
{
    MediaRecord* record = poolRecord();
    if (!record)
        return;
    if (!main_.askYesNo(textsOf(kind_).deleteStart + std::to_string(countMediaUsers(*record)) +
                        ". Opravdu vymazat?"))
        return;
    deleteMediaFromTree(*main_.tree(), kind_, record);
    if (parts_.preview)
        parts_.preview->Picture.Clear();
    fillPoolList();
    fillPersonList();
    fillUsersList();
}
