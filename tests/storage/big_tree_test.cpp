// A big tree goes through the file piece by piece: the body is read and written a mebibyte at a
// time, so the lines that straddle the pieces and a generated tree of thousands of persons must
// come back exactly.
#include "bench/realistic_tree.h"
#include "storage/body_cursor.h"
#include "storage/tree_loader.h"
#include "storage/tree_writer.h"
#include "system/codec.h"
#include "tree_file_test_base.h"
#include "tree_fixtures.h"

#include <filesystem>
#include <fstream>

namespace {

constexpr size_t piece = size_t(1) << 20;

// A tree file whose body is `body` (the bytes before the shift).
void writeRawTree(const std::string& path, std::string body)
{
    shiftBody(body);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << savedStateTitle << "\r\n"
                                                            << savedStateNote << "\r\n"
                                                            << savedStateVersion << "\r\n\r\n"
                                                            << body;
}

} // namespace

class BigTree : public TreeFileTest { };

TEST_F(BigTree, LinesStraddlingTheReadPiecesComeBackWhole)
{
    const size_t head = savedStateTitle.size() + savedStateNote.size() + savedStateVersion.size() + 8;
    // The first line's CR, its LF (or the byte after a CR alone) each fall on the end of the
    // first piece the file is read in, and on the bytes around it.
    for (const std::string end : {"\r\n", "\r"})
        for (size_t shift = 0; shift < 8; ++shift) {
            const std::string first(piece - head - 4 + shift, 'a');
            writeRawTree(saved("kusy.rod"), first + end + "b\r\nc\r\n\r\n");
            BodyCursor c = readSavedState(saved("kusy.rod"));
            EXPECT_EQ(readRawBodyLine(c), first) << shift;
            EXPECT_TRUE(c.lineEndedByCr);
            EXPECT_EQ(readRawBodyLine(c), "b") << shift;
            EXPECT_EQ(readRawBodyLine(c), "c") << shift;
            EXPECT_EQ(readRawBodyLine(c), "") << shift;
            EXPECT_FALSE(c.more()) << shift;
            EXPECT_FALSE(c.overrun);
            readRawBodyLine(c);
            EXPECT_TRUE(c.overrun);
        }
}

TEST_F(BigTree, ALineLongerThanAPieceIsReadWhole)
{
    const std::string longLine(3 * piece + 17, 'x');
    writeRawTree(saved("dlouhy.rod"), "a\r\n" + longLine + "\r\nb\r\n\r\n");
    BodyCursor c = readSavedState(saved("dlouhy.rod"));
    EXPECT_EQ(readRawBodyLine(c), "a");
    EXPECT_EQ(readRawBodyLine(c), longLine);
    EXPECT_EQ(readRawBodyLine(c), "b");
}

TEST_F(BigTree, TheLastLineReadIsKeptWhileThePiecesAfterItAreRead)
{
    // Megabytes of empty values after the last line with letters: the pieces that held it are
    // long gone when the open reports it.
    const size_t empty = piece + 9;
    std::string body = "<obecne>\r\n[dalsiUdaje]\r\n" + std::to_string(empty + 1) + "\r\n" +
                       utf8ToCp1250("poslední řádek\r\n");
    for (size_t i = 0; i < empty; ++i)
        body += "\r\n";
    writeRawTree(saved("prazdne.rod"), body + "\r\n");
    Rod tree(saved("prazdne.rod"));
    EXPECT_EQ(loadCurrentFormat(tree, env).lastLine, "poslední řádek");
    EXPECT_EQ(tree.furtherData.front(), "poslední řádek");
}

TEST_F(BigTree, AFileWithoutItsFourHeaderLinesHasNoBody)
{
    std::ofstream(saved("hlava.rod"), std::ios::binary) << "a\r\nb\r\nc\r\n";
    EXPECT_THROW(readSavedState(saved("hlava.rod")), EDamagedTreeFile);
    EXPECT_THROW(readSavedState(saved("neni.rod")), EInOutError);
}

// A load reverses the chain, so a tree saved, opened and saved, then opened and saved again
// gives its first file back byte for byte.
TEST_F(BigTree, AGeneratedTreeOfThousandsOfPersonsRoundTripsByteForByte)
{
    std::string text;
    {
        Rod tree(saved("velky.rod"));
        bench::RealisticTree(tree, 7).build(6000);
        // Texts most persons leave empty, filled on some.
        int i = 0;
        for (Clovek* p = tree.firstPerson; p; p = p->chainNext, ++i)
            if (i % 97 == 0) {
                p->email2 = "osoba" + std::to_string(i) + "@example.cz";
                p->user3 = "poznámka ž";
                p->titlesBefore = "Ing.";
            }
        ASSERT_TRUE(saveTreeFile(tree, tree.firstPerson, env));
        tree.activePersonNumber = tree.firstPerson->number;
        text = treeText(tree);
    }
    const std::string first = readBytes(saved("velky.rod"));
    ASSERT_GT(first.size(), 3 * piece);

    // Opened as the program opens it and saved under another name, as Save As does.
    auto reopenAndSave = [&](const std::string& from, const std::string& to) {
        Rod tree(saved(from));
        loadCurrentFormat(tree, env);
        EXPECT_TRUE(treeText(tree) == text) << from;
        tree.fileName = saved(to);
        EXPECT_TRUE(saveTreeFile(tree, nullptr, env));
    };
    reopenAndSave("velky.rod", "druhy.rod");
    reopenAndSave("druhy.rod", "treti.rod");
    EXPECT_NE(readBytes(saved("druhy.rod")), first);
    EXPECT_TRUE(readBytes(saved("treti.rod")) == first);
}

// The memory of a big tree: an open and a save give storage only to the lists persons fill, and
// the names, places and date parts that recur are held once.
TEST_F(BigTree, OpeningAndSavingGivesStorageOnlyToWhatPersonsFill)
{
    {
        Rod tree(saved("pamet.rod"));
        bench::RealisticTree(tree, 11).build(3000);
        ASSERT_TRUE(saveTreeFile(tree, tree.firstPerson, env));
    }
    const size_t sharedBefore = SparseText::sharedCount();
    Rod tree(saved("pamet.rod"));
    loadCurrentFormat(tree, env);
    ASSERT_TRUE(saveTreeFile(tree, nullptr, env));
    int persons = 0, withOccupation = 0, occupationStorage = 0, otherStorage = 0;
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        ++persons;
        withOccupation += p->occupations.count() > 0;
        occupationStorage += p->occupations.hasStorage();
        for (const SparseList* list : {&p->residences, &p->educations, &p->photos, &p->documents, &p->files})
            otherStorage += list->hasStorage() && list->count() == 0;
    }
    ASSERT_EQ(persons, 3000);
    EXPECT_GT(withOccupation, 0);
    EXPECT_EQ(occupationStorage, withOccupation);
    EXPECT_EQ(otherStorage, 0);
    // Each person brings first name, surname, places and six date parts; the shared texts
    // stay far fewer than the persons.
    EXPECT_LT(SparseText::sharedCount() - sharedBefore, size_t(persons));
    const Clovek* a = tree.firstPerson;
    const Clovek* b = a->chainNext;
    while (b && b->birth.year != a->birth.year)
        b = b->chainNext;
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(a->birth.year.sharesTextWith(b->birth.year));
}

TEST_F(BigTree, AFileCutShorterWhileItIsReadEndsAsCutShort)
{
    std::string body;
    for (int i = 0; body.size() < 3 * piece; ++i)
        body += "radek " + std::to_string(i) + std::string(200, 'x') + "\r\n";
    body += "\r\n";
    writeRawTree(saved("mizi.rod"), body);
    BodyCursor c = readSavedState(saved("mizi.rod"));
    EXPECT_EQ(readRawBodyLine(c).substr(0, 8), "radek 0x");
    std::filesystem::resize_file(saved("mizi.rod"), piece + piece / 2);
    int lines = 1;
    while (c.more() && !c.overrun) {
        readRawBodyLine(c);
        ++lines;
    }
    // Only what the file still holds was read, and no line past it.
    EXPECT_LE(c.size(), piece + piece / 2);
    EXPECT_LT(lines, int(piece / 100));
}
