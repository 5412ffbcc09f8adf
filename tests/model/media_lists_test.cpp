// The sort orders of a media list and taking a record out of the whole tree.
#include "model/clovek.h"
#include "model/media_lists.h"
#include "model/rod.h"
#include "system/collation.h"

#include <gtest/gtest.h>

namespace {

struct MediaLists : ::testing::Test {
    Rod tree;
    Prvky list;
    void SetUp() override { setCollationLocale("cs"); }
    void TearDown() override { setCollationLocale(""); }

    Fotka* photo(const std::string& name, const std::string& year)
    {
        auto* f = new Fotka(tree.firstFreePhotoNumber());
        f->name = name;
        f->year = year;
        tree.photoStore.append(std::make_unique<UkFotka>(f));
        list.append(std::make_unique<UkFotka>(f));
        return f;
    }
    std::vector<std::string> texts(int mode)
    {
        TStringList strings;
        fillMediaList(MediaKind::Photo, list, strings, mode);
        return strings.lines();
    }
};

TEST_F(MediaLists, ChronologicalOrderTakesDigitYearsByValueOfAnyLength)
{
    photo("a", "1920");
    photo("b", "");
    photo("c", "abc");
    photo("d", "1899");
    photo("e", "123456789012345678901234567890"); // far beyond any integer
    photo("f", "00000000000000000000000000001900");
    sortMediaRefs(MediaKind::Photo, list, 1);
    EXPECT_EQ(texts(0), (std::vector<std::string>{"d 1899", "f 00000000000000000000000000001900", "a 1920",
                                                  "e 123456789012345678901234567890", "b ", "c abc"}));
}

TEST_F(MediaLists, ARecordWithNoNameAndNoYearShowsItsStoredFilesName)
{
    photo("", "");
    photo(" ", "");
    Soubor file(4);
    file.type = "pdf";
    EXPECT_EQ(texts(0), (std::vector<std::string>{"foto0.jpg", "foto1.jpg"}));
    EXPECT_EQ(mediaListText(MediaKind::File, file, 2), "soubor4.pdf");
}

TEST_F(MediaLists, AlphabeticalOrderIgnoresCaseAndKeepsEqualOnesInPlace)
{
    Fotka* first = photo("chalupa", "1");
    photo("Hora", "");
    Fotka* twin = photo("chalupa", "1");
    photo("čáp", "");
    sortMediaRefs(MediaKind::Photo, list, 0);
    EXPECT_EQ(texts(0), (std::vector<std::string>{"čáp ", "Hora ", "chalupa 1", "chalupa 1"}));
    EXPECT_EQ(mediaRecordOf(MediaKind::Photo, list.at(2)), first);
    EXPECT_EQ(mediaRecordOf(MediaKind::Photo, list.at(3)), twin);
    sortMediaRefs(MediaKind::Photo, list, 7); // no such order: nothing moves
    EXPECT_EQ(texts(1).front(), " čáp");
}

TEST_F(MediaLists, DeletingFromTheTreeUnlinksEveryPersonAndFreesOnlyThatRecord)
{
    auto* jan = new Clovek;
    auto* eva = new Clovek;
    tree.addNewPerson(std::unique_ptr<Clovek>(jan));
    tree.addNewPerson(std::unique_ptr<Clovek>(eva));
    Fotka* shared = photo("sdílená", "");
    Fotka* other = photo("jiná", "");
    for (Clovek* p : {jan, eva})
        p->photos.append(std::make_unique<UkFotka>(shared));
    jan->photos.append(std::make_unique<UkFotka>(other));
    EXPECT_EQ(countMediaUsers(*shared), 3); // two persons and the test's own list
    list.clear();
    EXPECT_EQ(countMediaUsers(*shared), 2);

    deleteMediaFromTree(tree, MediaKind::Photo, shared);
    EXPECT_EQ(jan->photos.count(), 1);
    EXPECT_EQ(eva->photos.count(), 0);
    EXPECT_EQ(tree.photoStore.count(), 1);
    EXPECT_EQ(tree.findPhoto(other->number), other);
    EXPECT_EQ(countMediaUsers(*other), 1);
    EXPECT_EQ(tree.firstFreePhotoNumber(), 0); // the freed number is free again
}

} // namespace
