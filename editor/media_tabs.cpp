// The photo, document and file tabs: the current person's media of one kind as a list in one of
// its sort orders, the current record's name, year and comment beside its preview, and the
// buttons that open, save elsewhere, insert, assign from the tree and remove. Media edits are
// never undo steps.
#include "editor/media_pool.h"
#include "editor/person_editor.h"
#include "forms/vymaz_foto_form.h"
#include "model/clovek.h"
#include "model/media_lists.h"
#include "model/rod.h"
#include "system/exceptions.h"
#include "system/files.h"
#include "system/process.h"
#include "toolkit/dialogs.h"
#include "toolkit/keys.h"

namespace {

struct MediaTabControls {
    TListBox& list;
    TRadioGroup& sort;
    TEdit& name;
    TEdit& year;
    TEdit& stored; // the stored copy's name, or the file's type
    TMemo& comment;
    TImage* preview; // none for files
    TButton& open;
    TButton& save;
    TButton& remove;
    TButton& insert;
    TButton& assign;
    const char* section; // of the language file
};

MediaTabControls controlsOf(PersonEditor& h, MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photo: {
        FotkySheet& f = h.fotkySheet;
        return {f.seznamFotoLIST,     f.seradFotoRADIO,   f.nazevFotoED,    f.rokFotoED,
                f.nazevSouboruFotoED, f.komentarFotoMEMO, &f.fotoIMG,       f.otevriFotoVProhlizeciBT,
                f.ulozFotoNaDiskBT,   f.vymazFotoBT,      f.vlozNoveFotoBT, f.priradVlozeneFotoBT,
                "kartaFotkyAObrazky"};
    }
    case MediaKind::Document: {
        DokumentySheet& d = h.dokumentySheet;
        return {d.seznamDokLIST,     d.seradDokRADIO,   d.nazevDokED,    d.rokDokED,
                d.nazevSouboruDokED, d.komentarDokMEMO, &d.dokumentIMG,  d.otevriDokVProhlizeciBT,
                d.ulozDokNaDiskBT,   d.vymazDokBT,      d.vlozNovyDokBT, d.priradVlozeneDokBT,
                "kartaDokumenty"};
    }
    case MediaKind::File:
        break;
    }
    DoplnujiciSheet& s = h.doplnujiciSheet;
    return {s.seznamSouborLIST,
            s.seradSouborRADIO,
            s.nazevSouborED,
            s.rokSouborED,
            s.typSouborED,
            s.komentarSouborMEMO,
            nullptr,
            s.otevriSouborBT,
            s.ulozNaDiskSouborBT,
            s.vymazSouborBT,
            s.vlozNovySouborBT,
            s.priradVlozeneSouboryBT,
            "kartaDoplnujiciTextyASoubory"};
}

// The read-only edit beside the name: the stored copy's name, or the file's type.
std::string storedText(MediaKind kind, const MediaRecord& record)
{
    switch (kind) {
    case MediaKind::Photo:
        return "foto" + std::to_string(record.number) + ".jpg";
    case MediaKind::Document:
        return "dokument" + std::to_string(record.number) + ".jpg";
    case MediaKind::File:
        break;
    }
    return static_cast<const Soubor&>(record).type;
}

void fillListBox(TListBox& box, MediaKind kind, const Prvky& list, int mode)
{
    TStringList texts;
    fillMediaList(kind, list, texts, mode);
    box.Items.Assign(texts);
}

// Refills the tab a medium of the kind is shown on; the file tab with its texts.
void refillTab(PersonEditor& h, MediaKind kind)
{
    if (kind == MediaKind::File)
        h.showTextsAndFiles();
    else
        h.showMediaTab(kind);
}

} // namespace

void PersonEditor::bindMediaTabEvents()
{
    for (MediaKind kind : {MediaKind::Photo, MediaKind::Document, MediaKind::File}) {
        MediaTabControls c = controlsOf(*this, kind);
        c.list.OnClick = [this, kind] { mediaListClick(kind); };
        c.sort.OnClick = [this, kind] { mediaSortClick(kind); };
        c.name.OnChange = [this, kind] { mediaNameOrYearChange(kind, false); };
        c.year.OnChange = [this, kind] { mediaNameOrYearChange(kind, true); };
        for (TEdit* edit : {&c.name, &c.year})
            edit->OnKeyDown = [this, edit](int& key, TShiftState) { port.fieldKeyDown(*edit, key); };
        c.comment.OnExit = [this, kind] { mediaCommentExit(kind); };
        c.open.OnClick = [this, kind] { openMedia(kind); };
        c.save.OnClick = [this, kind] { saveMediaToDisk(kind); };
        c.remove.OnClick = [this, kind] { removeMedia(kind); };
        c.insert.OnClick = [this, kind] { insertMedia(kind); };
        c.assign.OnClick = [this, kind] { assignMedia(kind); };
    }
    TListBox& files = doplnujiciSheet.seznamSouborLIST;
    files.OnDblClick = [this, &files] {
        if (files.ItemIndex() >= 0 && currentFile)
            openMedia(MediaKind::File);
    };
}

MediaRecord*& PersonEditor::currentMedia(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photo:
        return currentPhoto;
    case MediaKind::Document:
        return currentDocument;
    case MediaKind::File:
        break;
    }
    return currentFile;
}

void PersonEditor::showPhotosTab()
{
    showMediaTab(MediaKind::Photo);
}

void PersonEditor::showDocumentsTab()
{
    showMediaTab(MediaKind::Document);
}

void PersonEditor::showMediaTab(MediaKind kind)
{
    if (!currentPerson)
        return;
    MediaTabControls c = controlsOf(*this, kind);
    Prvky& list = personMedia(*currentPerson, kind);
    MediaRecord*& current = currentMedia(kind);
    if (current && indexOfMedia(kind, list, current) < 0)
        current = nullptr; // no longer the person's
    if (!current && list.first()) {
        sortMediaRefs(kind, list, c.sort.ItemIndex());
        current = mediaRecordOf(kind, list.first());
    }
    fillListBox(c.list, kind, list, c.sort.ItemIndex());
    c.list.setItemIndex(current ? indexOfMedia(kind, list, current) : -1);
    showMediaDetails(kind);
}

void PersonEditor::showMediaDetails(MediaKind kind)
{
    // Putting the record's texts into the edits runs their change handlers, which must not take
    // them for the person's typing.
    ShowingPerson showing(*this);
    MediaTabControls c = controlsOf(*this, kind);
    const MediaRecord* current = currentMedia(kind);
    enableMediaDetails(kind, current != nullptr);
    c.name.setText(current ? current->name : "");
    c.year.setText(current ? current->year : "");
    c.stored.setText(current ? storedText(kind, *current) : "");
    c.comment.Lines.Clear();
    if (current)
        c.comment.Lines.Assign(current->comment);
    c.comment.Modified = false;
    if (c.preview) {
        if (current)
            loadImageScaled(joinPath(port.workingFolderPath(), mediaStoredPath(kind, *current)), *c.preview);
        else
            c.preview->Picture.Clear();
    }
}

void PersonEditor::enableMediaDetails(MediaKind kind, bool enabled)
{
    MediaTabControls c = controlsOf(*this, kind);
    for (TControl* control :
         std::initializer_list<TControl*>{&c.name, &c.year, &c.comment, &c.remove, &c.save, &c.open})
        control->Enabled = enabled;
    if (c.preview)
        c.preview->Visible = enabled;
}

void PersonEditor::mediaListClick(MediaKind kind)
{
    if (!currentPerson)
        return;
    MediaTabControls c = controlsOf(*this, kind);
    Prvek* entry = personMedia(*currentPerson, kind).at(c.list.ItemIndex());
    if (!entry)
        return;
    currentMedia(kind) = mediaRecordOf(kind, entry);
    showMediaDetails(kind);
}

void PersonEditor::mediaSortClick(MediaKind kind)
{
    if (!currentPerson)
        return;
    MediaTabControls c = controlsOf(*this, kind);
    Prvky& list = personMedia(*currentPerson, kind);
    sortMediaRefs(kind, list, c.sort.ItemIndex());
    fillListBox(c.list, kind, list, c.sort.ItemIndex());
    const MediaRecord* current = currentMedia(kind);
    c.list.setItemIndex(current ? indexOfMedia(kind, list, current) : -1);
}

void PersonEditor::mediaNameOrYearChange(MediaKind kind, bool year)
{
    MediaRecord* current = currentMedia(kind);
    if (showingPerson || !current || !currentPerson)
        return;
    MediaTabControls c = controlsOf(*this, kind);
    if (year)
        current->year = c.year.Text();
    else
        current->name = c.name.Text();
    const int mode = c.sort.ItemIndex();
    Prvky& list = personMedia(*currentPerson, kind);
    if ((mode == 0 && !year) || (mode == 1 && year)) {
        sortMediaRefs(kind, list, mode);
        fillListBox(c.list, kind, list, mode);
        c.list.setItemIndex(indexOfMedia(kind, list, current));
    } else {
        const int row = indexOfMedia(kind, list, current);
        if (row >= 0 && row < c.list.Items.Count())
            c.list.Items.setString(row, mediaListText(kind, *current, mode));
    }
}

void PersonEditor::mediaCommentExit(MediaKind kind)
{
    MediaRecord* current = currentMedia(kind);
    MediaTabControls c = controlsOf(*this, kind);
    if (current)
        current->comment.Assign(c.comment.Lines);
    c.comment.Modified = false;
}

void PersonEditor::openMedia(MediaKind kind)
{
    if (const MediaRecord* current = currentMedia(kind))
        shellOpen(joinPath(port.workingFolderPath(), mediaStoredPath(kind, *current)));
}

void PersonEditor::saveMediaToDisk(MediaKind kind)
{
    const MediaRecord* current = currentMedia(kind);
    if (!current)
        return;
    MediaTabControls c = controlsOf(*this, kind);
    if (c.preview)
        savePictureToDisk(c.preview->Picture);
    else
        saveFileToDisk(static_cast<const Soubor&>(*current));
}

void PersonEditor::insertMedia(MediaKind kind)
{
    if (!tree() || !currentPerson)
        return;
    TOpenDialog& dialog = kind == MediaKind::File ? static_cast<TOpenDialog&>(window.OpenSouborDialog1)
                                                  : static_cast<TOpenDialog&>(window.OpenPictureDialog1);
    if (dialog.Execute()) {
        const std::string source = dialog.FileName;
        MediaRecord* record = nullptr;
        try {
            if (kind == MediaKind::File) {
                record = tree()->addFile(source, port.workingFolderPath());
            } else {
                const PictureFileKind picture = pictureFileKind(source);
                const bool bitmap = picture == PictureFileKind::Bitmap;
                if (picture == PictureFileKind::Other)
                    record = nullptr;
                else if (kind == MediaKind::Photo)
                    record = bitmap ? tree()->addPhotoFromBitmap(source, port.workingFolderPath())
                                    : tree()->addPhotoFromJpeg(source, port.workingFolderPath());
                else
                    record = bitmap ? tree()->addDocumentFromBitmap(source, port.workingFolderPath())
                                    : tree()->addDocumentFromJpeg(source, port.workingFolderPath());
            }
        } catch (const EInvalidGraphic&) {
            tellPictureNotRead(source);
        } catch (const Exception&) {
            tellFileNotInserted(source);
        }
        if (record) {
            currentMedia(kind) = record;
            personMedia(*currentPerson, kind).append(newMediaEntry(kind, record));
            refillTab(*this, kind);
        }
    }
    updateTabContentsLabel();
}

void PersonEditor::removeMedia(MediaKind kind)
{
    MediaRecord* current = currentMedia(kind);
    if (!tree() || !currentPerson || !current)
        return;
    MediaTabControls c = controlsOf(*this, kind);
    static const char* const questions[] = {
        "Počet osob, které mají přiřazenu tuto fotografii:",
        "Počet osob, které mají přiřazen tento dokument:", "Počet osob, které mají přiřazen tento soubor:"};
    VymazFotoFORM->infoLB.Caption = langText(c.section, "pocetOsob", questions[static_cast<int>(kind)]) +
                                    " " + std::to_string(countMediaUsers(*current));
    // Both buttons remove something: Esc leaves the question as the close box does.
    TVymazFotoFORM& question = *VymazFotoFORM;
    const TKeyEvent escapeLeaves = [&question](int& key, TShiftState) {
        if (key == VK_ESCAPE) {
            key = 0;
            question.ModalResult = mrCancel;
        }
    };
    question.OnKeyDown = question.OdstranBT.OnKeyDown = question.VymazBT.OnKeyDown = escapeLeaves;
    const int answer = question.ShowModal();
    if (answer == mrYes || answer == mrNo) {
        if (answer == mrYes) {
            Prvky& links = personMedia(*currentPerson, kind);
            links.remove(links.at(indexOfMedia(kind, links, current)));
        } else {
            deleteMediaFromTree(*tree(), kind, current);
        }
        currentMedia(kind) = nullptr;
        refillTab(*this, kind);
    }
    updateTabContentsLabel();
}

void PersonEditor::assignMedia(MediaKind kind)
{
    if (!tree() || !currentPerson)
        return;
    if (!treeMediaStore(*tree(), kind).first()) {
        static const char* const keys[] = {"zadneFotografie", "zadneDokumenty", "zadneSoubory"};
        static const char* const texts[] = {"V lipovetau zatím nejsou vloženy žádné fotografie ani obrázky!",
                                            "V lipovetau zatím nejsou vloženy žádné dokumenty!",
                                            "V lipovetau zatím nejsou vloženy žádné soubory!"};
        const int i = static_cast<int>(kind);
        ShowMessage(langText(controlsOf(*this, kind).section, keys[i], texts[i]));
    } else {
        MediaPool(*this, kind).run();
        currentMedia(kind) = nullptr;
        refillTab(*this, kind);
    }
    updateTabContentsLabel();
}
