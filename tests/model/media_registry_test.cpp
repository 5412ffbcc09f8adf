#include "model/clovek.h"
#include "model/media.h"
#include "model/media_names.h"
#include "model/rod.h"
#include "system/exceptions.h"
#include "system/files.h"
#include "system/jpeg.h"
#include "temp_folder.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {

// A working folder with its four subfolders and a few source pictures beside it.
struct MediaFixture : ::testing::Test {
    TempFolder root;
    std::string working = root / "temp/";
    Rod tree;

    void SetUp() override
    {
        for (const char* sub : mediaSubfolders)
            std::filesystem::create_directories(working + sub);
    }

    std::string jpegFile(const std::string& name, int width, int height)
    {
        TJPEGImage jpeg;
        jpeg.Assign(TBitmap(width, height));
        jpeg.SaveToFile(root / name);
        return root / name;
    }

    std::string bmpFile(const std::string& name, int width, int height)
    {
        TBitmap(width, height).SaveToFile(root / name);
        return root / name;
    }

    Clovek* person(int number)
    {
        auto* p = new Clovek;
        p->number = number;
        tree.appendPerson(std::unique_ptr<Clovek>(p));
        return p;
    }

    TBitmap stored(const std::string& name)
    {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(working + name);
        return jpeg.bitmap();
    }
};

} // namespace

TEST_F(MediaFixture, ReferenceCountsFollowLinksUnlinksAndDeletion)
{
    const std::string src = jpegFile("a.jpg", 4, 4);
    Fotka* photo = tree.addPhotoFromJpeg(src, working);
    EXPECT_EQ(photo->refCount, 1);
    Clovek* a = person(0);
    Clovek* b = person(1);
    a->photos.append(std::make_unique<UkFotka>(photo));
    b->photos.append(std::make_unique<UkFotka>(photo));
    EXPECT_EQ(photo->refCount, 3);
    EXPECT_TRUE(a->hasPhoto(photo));

    tree.removePhoto(photo);
    EXPECT_EQ(photo->refCount, 2);
    EXPECT_EQ(tree.findPhoto(photo->number), nullptr);
    a->removePhoto(photo);
    EXPECT_FALSE(a->hasPhoto(photo));
    EXPECT_EQ(photo->refCount, 1);
    a->removePhoto(photo); // not linked any more: nothing happens
    EXPECT_EQ(photo->refCount, 1);
    // Deleting the last linking person frees the record (a leak or double free fails the run).
    tree.removePerson(b);

    Dokument* doc = tree.addDocumentFromJpeg(src, working);
    Soubor* file = tree.addFile(src, working);
    a->documents.append(std::make_unique<UkDokument>(doc));
    a->files.append(std::make_unique<UkSoubor>(file));
    EXPECT_EQ(doc->refCount, 2);
    EXPECT_EQ(file->refCount, 2);
    tree.removePerson(a);
    EXPECT_EQ(doc->refCount, 1);
    EXPECT_EQ(tree.findDocument(doc->number), doc);
    EXPECT_EQ(tree.findFile(file->number), file);
}

TEST_F(MediaFixture, FreedNumbersAreGivenAgainButNeverOneStillInUse)
{
    const std::string src = jpegFile("a.jpg", 4, 4);
    Fotka* p0 = tree.addPhotoFromJpeg(src, working);
    Fotka* p1 = tree.addPhotoFromJpeg(src, working);
    Fotka* p2 = tree.addPhotoFromJpeg(src, working);
    EXPECT_EQ(p0->number, 0);
    EXPECT_EQ(p1->number, 1);
    EXPECT_EQ(p2->number, 2);
    tree.removePhoto(p1);
    EXPECT_EQ(tree.firstFreePhotoNumber(), 1);
    EXPECT_EQ(tree.addPhotoFromJpeg(src, working)->number, 1);

    // Photo 2 leaves the store but a person still shows it: its number and copy stay reserved.
    Clovek* p = person(0);
    p->photos.append(std::make_unique<UkFotka>(p2));
    tree.removePhoto(p2);
    EXPECT_EQ(tree.firstFreePhotoNumber(), 3);
    Fotka* p3 = tree.addPhotoFromJpeg(jpegFile("b.jpg", 8, 2), working);
    EXPECT_EQ(p3->number, 3);
    EXPECT_EQ(stored(photoFileName(2)).Width(), 4); // not overwritten

    // Gaps from a loaded tree: 0, 2 and 5 are taken.
    Rod loaded;
    for (int n : {5, 0, 2})
        loaded.photoStore.append(std::make_unique<UkFotka>(new Fotka(n)));
    EXPECT_EQ(loaded.firstFreePhotoNumber(), 1);
    loaded.photoStore.append(std::make_unique<UkFotka>(new Fotka(1)));
    EXPECT_EQ(loaded.firstFreePhotoNumber(), 3);
    // Damaged numbers (negative, huge) never disturb the count.
    loaded.photoStore.append(std::make_unique<UkFotka>(new Fotka(-7)));
    loaded.photoStore.append(std::make_unique<UkFotka>(new Fotka(2000000000)));
    EXPECT_EQ(loaded.firstFreePhotoNumber(), 3);
}

TEST_F(MediaFixture, DocumentAndFileNumbersAreCountedApart)
{
    const std::string src = jpegFile("a.jpg", 4, 4);
    tree.addPhotoFromJpeg(src, working);
    tree.addPhotoFromJpeg(src, working);
    Dokument* d = tree.addDocumentFromJpeg(src, working);
    EXPECT_EQ(d->number, 0);
    Clovek* p = person(0);
    p->files.append(std::make_unique<UkSoubor>(new Soubor(0)));
    EXPECT_EQ(tree.firstFreeFileNumber(), 1);
    EXPECT_EQ(tree.addFile(src, working)->number, 1);
}

TEST_F(MediaFixture, PicturesWithUpperCaseExtensionsAreTaken)
{
    const std::string jpg = jpegFile("FOTO.JPG", 6, 3);
    const std::string jpeg = jpegFile("Sken.JPEG", 6, 3);
    const std::string bmp = bmpFile("OBRAZ.BMP", 5, 7);
    EXPECT_EQ(pictureFileKind(jpg), PictureFileKind::Jpeg);
    EXPECT_EQ(pictureFileKind(jpeg), PictureFileKind::Jpeg);
    EXPECT_EQ(pictureFileKind(bmp), PictureFileKind::Bitmap);
    EXPECT_EQ(pictureFileKind(root / "a.png"), PictureFileKind::Other);
    EXPECT_EQ(pictureFileKind("/home/jan.bmp/obrazek"), PictureFileKind::Other);

    Fotka* f = tree.addPhotoFromBitmap(bmp, working);
    TBitmap copy = stored(photoFileName(f->number));
    EXPECT_EQ(copy.Width(), 5);
    EXPECT_EQ(copy.Height(), 7);
    Dokument* d = tree.addDocumentFromBitmap(bmp, working);
    EXPECT_TRUE(fileExists(working + documentFileName(d->number)));
    Dokument* e = tree.addDocumentFromJpeg(jpg, working);
    EXPECT_EQ(stored(documentFileName(e->number)).Width(), 6);
}

TEST_F(MediaFixture, AFailedLoadOrCopyRegistersNothing)
{
    const std::string junk = root.write("rozbite.jpg", "not a picture");
    EXPECT_THROW(tree.addPhotoFromJpeg(junk, working), EInvalidGraphic);
    EXPECT_THROW(tree.addPhotoFromBitmap(junk, working), EInvalidGraphic);
    EXPECT_THROW(tree.addDocumentFromJpeg(root / "chybi.jpg", working), EInvalidGraphic);
    EXPECT_THROW(tree.addFile(root / "chybi.pdf", working), EInOutError);
    // A working folder that cannot take the copy.
    EXPECT_THROW(tree.addPhotoFromJpeg(jpegFile("a.jpg", 2, 2), root / "nikde/"), Exception);
    EXPECT_THROW(tree.addFile(root / "a.jpg", root / "nikde/"), EInOutError);
    EXPECT_EQ(tree.photoStore.count(), 0);
    EXPECT_EQ(tree.documentStore.count(), 0);
    EXPECT_EQ(tree.fileStore.count(), 0);
    EXPECT_EQ(tree.firstFreePhotoNumber(), 0);
}

TEST_F(MediaFixture, AnAttachedFileKeepsItsExtensionAsType)
{
    std::filesystem::create_directories(root / "jan.novak");
    const std::string pdf = root.write("jan.novak/Smlouva.pdf", "%PDF");
    const std::string bare = root.write("jan.novak/smlouva", "text");
    Soubor* s = tree.addFile(pdf, working);
    EXPECT_EQ(s->type, "pdf");
    EXPECT_EQ(s->storedFileName(), "soubor0.pdf");
    EXPECT_TRUE(fileExists(working + "soubory/soubor0.pdf"));
    // No extension: the folder's dot is not taken for one.
    Soubor* t = tree.addFile(bare, working);
    EXPECT_EQ(t->type, "");
    EXPECT_TRUE(fileExists(working + "soubory/soubor1"));
    // A type from a damaged tree file never steers the stored copy out of its folder.
    Soubor damaged(9);
    damaged.type = "/../../../etc/passwd";
    EXPECT_EQ(damaged.storedPath(), "soubory/soubor9");
}

TEST_F(MediaFixture, PortraitIsScaledToFitItsFrame)
{
    Clovek* p = person(12);
    p->importPortraitJpeg(jpegFile("velka.JPG", 1000, 500), working, 200, 150);
    EXPECT_EQ(p->hasPortrait, 1);
    TBitmap copy = stored("hlavy/hlava12.jpg");
    EXPECT_EQ(copy.Width(), 150);
    EXPECT_EQ(copy.Height(), 75);

    Clovek* q = person(3);
    q->importPortraitBitmap(bmpFile("mala.BMP", 100, 100), working, 200, 150);
    EXPECT_EQ(q->hasPortrait, 1);
    copy = stored(portraitFileName(3));
    EXPECT_EQ(copy.Width(), 100);
    EXPECT_EQ(copy.Height(), 100);

    // A strip far wider than high still gives a picture of at least one pixel each way.
    Clovek* r = person(4);
    r->importPortraitBitmap(bmpFile("pruh.bmp", 3000, 2), working, 200, 150);
    copy = stored(portraitFileName(4));
    EXPECT_EQ(copy.Width(), 150);
    EXPECT_EQ(copy.Height(), 1);
}

TEST_F(MediaFixture, AFailedPortraitLeavesTheFlagAsItWas)
{
    Clovek* p = person(1);
    const std::string junk = root.write("hlava.jpg", "");
    EXPECT_THROW(p->importPortraitJpeg(junk, working, 200, 150), EInvalidGraphic);
    EXPECT_THROW(p->importPortraitBitmap(junk, working, 200, 150), EInvalidGraphic);
    EXPECT_EQ(p->hasPortrait, 0);
    EXPECT_FALSE(fileExists(working + portraitFileName(1)));

    p->importPortraitJpeg(jpegFile("ok.jpg", 10, 10), working, 200, 150);
    EXPECT_THROW(p->importPortraitJpeg(junk, working, 200, 150), EInvalidGraphic);
    EXPECT_EQ(p->hasPortrait, 1);
    EXPECT_EQ(stored(portraitFileName(1)).Width(), 10);
}

TEST_F(MediaFixture, NoNewPersonOrRecordTakesTheNumberOfACopyTheFolderHolds)
{
    // A damaged file left out persons 0 and 2 and photo 1, whose copies the folder still holds.
    person(1);
    tree.photoStore.append(std::make_unique<UkFotka>(new Fotka(0)));
    tree.holdFolderNumbers({.portraits = {0, 2, 1}, .photos = {1, 0}, .documents = {0}, .files = {0, 3}});
    auto added = [&] { return tree.addNewPerson(std::make_unique<Clovek>()); };
    Clovek* first = added();
    EXPECT_EQ(first->number, 3);
    EXPECT_EQ(added()->number, 4);
    // A person whose number the folder holds leaves it held when removed.
    Clovek* one = tree.findPersonByNumber(1);
    tree.removePerson(one);
    EXPECT_EQ(tree.firstFreePersonNumber(), 5);
    tree.removePerson(first);
    EXPECT_EQ(tree.firstFreePersonNumber(), 3);

    const std::string src = jpegFile("a.jpg", 4, 4);
    EXPECT_EQ(tree.addPhotoFromJpeg(src, working)->number, 2);
    EXPECT_EQ(tree.addDocumentFromJpeg(src, working)->number, 1);
    std::ofstream(root / "dopis.pdf") << "letter";
    EXPECT_EQ(tree.addFile(root / "dopis.pdf", working)->number, 1);
    EXPECT_EQ(tree.addFile(root / "dopis.pdf", working)->number, 2);
    EXPECT_EQ(tree.addFile(root / "dopis.pdf", working)->number, 4);
}
