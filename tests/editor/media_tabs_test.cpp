// The photo, document and file tabs, their pools and the portrait as a person uses them: media
// inserted, named, sorted, opened, saved elsewhere, shared through the pool and removed, with the
// counts and the copies in the working folder checked after each step.
#include "forms/vyber_fotek_form.h"
#include "forms/vyber_souboru_form.h"
#include "person_editor_fixture.h"
#include "system/process.h"

#include <chrono>
#include <fstream>
#include <thread>

namespace {

struct MediaTabs : PersonEditorTest {
    FotkySheet& f() { return hl().editor.fotkySheet; }
    DoplnujiciSheet& s() { return hl().editor.doplnujiciSheet; }
    void insertPhoto(const std::string& path)
    {
        script.file(path);
        user::click(f().vlozNoveFotoBT);
    }
    Fotka* photo(int i) { return static_cast<UkFotka*>(jan->photos.at(i))->record; }
};

TEST_F(MediaTabs, InsertedPhotosAreStoredNumberedAndPreviewedToFit)
{
    user::selectTab(hl().layout().pages, hl().layout().fotkyAObrazky);
    EXPECT_TRUE(lines(f().seznamFotoLIST).empty());
    EXPECT_FALSE(f().nazevFotoED.Enabled);
    EXPECT_FALSE(f().vymazFotoBT.Enabled);
    EXPECT_FALSE(f().fotoIMG.Visible);

    insertPhoto(picture("svatba.jpg", 1200, 900));
    insertPhoto(picture("dum.BMP", 300, 200)); // capitals are a BMP too
    ASSERT_EQ(jan->photos.count(), 2);
    EXPECT_TRUE(fileExists(working("foto/foto0.jpg")));
    EXPECT_TRUE(fileExists(working("foto/foto1.jpg")));
    EXPECT_EQ(hl().editor.currentPhoto, photo(1));
    EXPECT_EQ(f().nazevSouboruFotoED.Text(), "foto1.jpg");
    EXPECT_EQ(f().fotoIMG.Picture.Width(), 300);
    EXPECT_EQ(f().fotoIMG.Picture.Height(), 200);
    EXPECT_EQ(photo(0)->refCount, 2); // the store and Jan
    EXPECT_EQ(hl().layout().obsahKaretLB.Caption.find("Fotky") != std::string::npos, true);

    user::pick(f().seznamFotoLIST, 0);
    EXPECT_EQ(f().fotoIMG.Picture.Width(), 570);
    EXPECT_EQ(f().fotoIMG.Picture.Height(), 427);

    // Showing another person drops the current photo; coming back takes the first again.
    hl().editor.showPersonOfStep(eva);
    EXPECT_EQ(hl().editor.currentPhoto, nullptr);
    hl().editor.showPersonOfStep(jan);
    user::selectTab(hl().layout().pages, hl().layout().fotkyAObrazky);
    EXPECT_EQ(f().seznamFotoLIST.ItemIndex(), 0);
}

TEST_F(MediaTabs, ADamagedOrUnknownPictureRegistersNothing)
{
    user::selectTab(hl().layout().pages, hl().layout().fotkyAObrazky);
    insertPhoto(textFile("rozbita.jpg", "toto není obrázek"));
    EXPECT_EQ(script.messageTexts().size(), 1u);
    insertPhoto(picture("obrazek.jpg", 10, 10));
    script.clearRecords();
    script.file(textFile("obrazek.png", "x"));
    user::click(f().vlozNoveFotoBT);
    EXPECT_TRUE(script.messageTexts().empty());
    EXPECT_EQ(jan->photos.count(), 1);
    EXPECT_EQ(hl().session.tree()->photoStore.count(), 1);
    EXPECT_EQ(photo(0)->number, 0); // the failed insert took no number
}

TEST_F(MediaTabs, TypingANameOrYearReSortsOnlyInItsOwnOrder)
{
    user::selectTab(hl().layout().pages, hl().layout().fotkyAObrazky);
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        insertPhoto(picture(name, 4, 4));
    // Every keystroke re-sorts by name; the nameless photos stay on top.
    for (const char* name : {"Cesta", "Babička", "Dům"}) {
        user::pick(f().seznamFotoLIST, 0);
        user::type(f().nazevFotoED, name);
    }
    EXPECT_EQ(lines(f().seznamFotoLIST), (std::vector<std::string>{"Babička ", "Cesta ", "Dům "}));
    EXPECT_EQ(f().seznamFotoLIST.ItemIndex(), 2);

    user::pick(f().seradFotoRADIO, 1);
    user::pick(f().seznamFotoLIST, 2); // Dům
    user::type(f().rokFotoED, "1920");
    EXPECT_EQ(lines(f().seznamFotoLIST), (std::vector<std::string>{"1920 Dům", " Babička", " Cesta"}));
    EXPECT_EQ(f().seznamFotoLIST.ItemIndex(), 0);
    user::pick(f().seznamFotoLIST, 2);
    user::type(f().rokFotoED, "18");
    EXPECT_EQ(lines(f().seznamFotoLIST), (std::vector<std::string>{"18 Cesta", "1920 Dům", " Babička"}));
    EXPECT_EQ(f().seznamFotoLIST.ItemIndex(), 0);
    user::select(f().nazevFotoED, 5);
    user::type(f().nazevFotoED, "!"); // the name in the year order only rewrites its line
    EXPECT_EQ(lines(f().seznamFotoLIST), (std::vector<std::string>{"18 Cesta!", "1920 Dům", " Babička"}));

    user::type(f().komentarFotoMEMO, "Léto");
    user::focus(f().nazevFotoED);
    EXPECT_EQ(hl().editor.currentPhoto->comment.lines(), (std::vector<std::string>{"Léto"}));
    EXPECT_EQ(steps(), 0); // media edits are never undo steps
}

TEST_F(MediaTabs, RemovingFromThePersonKeepsThePhotoInTheTreeAndItsCopy)
{
    user::selectTab(hl().layout().pages, hl().layout().fotkyAObrazky);
    insertPhoto(picture("a.jpg", 4, 4));
    insertPhoto(picture("b.jpg", 4, 4));
    Fotka* kept = photo(0);
    eva->photos.append(std::make_unique<UkFotka>(kept));

    user::pick(f().seznamFotoLIST, 0);
    script.modal("", [](TForm& w) { user::pressKey(w, VK_ESCAPE); });
    user::click(f().vymazFotoBT); // Esc removes nothing
    EXPECT_EQ(jan->photos.count(), 2);
    EXPECT_EQ(hl().session.tree()->photoStore.count(), 2);
    script.modal("", [](TForm& w) {
        EXPECT_EQ(dynamic_cast<TVymazFotoFORM&>(w).infoLB.Caption,
                  "Počet osob, které mají přiřazenu tuto fotografii: 2");
        user::click(dynamic_cast<TVymazFotoFORM&>(w).OdstranBT);
    });
    user::click(f().vymazFotoBT);
    EXPECT_EQ(jan->photos.count(), 1);
    EXPECT_EQ(hl().session.tree()->photoStore.count(), 2);
    EXPECT_EQ(kept->refCount, 2); // the store and Eva

    script.press("", "VymazBT");
    user::click(f().vymazFotoBT); // the other photo, from the whole tree
    EXPECT_EQ(jan->photos.count(), 0);
    EXPECT_EQ(hl().session.tree()->photoStore.count(), 1);
    EXPECT_EQ(hl().session.tree()->findPhoto(0), kept);
    EXPECT_TRUE(fileExists(working("foto/foto0.jpg")));
    EXPECT_TRUE(fileExists(working("foto/foto1.jpg")));
    EXPECT_FALSE(f().vymazFotoBT.Enabled);
}

TEST_F(MediaTabs, ThePoolLinksUnlinksAndDeletesForEveryPerson)
{
    user::selectTab(hl().layout().pages, hl().layout().fotkyAObrazky);
    script.clearRecords();
    user::click(f().priradVlozeneFotoBT);
    EXPECT_EQ(script.messageTexts(),
              (std::vector<std::string>{"V lipovetau zatím nejsou vloženy žádné fotografie ani obrázky!"}));
    insertPhoto(picture("a.jpg", 4, 4));
    insertPhoto(picture("b.jpg", 4, 4));
    hl().editor.currentPhoto->name = "Zahrada";
    hl().editor.showPersonOfStep(eva);
    user::selectTab(hl().layout().pages, hl().layout().fotkyAObrazky);

    // Eva takes photo 1 from the pool.
    script.modal("", [](TForm& w) {
        auto& pool = dynamic_cast<TvyberFotekFORM&>(w);
        EXPECT_EQ(pool.jmenoOsobyLB.Caption, "Dvořáková Eva, ? (1)");
        EXPECT_EQ(pool.fotkyLIST.Items.lines(), (std::vector<std::string>{"foto0.jpg", "Zahrada "}));
        EXPECT_TRUE(pool.osobyFotkyLIST.Items.lines().empty());
        EXPECT_FALSE(pool.KOsobeBT.Enabled);
        user::pick(pool.fotkyLIST, 1);
        EXPECT_EQ(pool.osobyFotkyLIST.Items.lines(), (std::vector<std::string>{"Novák Jan, ? (0)"}));
        EXPECT_TRUE(pool.KOsobeBT.Enabled);
        user::click(pool.KOsobeBT);
        EXPECT_EQ(pool.fotkyOsobyLIST.Items.lines(), (std::vector<std::string>{"Zahrada "}));
        EXPECT_FALSE(pool.KOsobeBT.Enabled);
        EXPECT_EQ(pool.osobyFotkyLIST.Items.lines(),
                  (std::vector<std::string>{"Dvořáková Eva, ? (1)", "Novák Jan, ? (0)"}));
        user::click(pool.zpetBT);
    });
    script.press("", "anoBT");
    user::click(f().priradVlozeneFotoBT);
    Fotka* garden = hl().session.tree()->findPhoto(1);
    ASSERT_TRUE(garden);
    EXPECT_TRUE(eva->hasPhoto(garden));
    EXPECT_EQ(garden->refCount, 3);
    EXPECT_EQ(lines(f().seznamFotoLIST), (std::vector<std::string>{"Zahrada "}));

    // Unlinked from Eva, then deleted from the tree with the number of its users asked.
    script.modal("", [this](TForm& w) {
        auto& pool = dynamic_cast<TvyberFotekFORM&>(w);
        user::pick(pool.fotkyOsobyLIST, 0);
        EXPECT_EQ(pool.fotkyLIST.ItemIndex(), 1);
        user::click(pool.OdOsobyBT);
        EXPECT_EQ(script.messageTexts().back(), "Počet osob, které ještě používají tuto fotografii: 1");
        EXPECT_EQ(pool.osobyFotkyLIST.Items.lines(), (std::vector<std::string>{"Novák Jan, ? (0)"}));
        user::pick(pool.fotkyLIST, 1);
        user::click(pool.smazBT);
        EXPECT_EQ(pool.fotkyLIST.Items.lines(), (std::vector<std::string>{"foto0.jpg"})); // no blank line
        EXPECT_TRUE(pool.osobyFotkyLIST.Items.lines().empty());
        user::click(pool.zpetBT);
    });
    script.press("", "anoBT").press("", "anoBT");
    user::click(f().priradVlozeneFotoBT);
    EXPECT_EQ(jan->photos.count(), 1);
    EXPECT_EQ(eva->photos.count(), 0);
    EXPECT_EQ(hl().session.tree()->photoStore.count(), 1);
    EXPECT_TRUE(fileExists(working("foto/foto1.jpg")));
}

TEST_F(MediaTabs, FilesAreCopiedByTypeOpenedSavedAndAFailedCopyIsToldAndNotRegistered)
{
    user::selectTab(hl().layout().pages, hl().layout().doplnujiciTextyASoubory);
    std::filesystem::create_directories(outside.path() + "v1.2");
    const std::string readme = textFile("v1.2/readme", "čti mě");
    script.file(readme);
    user::click(s().vlozNovySouborBT);
    script.file(textFile("smlouva.PDF", "%PDF"));
    user::click(s().vlozNovySouborBT);
    ASSERT_EQ(jan->files.count(), 2);
    EXPECT_TRUE(fileExists(working("soubory/soubor0")));
    EXPECT_TRUE(fileExists(working("soubory/soubor1.PDF")));
    EXPECT_EQ(s().typSouborED.Text(), "PDF");

    script.file(outside.path() + "zmizel.txt");
    user::click(s().vlozNovySouborBT);
    EXPECT_EQ(script.messageTexts().back(), "Soubor se nepodařilo vložit: " + outside.path() + "zmizel.txt");
    EXPECT_EQ(hl().session.tree()->fileStore.count(), 2);

    const std::string copy = outside.path() + "kopie.pdf";
    script.file(copy);
    user::click(s().ulozNaDiskSouborBT);
    EXPECT_EQ(readCp1250Lines(copy), (std::vector<std::string>{"%PDF"}));

    const std::string opened = outside.path() + "opened.txt";
    setShellOpener({"/bin/sh", "-c", "printf %s \"$1\" > '" + opened + "'", "sh"});
    user::doubleClickLine(s().seznamSouborLIST, 0);
    setShellOpener({});
    for (int i = 0; i < 200 && !fileExists(opened); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream in(opened);
    std::string path;
    std::getline(in, path);
    EXPECT_EQ(path, working("soubory/soubor0")); // sorted by type, the empty type comes first
}

TEST_F(MediaTabs, FilesSortThreeWaysAndTheFilePoolHasNoPreview)
{
    user::selectTab(hl().layout().pages, hl().layout().doplnujiciTextyASoubory);
    const char* names[][3] = {
        {"b.txt", "Zápis", "1950"}, {"a.pdf", "Smlouva", "1890"}, {"c.odt", "Alba", ""}};
    for (auto& n : names) {
        script.file(textFile(n[0], "x"));
        user::click(s().vlozNovySouborBT);
        user::replaceText(s().nazevSouborED, n[1]);
        user::replaceText(s().rokSouborED, n[2]);
    }
    // New files are appended; typing in the type order only rewrites the lines.
    EXPECT_EQ(lines(s().seznamSouborLIST),
              (std::vector<std::string>{"txt - Zápis 1950", "pdf - Smlouva 1890", "odt - Alba "}));
    // The list's lines after the person picks the sort order `way`.
    auto sortedBy = [&](int way) {
        user::pick(s().seradSouborRADIO, way);
        return lines(s().seznamSouborLIST);
    };
    EXPECT_EQ(sortedBy(0),
              (std::vector<std::string>{"Alba  (odt)", "Smlouva 1890 (pdf)", "Zápis 1950 (txt)"}));
    EXPECT_EQ(sortedBy(1),
              (std::vector<std::string>{"1890 Smlouva (pdf)", "1950 Zápis (txt)", " Alba (odt)"}));
    EXPECT_EQ(sortedBy(2),
              (std::vector<std::string>{"odt - Alba ", "pdf - Smlouva 1890", "txt - Zápis 1950"}));
    user::pick(s().seradSouborRADIO, 1);

    hl().editor.showPersonOfStep(eva);
    user::selectTab(hl().layout().pages, hl().layout().doplnujiciTextyASoubory);
    script.modal("", [](TForm& w) {
        auto& pool = dynamic_cast<TvyberSouboruFORM&>(w);
        EXPECT_EQ(pool.souboryLIST.Items.lines(),
                  (std::vector<std::string>{"1890 Smlouva (pdf)", "1950 Zápis (txt)", " Alba (odt)"}));
        user::pick(pool.souboryLIST, 0);
        user::click(pool.KOsobeBT);
        user::click(pool.zpetBT);
    });
    script.press("", "anoBT");
    user::click(s().priradVlozeneSouboryBT);
    EXPECT_EQ(lines(s().seznamSouborLIST), (std::vector<std::string>{"1890 Smlouva (pdf)"}));
    EXPECT_EQ(s().typSouborED.Text(), "pdf");
    EXPECT_EQ(countMediaUsers(*hl().editor.currentFile), 2);
}

TEST_F(MediaTabs, APhotoIsSavedElsewhereAsShownByTheExtensionChosen)
{
    user::selectTab(hl().layout().pages, hl().layout().fotkyAObrazky);
    insertPhoto(picture("a.jpg", 1140, 100));
    for (const char* name : {"jinde.bmp", "jinde.JPEG", "jinde.png"}) {
        script.file(outside.path() + name);
        user::click(f().ulozFotoNaDiskBT);
    }
    TBitmap bmp;
    bmp.LoadFromFile(outside.path() + "jinde.bmp");
    EXPECT_EQ(bmp.Width(), 570);
    EXPECT_EQ(bmp.Height(), 50);
    TJPEGImage jpeg;
    jpeg.LoadFromFile(outside.path() + "jinde.JPEG");
    EXPECT_EQ(jpeg.Width(), 570);
    EXPECT_FALSE(fileExists(outside.path() + "jinde.png"));
}

TEST_F(MediaTabs, SavedAndReopenedTheTreeShowsTheSameMedia)
{
    user::selectTab(hl().layout().pages, hl().layout().fotkyAObrazky);
    insertPhoto(picture("a.jpg", 8, 8));
    hl().editor.currentPhoto->name = "Portrét";
    hl().editor.currentPhoto->year = "1931";
    user::selectTab(hl().layout().pages, hl().layout().dokumenty);
    script.file(picture("sken.jpg", 8, 8));
    user::click(hl().editor.dokumentySheet.vlozNovyDokBT);
    user::selectTab(hl().layout().pages, hl().layout().doplnujiciTextyASoubory);
    script.file(textFile("dopis.txt", "Milý Jene"));
    user::click(s().vlozNovySouborBT);
    eva->photos.append(std::make_unique<UkFotka>(photo(0)));

    const std::string path = folder() + "save/media.rod";
    script.file(path);
    user::click(hl().layout().UlozitJako1);
    script.press("", "neBT");
    user::click(hl().layout().Zavrit1);
    ASSERT_FALSE(hl().session.tree());
    ASSERT_EQ(hl().openTree(path), 0);

    Clovek* jan2 = hl().session.tree()->findPersonByNumber(0);
    Clovek* eva2 = hl().session.tree()->findPersonByNumber(1);
    ASSERT_TRUE(jan2 && eva2);
    ASSERT_EQ(jan2->photos.count(), 1);
    Fotka* p = static_cast<UkFotka*>(jan2->photos.first())->record;
    EXPECT_EQ(p->GetString(1), "1931 Portrét");
    EXPECT_TRUE(eva2->hasPhoto(p));
    EXPECT_EQ(p->refCount, 3);
    EXPECT_EQ(jan2->documents.count(), 1);
    EXPECT_EQ(jan2->files.count(), 1);
    for (const char* stored : {"foto/foto0.jpg", "dokumenty/dokument0.jpg", "soubory/soubor0.txt"})
        EXPECT_TRUE(fileExists(working(stored))) << stored;
}

struct Portrait : PersonEditorTest {
    TJPEGImage stored()
    {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(working("hlavy/hlava0.jpg"));
        return jpeg;
    }
};

TEST_F(Portrait, InsertedPicturesShrinkToTheFrameAndUndoRemovesThem)
{
    EXPECT_TRUE(z().hlavaSedivaIMG.Visible);
    EXPECT_EQ(z().vlozHlavaBT.Caption, "Vlož");
    EXPECT_FALSE(z().odeberHlavaBT.Enabled);

    script.file(picture("hlava.JPG", 1000, 500));
    user::click(z().vlozHlavaBT);
    EXPECT_EQ(jan->hasPortrait, 1);
    EXPECT_EQ(stored().Width(), 150);
    EXPECT_EQ(stored().Height(), 75);
    EXPECT_EQ(z().vlozHlavaBT.Caption, "Změň");
    EXPECT_TRUE(z().hlavaIMG.Visible);

    script.press("", "neBT"); // no file dialog follows
    user::click(z().vlozHlavaBT);
    EXPECT_EQ(steps(), 1);

    user::click(hl().layout().Zpet1);
    EXPECT_EQ(jan->hasPortrait, 0);
    EXPECT_FALSE(fileExists(working("hlavy/hlava0.jpg")));
    EXPECT_TRUE(z().hlavaSedivaIMG.Visible);
}

// The change overwrites the earlier picture, so an undo of it would leave no portrait at all.
TEST_F(Portrait, UndoAfterAChangedPortraitDeletesNoPicture)
{
    script.file(picture("hlava.jpg", 30, 40));
    user::click(z().vlozHlavaBT);
    user::replaceText(z().jmenoCB, "Honza");
    script.press("", "anoBT").file(picture("mala.bmp", 100, 100));
    user::click(z().vlozHlavaBT);
    EXPECT_EQ(stored().Width(), 100);
    EXPECT_FALSE(hl().layout().Zpet1.Enabled);
    EXPECT_FALSE(hl().layout().ZpetBT.Enabled);

    // A later change is undone, and every undo a person can still give leaves the new portrait.
    typeOver(z().prijmeniCB, "Kosík", z().titulPredCB);
    ASSERT_TRUE(hl().layout().Zpet1.Enabled);
    EXPECT_TRUE(user::click(hl().layout().Zpet1));
    EXPECT_EQ(z().prijmeniCB.Text(), "Novák");
    for (int i = 0; i < 3; ++i) {
        user::pressKey(hl().layout(), 'Z', ssCtrl);
        user::click(hl().layout().ZpetBT);
    }
    EXPECT_EQ(jan->hasPortrait, 1);
    EXPECT_TRUE(z().hlavaIMG.Visible);
    ASSERT_TRUE(fileExists(working("hlavy/hlava0.jpg")));
    EXPECT_EQ(stored().Width(), 100);
    EXPECT_EQ(jan->firstName, "Honza");
}

TEST_F(Portrait, ADamagedPictureChangesNothingAndRemovingClearsTheHistory)
{
    script.file(picture("hlava.jpg", 30, 40));
    user::click(z().vlozHlavaBT);
    script.press("", "anoBT").file(textFile("zla.bmp", "BM nic"));
    user::click(z().vlozHlavaBT);
    EXPECT_EQ(script.messageTexts().size(), 1u);
    EXPECT_EQ(jan->hasPortrait, 1);
    EXPECT_EQ(stored().Width(), 30);
    EXPECT_EQ(steps(), 1);

    // A sliver of a picture still gives a drawable portrait.
    script.press("", "anoBT").file(picture("prouzek.jpg", 3000, 1));
    user::click(z().vlozHlavaBT);
    EXPECT_EQ(stored().Width(), 150);
    EXPECT_EQ(stored().Height(), 1);

    const std::string saved = outside.path() + "ulozena.jpg";
    script.file(saved);
    user::click(z().ulozHlavaBT);
    EXPECT_TRUE(fileExists(saved));

    script.press("", "anoBT");
    user::click(z().odeberHlavaBT);
    EXPECT_EQ(jan->hasPortrait, 0);
    EXPECT_FALSE(fileExists(working("hlavy/hlava0.jpg")));
    EXPECT_EQ(steps(), 0);
    EXPECT_FALSE(hl().layout().Zpet1.Enabled);
}

} // namespace
