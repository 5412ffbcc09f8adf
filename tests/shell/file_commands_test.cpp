// New, Open, Save, Save As, Close and Exit with their questions, the recent files and the
// general tab, as a person uses them.
#include "forms/ano_ne_form.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/media.h"
#include "program_fixture.h"
#include "system/fileio.h"

#include <fstream>

using Lines = std::vector<std::string>;

namespace {

struct FileCommands : ProgramTest {
    void SetUp() override
    {
        ProgramTest::SetUp();
        startQuietly();
    }
    // A tree with one person, as the editor leaves it.
    void newTreeWithAPerson()
    {
        user::click(hl().layout().Novy1);
        ASSERT_TRUE(hl().session.tree());
        auto* person = new Clovek();
        person->firstName = "Jan";
        hl().session.tree()->addNewPerson(std::unique_ptr<Clovek>(person));
        hl().editor.currentPerson = person;
        hl().enableControls(true, true);
    }
    std::string treeFile(const std::string& name) { return writeTreeFile(folder() + "save/" + name); }
    ObecneSheet& g() { return hl().layout().obecneSheet; }
};

} // namespace

TEST_F(FileCommands, NewStartsAnEmptyTreeWithTheFocusInItsName)
{
    user::click(hl().layout().NovyBT);
    ASSERT_TRUE(hl().session.tree());
    EXPECT_EQ(hl().session.tree()->personCount(), 0);
    EXPECT_EQ(hl().layout().ActiveControl(), &g().nazevED);
    user::type(g().nazevED, "Novákovi");
    EXPECT_EQ(hl().session.tree()->treeName, "Novákovi"); // before the edit is left

    // An empty tree is replaced without a question.
    user::click(hl().layout().Novy1);
    EXPECT_EQ(hl().session.tree()->treeName, "");
    EXPECT_TRUE(script.windowsShown().empty());
}

TEST_F(FileCommands, FirstSaveOfANewTreeAsksForItsName)
{
    newTreeWithAPerson();
    script.file(folder() + "save/novakovi.rod");
    user::click(hl().layout().Ulozit1);
    EXPECT_EQ(hl().session.tree()->fileName, folder() + "save/novakovi.rod");
    EXPECT_EQ(hl().settings.recentFiles[0], folder() + "save/novakovi.rod");
    EXPECT_TRUE(hl().layout().soubor1.Visible);
}

TEST_F(FileCommands, QuestionBeforeNewDecidesTheFateOfTheOpenTree)
{
    newTreeWithAPerson();
    Rod* first = hl().session.tree();
    first->groups.append(std::make_unique<Group>("Rodina"));
    hl().editor.fillGroupsCombo("Rodina");
    script.press("Kinvelor", "stornoBT");
    user::click(hl().layout().Novy1);
    EXPECT_EQ(hl().session.tree(), first);

    // Yes, but the name dialog is cancelled: nothing was saved, so the tree stays.
    script.press("Kinvelor", "anoBT").cancelFile();
    user::click(hl().layout().Novy1);
    EXPECT_EQ(hl().session.tree(), first);
    EXPECT_EQ(hl().session.tree()->fileName, "");

    script.press("Kinvelor", "neBT");
    user::click(hl().layout().Novy1);
    ASSERT_TRUE(hl().session.tree());
    EXPECT_EQ(hl().session.tree()->personCount(), 0);
    // The groups box no longer offers the closed tree's groups.
    EXPECT_EQ(hl().layout().skupinyCB.Items.lines(), (Lines{hl().allPersonsGroupName}));
}

TEST_F(FileCommands, OpeningAnotherTreeAsksAboutUnsavedWork)
{
    const std::string second = treeFile("druhy.rod");
    const std::string third = treeFile("treti.rod");
    newTreeWithAPerson();
    Rod* first = hl().session.tree();

    script.press("Kinvelor", "stornoBT");
    hl().openTreeFile(second);
    EXPECT_EQ(hl().session.tree(), first);

    // Yes, but the name dialog is cancelled: nothing was saved, so nothing is dropped.
    script.press("Kinvelor", "anoBT").cancelFile();
    hl().openTreeFile(second);
    EXPECT_EQ(hl().session.tree(), first);

    script.file(second).press("Kinvelor", "anoBT").file(folder() + "save/prvni.rod");
    user::click(hl().layout().Otevrit1);
    ASSERT_TRUE(hl().session.tree());
    EXPECT_EQ(hl().session.tree()->fileName, second);
    EXPECT_EQ(hl().settings.recentFiles[0], second);
    EXPECT_EQ(hl().settings.recentFiles[1], folder() + "save/prvni.rod");
    EXPECT_EQ(script.windowsShown(),
              (Lines{"Kinvelor", "Kinvelor", "SaveDialogROD", "OpenDialogROD", "Kinvelor", "SaveDialogROD"}));

    // No: the unsaved person is dropped and the third tree opens.
    hl().session.tree()->addNewPerson(std::make_unique<Clovek>());
    script.press("Kinvelor", "neBT");
    hl().openTreeFile(third);
    ASSERT_TRUE(hl().session.tree());
    EXPECT_EQ(hl().session.tree()->fileName, third);
    EXPECT_EQ(hl().settings.recentFiles[0], third);
}

TEST_F(FileCommands, RecentFilesFollowTheOpens)
{
    const std::string a = treeFile("a.rod");
    const std::string b = treeFile("b.rod");
    const std::string c = treeFile("c.rod");
    hl().openTreeFile(a);
    for (const std::string& path : {b, c, a}) {
        script.press("Kinvelor", "neBT"); // the open tree has a person: not saved
        hl().openTreeFile(path);
    }
    EXPECT_EQ(Lines(hl().settings.recentFiles.begin(), hl().settings.recentFiles.end()),
              (Lines{a, c, b, ""}));
    EXPECT_TRUE(hl().layout().soubor3.Visible);
    EXPECT_FALSE(hl().layout().soubor4.Visible);
    EXPECT_TRUE(hl().layout().N14.Visible);
    EXPECT_EQ(hl().layout().soubor1.Caption,
              a.size() < 30 ? a : a.substr(0, 3) + "..." + a.substr(a.size() - 24));

    script.press("Kinvelor", "neBT");
    user::click(hl().layout().soubor3);
    EXPECT_EQ(hl().session.tree()->fileName, b);
    EXPECT_EQ(hl().settings.recentFiles[0], b);
}

TEST_F(FileCommands, RecentMenuShowsOnlyFilledEntries)
{
    hl().settings.recentFiles = {"", "", "", ""};
    hl().updateRecentFilesMenu();
    for (TMenuItem* item : {&hl().layout().soubor1, &hl().layout().soubor2, &hl().layout().soubor3,
                            &hl().layout().soubor4, &hl().layout().N14})
        EXPECT_FALSE(item->Visible) << item->Name;
    hl().settings.recentFiles[0] = "/home/jan/rodokmeny/novakovi-1900.rod"; // 37 characters
    hl().settings.recentFiles[1] = "/home/jan/rodokmen/a1.rod"; // 25 characters
    hl().updateRecentFilesMenu();
    EXPECT_EQ(hl().layout().soubor1.Caption, "/ho...okmeny/novakovi-1900.rod");
    EXPECT_EQ(hl().layout().soubor2.Caption, "/home/jan/rodokmen/a1.rod");
    EXPECT_TRUE(hl().layout().N14.Visible);
    EXPECT_FALSE(hl().layout().soubor3.Visible);
}

TEST_F(FileCommands, AMissingFileIsToldAndNothingChanges)
{
    hl().settings.recentFiles = {folder() + "save/pryc.rod", "", "", ""};
    hl().updateRecentFilesMenu();
    user::click(hl().layout().soubor1);
    EXPECT_EQ(script.messageTexts(), Lines{"Soubor " + folder() + "save/pryc.rod nenalezen!"});
    EXPECT_EQ(hl().settings.recentFiles[0], folder() + "save/pryc.rod");
    EXPECT_FALSE(hl().session.tree());

    script.clearRecords();
    hl().openTreeFile(folder() + "save/pryc.rod");
    EXPECT_EQ(script.messageTexts(), Lines{"Soubor nenalezen!"});
}

TEST_F(FileCommands, ExitWithoutChangesEndsAtOnce)
{
    user::click(hl().layout().Novy1);
    user::click(hl().layout().Konec1);
    EXPECT_TRUE(Application.Terminated);
    EXPECT_TRUE(script.windowsShown().empty());
}

TEST_F(FileCommands, ExitWhoseSaveDoesNotHappenKeepsTheTreeAndTheWorkingFolder)
{
    newTreeWithAPerson();
    std::filesystem::create_directories(hl().workingFolder + "foto");
    std::ofstream(hl().workingFolder + "foto/foto0.jpg") << "jpeg";
    script.press("Kinvelor", "anoBT").cancelFile();
    user::click(hl().layout().Konec1);
    EXPECT_FALSE(Application.Terminated);
    EXPECT_TRUE(hl().session.tree());
    EXPECT_TRUE(exists(hl().workingFolder + "foto/foto0.jpg"));
}

TEST_F(FileCommands, GeneralTabShowsAndStoresTheTreesTexts)
{
    user::click(hl().layout().Novy1);
    hl().session.tree()->author = "Jan Novák";
    hl().session.tree()->furtherData = {"řádek 1", "řádek 2"};
    hl().refreshPage();
    EXPECT_EQ(g().autorED.Text(), "Jan Novák");
    EXPECT_EQ(g().dalsiUdajeMEMO.Lines.lines(), (Lines{"řádek 1", "řádek 2"}));

    user::type(g().spolupracovaliED, "Eva");
    user::type(g().vytvorenoED, "2023");
    EXPECT_EQ(hl().session.tree()->collaborators, "Eva");
    EXPECT_EQ(hl().session.tree()->createdText, "2023");

    // A memo stores its lines when left, or when the tree is saved or closed.
    user::type(g().dalsiUdajeMEMO, "X");
    EXPECT_EQ(hl().session.tree()->furtherData.size(), 2u);
    hl().commitMemos();
    EXPECT_EQ(hl().session.tree()->furtherData, (Lines{"Xřádek 1", "řádek 2"}));
    user::type(g().dalsiUdajeMEMO, "Y");
    user::focus(g().nazevED);
    EXPECT_EQ(hl().session.tree()->furtherData[0], "XYřádek 1");
}

TEST_F(FileCommands, ASaveThatFailsKeepsTheTreeOpenAtCloseAndAtExit)
{
    newTreeWithAPerson();
    std::filesystem::create_directories(hl().workingFolder + "foto");
    std::ofstream(hl().workingFolder + "foto/foto0.jpg") << "jpeg";
    const std::string nowhere = folder() + "chybi/strom.rod"; // its folder does not exist

    script.press("Kinvelor", "anoBT").file(nowhere);
    user::click(hl().layout().Zavrit1);
    ASSERT_TRUE(hl().session.tree());
    EXPECT_FALSE(script.messages().empty()); // the writer told what failed
    EXPECT_EQ(hl().session.tree()->fileName, ""); // the next Save asks for a name again

    script.press("Kinvelor", "anoBT").file(nowhere);
    user::click(hl().layout().Konec1);
    EXPECT_FALSE(Application.Terminated);
    ASSERT_TRUE(hl().session.tree());
    EXPECT_TRUE(exists(hl().workingFolder + "foto/foto0.jpg"));
    EXPECT_TRUE(exists(folder() + "data/active.rdk"));

    // Saved where it can be, the tree closes and the program ends.
    script.press("Kinvelor", "anoBT").file(folder() + "save/strom.rod");
    user::click(hl().layout().Konec1);
    EXPECT_TRUE(Application.Terminated);
    EXPECT_TRUE(exists(folder() + "save/strom.rod"));
    EXPECT_FALSE(exists(folder() + "data/active.rdk"));
}

TEST_F(FileCommands, SaveAsWritesUnderTheNewNameAndSaveKeepsIt)
{
    newTreeWithAPerson();
    script.file(folder() + "save/prvni.rod");
    user::click(hl().layout().UlozitJakoBT);
    EXPECT_TRUE(exists(folder() + "save/prvni.rod"));
    EXPECT_TRUE(std::filesystem::is_directory(folder() + "save/prvni"));
    user::type(g().nazevED, "Nový název");
    user::click(hl().layout().UlozitBT); // no dialog: the tree has its name
    EXPECT_TRUE(script.windowsShown() == Lines{"SaveDialogROD"});
    script.cancelFile();
    user::click(hl().layout().UlozitJako1);
    EXPECT_EQ(hl().session.tree()->fileName, folder() + "save/prvni.rod");

    // Another name of the same file is this copy's own: saved through, with no question.
    std::filesystem::create_symlink("prvni.rod", folder() + "save/odkaz.rod");
    const std::string before = readFileBytes(folder() + "save/prvni.rod");
    user::type(g().nazevED, "Přes odkaz");
    script.file(folder() + "save/odkaz.rod");
    user::click(hl().layout().UlozitJako1);
    EXPECT_EQ(hl().session.tree()->fileName, folder() + "save/odkaz.rod");
    EXPECT_TRUE(script.messageTexts().empty());
    EXPECT_NE(readFileBytes(folder() + "save/prvni.rod"), before);
    EXPECT_FALSE(exists(folder() + "save/odkaz"));
}

TEST_F(FileCommands, AReadOnlyTreeFileStaysAndAnotherNameIsOffered)
{
    namespace fs = std::filesystem;
    newTreeWithAPerson();
    const std::string kept = folder() + "save/strom.rod";
    script.file(kept);
    user::click(hl().layout().Ulozit1);
    ASSERT_TRUE(exists(kept));
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto before = fs::last_write_time(kept);
    const auto size = fs::file_size(kept);

    user::type(g().nazevED, "Jiný");
    script.press("Kinvelor", "anoBT").file(folder() + "save/kopie.rod");
    user::click(hl().layout().Ulozit1);
    // The question window shows one line: the reason and its path are told before it, whole.
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_NE(script.messageTexts()[0].find(kept), std::string::npos);
    EXPECT_EQ(anoNe->Label1.Caption, "Uložit lipoveta pod jiným jménem?");
    EXPECT_EQ(hl().session.tree()->fileName, folder() + "save/kopie.rod");
    EXPECT_TRUE(exists(folder() + "save/kopie.rod"));
    EXPECT_EQ(fs::last_write_time(kept), before);
    EXPECT_EQ(fs::file_size(kept), size);
    EXPECT_EQ(fs::status(kept).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(FileCommands, ATreeAnotherRunningCopyHasOpenIsNeitherOpenedNorSavedOver)
{
    const std::string shared = treeFile("spolecny.rod");
    const std::string before = readFileBytes(shared);
    auto otherCopy = std::make_unique<TreeFileHold>();
    ASSERT_EQ(otherCopy->claim(shared), TreeFileHold::Claim::held);

    hl().openTreeFile(shared);
    EXPECT_FALSE(hl().session.tree());
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_NE(script.messageTexts()[0].find("jiná běžící kopie programu"), std::string::npos);
    EXPECT_NE(script.messageTexts()[0].find(shared), std::string::npos);

    newTreeWithAPerson();
    script.file(shared);
    user::click(hl().layout().UlozitJako1);
    EXPECT_EQ(hl().session.tree()->fileName, "");
    EXPECT_EQ(readFileBytes(shared), before);
    EXPECT_EQ(script.messageTexts().size(), 2u);

    // Once that copy has ended the tree is this one's, and now the other is refused.
    otherCopy.reset();
    script.press("Kinvelor", "neBT");
    hl().openTreeFile(shared);
    ASSERT_TRUE(hl().session.tree());
    TreeFileHold third;
    EXPECT_EQ(third.claim(shared), TreeFileHold::Claim::heldElsewhere);
    hl().closeTree();
    EXPECT_EQ(third.claim(shared), TreeFileHold::Claim::held);
}

TEST_F(FileCommands, ASaveAsksBeforeReplacingAFileAnotherProgramChanged)
{
    const std::string path = treeFile("zmeneny.rod");
    hl().openTreeFile(path);
    ASSERT_TRUE(hl().session.tree());
    user::click(hl().layout().UlozitBT);
    EXPECT_TRUE(script.windowsShown().empty());

    writeTreeFile(path); // another program puts a file of its own in place
    const std::string theirs = readFileBytes(path);
    hl().session.tree()->treeName = "Naši";
    script.press("Kinvelor", "neBT");
    user::click(hl().layout().UlozitBT);
    EXPECT_EQ(readFileBytes(path), theirs);
    ASSERT_TRUE(hl().session.tree());

    script.press("Kinvelor", "anoBT");
    user::click(hl().layout().UlozitBT);
    EXPECT_NE(readFileBytes(path), theirs);
    // What this copy wrote is its own: the next save asks nothing.
    user::click(hl().layout().UlozitBT);
    EXPECT_EQ(script.windowsShown(), (Lines{"Kinvelor", "Kinvelor"}));
    EXPECT_TRUE(script.unusedAnswers().empty());
}

TEST_F(FileCommands, CopiesMissingAtOpenAreNamedThereNotAgainAtEverySave)
{
    const std::string file = folder() + "save/strom.rod";
    {
        Rod tree(file);
        auto* person = new Clovek();
        person->firstName = "Jan";
        person->hasPortrait = 1;
        tree.addNewPerson(std::unique_ptr<Clovek>(person));
        tree.photoStore.append(std::make_unique<UkFotka>(new Fotka(0)));
        TreeFileEnvironment env = hl().session.fileEnvironment();
        ASSERT_TRUE(saveTreeFile(tree, person, env));
    }
    std::filesystem::remove_all(folder() + "save/strom");

    hl().openTreeFile(file);
    ASSERT_TRUE(hl().session.tree());
    EXPECT_EQ(script.messages().size(), 1u); // both copies, in one message
    EXPECT_EQ(hl().session.tree()->photoStore.count(), 1);
    user::click(hl().layout().Ulozit1);
    user::click(hl().layout().Ulozit1);
    EXPECT_EQ(script.messages().size(), 1u);
    EXPECT_EQ(hl().session.tree()->photoStore.count(), 1);
}

TEST_F(FileCommands, AFailedSaveSaysWhetherTheFileStayedOrNoneWasMade)
{
    newTreeWithAPerson();
    const std::string nowhere = folder() + "chybi/strom.rod"; // its folder does not exist
    script.file(nowhere);
    user::click(hl().layout().UlozitJako1);
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_TRUE(script.messageTexts()[0].starts_with(
        "Lipoveta se nepodařilo uložit, nic nebylo zapsáno a soubor tohoto jména nevznikl: " + nowhere))
        << script.messageTexts()[0];
    EXPECT_FALSE(exists(nowhere));

    const std::string there = treeFile("strom.rod");
    const std::string before = readFileBytes(there);
    script.clearRecords();
    {
        FailingWrites full("strom.rod");
        script.file(there);
        user::click(hl().layout().UlozitJako1);
    }
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_TRUE(script.messageTexts()[0].starts_with(
        "Lipoveta se nepodařilo uložit, soubor zůstal, jaký byl: " + there))
        << script.messageTexts()[0];
    EXPECT_EQ(readFileBytes(there), before);
}
