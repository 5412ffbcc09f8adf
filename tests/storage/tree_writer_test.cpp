// The writer of tree files: the exact bytes, the partnership order keys, and a save that never
// destroys the old state before the new one is safely written.
#include "storage/tree_writer.h"

#include "model/media_names.h"
#include "storage/tree_file_format.h"
#include "storage/tree_loader.h"
#include "system/codec.h"
#include "system/system_reasons.h"
#include "tree_file_test_base.h"
#include "tree_fixtures.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

// The body's lines as the loaders see them: the header cut off, the shift reversed.
std::vector<std::string> bodyLinesOf(const std::string& fileBytes)
{
    size_t start = 0;
    for (int i = 0; i < 4; ++i)
        start = fileBytes.find('\n', start) + 1;
    std::string body = fileBytes.substr(start, fileBytes.size() - start - 2);
    unshiftBody(body);
    std::vector<std::string> lines;
    size_t pos = 0;
    for (size_t crlf; (crlf = body.find("\r\n", pos)) != std::string::npos; pos = crlf + 2)
        lines.push_back(cp1250ToUtf8(body.substr(pos, crlf - pos)));
    EXPECT_EQ(pos, body.size());
    return lines;
}

} // namespace

class TreeWriter : public TreeFileTest { };

TEST_F(TreeWriter, ASmallTreeIsWrittenExactlyAsTheHandMadeFile)
{
    Rod tree(saved("maly_strom.rod"));
    Clovek* shown = buildSmallTree(tree);
    putWorking(photoFileName(0), "photo");
    putWorking(attachedFileName(2, "pdf"), "letter");

    ASSERT_TRUE(saveTreeFile(tree, shown, env));
    const std::string expected = readBytes(KINVELOR_TEST_DATA "/maly_strom.rod");
    const std::string written = readBytes(tree.fileName);
    EXPECT_EQ(written, expected);
    // The "˙" stands as 0x00 and the TAB as 0x0A; the body's line ends as 0x0E 0x0B.
    EXPECT_NE(written.find(std::string("\0lpo", 4)), std::string::npos);
    EXPECT_NE(written.find("Ubc\nvwoju"), std::string::npos);
    EXPECT_EQ(written.substr(written.size() - 6), "\x0E\x0B\x0E\x0B\r\n");

    EXPECT_EQ(readBytes(saved("maly_strom/foto/foto0.jpg")), "photo");
    EXPECT_EQ(readBytes(saved("maly_strom/soubory/soubor2.pdf")), "letter");
    for (const char* sub : mediaSubfolders)
        EXPECT_TRUE(directoryExists(saved("maly_strom/") + sub)) << sub;
    EXPECT_TRUE(script.messages().empty());
}

TEST_F(TreeWriter, EachPartnershipIsWrittenOnceWithItsPlaceInBothLists)
{
    Rod tree;
    Clovek* a = makePerson("A", "X");
    Clovek* b = makePerson("B", "X", 0);
    Clovek* c = makePerson("C", "X", 0);
    for (Clovek* p : {a, b, c})
        tree.addNewPerson(std::unique_ptr<Clovek>(p));
    partnership(b, a, PartnershipType::plain); // a is the second partner here ...
    partnership(a, c, PartnershipType::married); // ... and the first one here: a's list holds (b&a), (a&c)
    static_cast<UkSvatba*>(a->partnerships.first())->orderKey = 7;

    const std::vector<std::string> body = savedStateBody(tree, a->number, wait);
    std::vector<std::string> blocks;
    for (size_t i = 0; i < body.size(); ++i)
        if (body[i] == "<svatba>")
            blocks.push_back(body[i + 2] + "&" + body[i + 4] + " tags " + body[i + 6] + "," + body[i + 8]);
    // Persons go head first (c, b, a): c's partnership is met first.
    EXPECT_EQ(blocks, (std::vector<std::string>{"0&2 tags 1,0", "1&0 tags 0,0"}));
    int keys = 0;
    for (UkSvatba* e : a->partnerships.items<UkSvatba>()) {
        EXPECT_EQ(e->orderKey, keys++);
        EXPECT_EQ(e->partnership->visited, 1);
    }
}

TEST_F(TreeWriter, ALineBreakOrNulInsideATextNeverBreaksTheFile)
{
    Rod tree;
    tree.treeName = "Rod\r\nNováků";
    tree.furtherData = {"a\nb", std::string("c\0d", 3)};
    addPersonTo(tree, "Jan\rJosef", "Novák");
    const std::vector<std::string> lines = bodyLinesOf(savedStateBytes(savedStateBody(tree, 0, wait)));
    EXPECT_EQ(lines[4], "Rod  Nováků");
    auto at = std::find(lines.begin(), lines.end(), "[dalsiUdaje]");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(at[1], "2");
    EXPECT_EQ(at[2], "a b");
    EXPECT_EQ(at[3], "c d");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Jan Josef"), lines.end());
    EXPECT_EQ(lines.back(), "");
}

TEST_F(TreeWriter, ALivingPersonAndAPlainPartnershipWriteNoDeathOrWeddingData)
{
    Rod tree;
    Clovek* a = makePerson("A", "X");
    Clovek* b = makePerson("B", "X", 0);
    a->death = date("1", "1", "2000");
    tree.addNewPerson(std::unique_ptr<Clovek>(a));
    tree.addNewPerson(std::unique_ptr<Clovek>(b));
    Svatba* s = partnership(a, b, PartnershipType::plain);
    s->place = "Brno";
    const std::vector<std::string> body = savedStateBody(tree, 0, wait);
    for (const char* key : {"[smrtDen]", "[smrtTolerance]", "[obradDen]", "[svatbaMisto]", "[obradTolerance]",
                            "[rozvodRok]", "[dalsiUdaje]", "[identifikator]"})
        EXPECT_EQ(std::count(body.begin(), body.end(), key), key == std::string("[identifikator]") ? 2 : 0)
            << key;
    EXPECT_EQ(std::count(body.begin(), body.end(), "[fotky]"), 1);
}

TEST_F(TreeWriter, AMediumMissingFromTheWorkingFolderNeverBlocksTheSave)
{
    Rod tree(saved("strom.rod"));
    Clovek* shown = buildSmallTree(tree);
    shown->hasPortrait = 1;
    putWorking(photoFileName(0), "photo");
    putWorking(attachedFileName(2, "pdf"), "letter");
    putWorking(portraitFileName(shown->number), "face");
    ASSERT_TRUE(saveTreeFile(tree, shown, env));
    env.previousTreeFile = tree.fileName;

    // The photo and the portrait went from the working folder; the photo's last saved copy
    // stays, the portrait, new since then, is simply gone.
    tree.treeName = "Jiný název";
    std::filesystem::remove(env.workingFolder + photoFileName(0));
    std::filesystem::remove(env.workingFolder + portraitFileName(shown->number));
    std::filesystem::remove(saved("strom/") + portraitFileName(shown->number));
    const SaveResult result = saveTreeFile(tree, shown, env);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.missingMedia,
              (std::vector<std::string>{env.workingFolder + photoFileName(0),
                                        env.workingFolder + portraitFileName(shown->number)}));
    EXPECT_TRUE(script.messages().empty());
    Rod loaded(tree.fileName);
    loadCurrentFormat(loaded, env);
    EXPECT_EQ(loaded.treeName, "Jiný název");
    EXPECT_EQ(readBytes(saved("strom/foto/foto0.jpg")), "photo");
    EXPECT_EQ(readBytes(saved("strom/soubory/soubor2.pdf")), "letter");
    EXPECT_FALSE(fileExists(saved("strom/") + portraitFileName(shown->number)));
    EXPECT_FALSE(directoryExists(saved("strom.ukladani~")));

    // Saved under another name over a tree of its own, it never takes that tree's pictures.
    std::filesystem::create_directories(saved("jiny/foto"));
    std::ofstream(saved("jiny/foto/foto0.jpg")) << "another tree's photo";
    std::filesystem::remove(env.workingFolder + photoFileName(0)); // the load brought it back
    tree.fileName = saved("jiny.rod");
    EXPECT_TRUE(saveTreeFile(tree, shown, env).written);
    EXPECT_FALSE(fileExists(saved("jiny/foto/foto0.jpg")));
}

TEST_F(TreeWriter, AFileThatCannotBeWrittenIsAnsweredAndTheOldPairStays)
{
    Rod tree(saved("strom.rod"));
    Clovek* shown = buildSmallTree(tree);
    putWorking(photoFileName(0), "photo");
    putWorking(attachedFileName(2, "pdf"), "letter");
    std::filesystem::create_directories(saved("strom/foto"));
    std::ofstream(saved("strom/foto/foto5.jpg")) << "older";
    // A folder in the file's place: the rename over it fails.
    std::filesystem::create_directories(saved("strom.rod"));

    const SaveResult result = saveTreeFile(tree, shown, env);
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(script.messages().empty());
    EXPECT_EQ(readBytes(saved("strom/foto/foto5.jpg")), "older");
    EXPECT_FALSE(fileExists(saved("strom/foto/foto0.jpg")));
    EXPECT_FALSE(directoryExists(saved("strom.ukladani~")));
    EXPECT_FALSE(directoryExists(saved("strom.puvodni~")));
    EXPECT_EQ(listFolder(saved(""), "strom.rod.*", ListKind::All), std::vector<std::string>{});

    // A name the system takes, but not with the save's temporary ending: refused with why.
    tree.fileName = saved(std::string(245, 'd') + ".rod");
    const SaveResult tooLong = saveTreeFile(tree, shown, env);
    EXPECT_FALSE(tooLong.written);
    EXPECT_EQ(tooLong.failedPath, tree.fileName);
    EXPECT_EQ(tooLong.reason, systemReasonText(ENAMETOOLONG));
    EXPECT_EQ(listFolder(saved(""), "ddd*", ListKind::All), std::vector<std::string>{});
}

TEST_F(TreeWriter, ATreeNamedLikeTheSaveFolderNeverWipesTheSavedTrees)
{
    std::ofstream(saved("jiny.rod")) << "other";
    Rod tree(root / "prog/save.rod");
    Clovek* shown = buildSmallTree(tree);
    const SaveResult result = saveTreeFile(tree, shown, env);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.unsuitableName);
    EXPECT_EQ(readBytes(saved("jiny.rod")), "other");
    EXPECT_FALSE(fileExists(root / "prog/save.rod"));
}

TEST_F(TreeWriter, APrivateTreeFileStaysPrivateAfterASave)
{
    Rod tree(saved("soukromy.rod"));
    Clovek* shown = buildSmallTree(tree);
    ASSERT_TRUE(saveTreeFile(tree, shown, env));
    std::filesystem::permissions(tree.fileName,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    tree.treeName = "Jiný";
    ASSERT_TRUE(saveTreeFile(tree, shown, env));
    EXPECT_EQ(std::filesystem::status(tree.fileName).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(TreeWriter, AFolderOfTheUsersUnderTheCompanionsNameIsNeverReplaced)
{
    namespace fs = std::filesystem;
    Rod tree(saved("Dokumenty.rod"));
    Clovek* shown = buildSmallTree(tree);
    putWorking(photoFileName(0), "photo");
    fs::create_directories(saved("Dokumenty/foto"));
    std::ofstream(saved("Dokumenty/smlouva.pdf")) << "keep";
    std::ofstream(saved("Dokumenty/foto/dovolena.jpg")) << "keep too";

    const SaveResult result = saveTreeFile(tree, shown, env);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.foreignFolder);
    EXPECT_EQ(result.failedPath, saved("Dokumenty"));
    EXPECT_EQ(readBytes(saved("Dokumenty/smlouva.pdf")), "keep");
    EXPECT_EQ(readBytes(saved("Dokumenty/foto/dovolena.jpg")), "keep too");
    EXPECT_EQ(listFolder(saved(""), "*", ListKind::All), std::vector<std::string>{"Dokumenty"});

    // A folder an earlier save made, even one copied from Windows in capitals, is the tree's.
    fs::remove(saved("Dokumenty/smlouva.pdf"));
    fs::rename(saved("Dokumenty/foto"), saved("Dokumenty/FOTO"));
    fs::create_directories(saved("Dokumenty/hlavy"));
    EXPECT_TRUE(saveTreeFile(tree, shown, env).written);
    EXPECT_EQ(readBytes(saved("Dokumenty/foto/foto0.jpg")), "photo");

    // Beside a portable copy's executable a tree saves, but never over the program file.
    tree.fileName = root / "prog/strom.rod";
    EXPECT_TRUE(saveTreeFile(tree, shown, env).written);
    EXPECT_EQ(readBytes(root / "prog/strom/foto/foto0.jpg"), "photo");
    std::ofstream(root / "prog/kinvelor") << "program";
    tree.fileName = root / "prog/kinvelor.rod";
    EXPECT_TRUE(saveTreeFile(tree, shown, env).foreignFolder);
    EXPECT_EQ(readBytes(root / "prog/kinvelor"), "program");
    EXPECT_FALSE(fs::exists(root / "prog/kinvelor.rod"));
}

TEST_F(TreeWriter, AFullDiskFailsTheWholeSaveAndKeepsTheOnlyCopyOfAPicture)
{
    Rod tree(saved("strom.rod"));
    Clovek* shown = buildSmallTree(tree);
    putWorking(photoFileName(0), "photo");
    putWorking(attachedFileName(2, "pdf"), "letter");
    ASSERT_TRUE(saveTreeFile(tree, shown, env));
    env.previousTreeFile = tree.fileName;
    const std::string oldFile = readBytes(tree.fileName);
    tree.treeName = "Jiný název";

    // A new photo that does not fit, then one the working folder lost whose only copy is the
    // stored one: neither is "missing", the save stops and tells which file and why.
    putWorking(photoFileName(0), "a new, big photo");
    for (bool inWorkingFolder : {true, false}) {
        if (!inWorkingFolder)
            std::filesystem::remove(env.workingFolder + photoFileName(0));
        FailingWrites full("/foto/foto0.jpg");
        const SaveResult result = saveTreeFile(tree, shown, env);
        EXPECT_FALSE(result.written);
        EXPECT_TRUE(result.missingMedia.empty());
        EXPECT_EQ(result.failedPath, saved("strom/foto/foto0.jpg"));
        EXPECT_EQ(result.reason, systemReasonText(ENOSPC));
    }
    // The tree file itself, or the folder's last write: the folder being built is never named.
    for (const char* part : {"strom.rod", "ulozeni.rdk"}) {
        FailingWrites full(part);
        const SaveResult result = saveTreeFile(tree, shown, env);
        EXPECT_FALSE(result.written) << part;
        EXPECT_NE(result.error.find(std::strerror(ENOSPC)), std::string::npos) << result.error;
        EXPECT_EQ(result.error.find("ukladani~"), std::string::npos) << result.error;
    }
    EXPECT_EQ(readBytes(tree.fileName), oldFile);
    EXPECT_EQ(readBytes(saved("strom/foto/foto0.jpg")), "photo");
    EXPECT_EQ(readBytes(saved("strom/soubory/soubor2.pdf")), "letter");
    EXPECT_EQ(listFolder(saved(""), "*", ListKind::All), (std::vector<std::string>{"strom", "strom.rod"}));
}

TEST_F(TreeWriter, ASaveThroughALinkWritesWhereItLeadsAndAReadOnlyFileIsRefused)
{
    namespace fs = std::filesystem;
    fs::create_directories(root / "jinde");
    const std::string real = root / "jinde/strom.rod";
    Rod tree(real);
    Clovek* shown = buildSmallTree(tree);
    ASSERT_TRUE(saveTreeFile(tree, shown, env));
    fs::create_symlink("../../jinde/strom.rod", saved("strom.rod"));
    tree.fileName = saved("strom.rod");
    tree.treeName = "Přes odkaz";
    ASSERT_TRUE(saveTreeFile(tree, shown, env));
    EXPECT_TRUE(fs::is_symlink(saved("strom.rod")));
    Rod loaded(real);
    loadCurrentFormat(loaded, env);
    EXPECT_EQ(loaded.treeName, "Přes odkaz");
    EXPECT_EQ(listFolder(root / "jinde", "*", ListKind::All),
              (std::vector<std::string>{"strom", "strom.rod"}));

    fs::permissions(real, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string before = readBytes(real);
    tree.treeName = "Jen pro čtení";
    for (const std::string& name : {saved("strom.rod"), real}) {
        tree.fileName = name;
        const SaveResult result = saveTreeFile(tree, shown, env);
        EXPECT_FALSE(result.written);
        EXPECT_TRUE(result.readOnly);
        EXPECT_EQ(result.failedPath, name);
    }
    EXPECT_EQ(readBytes(real), before);
    EXPECT_TRUE(fs::is_symlink(saved("strom.rod")));
}

TEST(TreeFileBytes, LinesAreEncodedAsTheWholeBodyWouldBe)
{
    // A character cut off at a line's end, line breaks and a NUL inside a line, a Czech letter
    // at the very end: each line stays one line, a broken character becomes "?".
    const std::string bytes = savedStateBytes({"a\xC5", std::string("\rb\0c\n", 5), "ž"});
    std::string body = "a?\r\n b c \r\n\x9E\r\n";
    shiftBody(body);
    const std::string header = std::string(savedStateTitle) + "\r\n" + std::string(savedStateNote) + "\r\n" +
                               std::string(savedStateVersion) + "\r\n\r\n";
    EXPECT_EQ(bytes, header + body + "\r\n");
}
