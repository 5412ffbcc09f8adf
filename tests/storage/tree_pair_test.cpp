// A tree file and its companion folder change as one pair: a save killed at any moment leaves
// the old pair or the new one once the interrupted swap is repaired, and a folder of the user's
// is never replaced.
#include "storage/tree_pair.h"

#include "model/media_names.h"
#include "storage/media_folders.h"
#include "storage/tree_loader.h"
#include "storage/tree_lock.h"
#include "storage/tree_writer.h"
#include "system/fileio.h"
#include "system/files.h"
#include "tree_file_test_base.h"
#include "tree_fixtures.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The media below a companion folder, by name relative to it, with their content.
std::map<std::string, std::string> mediaIn(const std::string& folder)
{
    std::map<std::string, std::string> media;
    for (const char* sub : mediaSubfolders)
        for (const std::string& name : listFolder(folder + sub))
            media[std::string(sub) + name] = readFileBytes(folder + sub + name);
    return media;
}

} // namespace

class TreePair : public TreeFileTest {
protected:
    // A tree of generation g: its name says g, and each generation holds other media (a photo
    // more or less, a second portrait every other time), each medium's content naming g.
    void saveGeneration(int g) { saveGeneration(g, file); }
    void saveGeneration(int g, const std::string& treeFile)
    {
        Rod tree(treeFile);
        tree.treeName = "g" + std::to_string(g);
        Clovek* a = makePerson("A", "X");
        Clovek* b = makePerson("B", "X", 0);
        tree.addNewPerson(std::unique_ptr<Clovek>(a));
        tree.addNewPerson(std::unique_ptr<Clovek>(b));
        a->hasPortrait = 1;
        b->hasPortrait = g % 2;
        for (int n = 0; n <= g % 3; ++n)
            tree.photoStore.append(std::make_unique<UkFotka>(new Fotka(n)));
        for (const auto& [name, bytes] : expectedMedia(g))
            putWorking(name, bytes);
        const SaveResult r = saveTreeFile(tree, a, env);
        if (!r)
            throw std::runtime_error("save failed " + r.error);
    }
    std::map<std::string, std::string> expectedMedia(int g)
    {
        std::map<std::string, std::string> media;
        auto add = [&](const std::string& name) { media[name] = "g" + std::to_string(g) + " " + name; };
        add(portraitFileName(0));
        if (g % 2)
            add(portraitFileName(1));
        for (int n = 0; n <= g % 3; ++n)
            add(photoFileName(n));
        return media;
    }
    // The generation the tree file holds, read as the loader reads it.
    int generationOnDisk()
    {
        BodyCursor c = readSavedState(file);
        for (std::string line = readBodyLine(c); c.more(); line = readBodyLine(c))
            if (line == "[nazev]")
                return std::stoi(readBodyLine(c).substr(1));
        return -1;
    }
    void expectOnePair(const std::string& when,
                       const std::vector<std::string>& names = {"strom", "strom.rod"})
    {
        ASSERT_TRUE(repairInterruptedSave(file, companion)) << when;
        const int g = generationOnDisk();
        EXPECT_EQ(mediaIn(companion), expectedMedia(g)) << when << ", generation " << g;
        EXPECT_FALSE(fs::exists(save / "strom.ukladani~")) << when;
        EXPECT_FALSE(fs::exists(save / "strom.puvodni~")) << when;
        EXPECT_FALSE(fileExists(companion + "ulozeni.rdk")) << when;
        EXPECT_EQ(listFolder(save.path(), "*", ListKind::All), names) << when;
    }

    // Where the pair lies: the program's "save" folder, or a folder in memory where the disk
    // never makes a test wait (a kill test needs the order of the steps, not the disk).
    struct SaveFolder {
        std::string dir;
        std::string path() const { return dir; }
        std::string operator/(const std::string& name) const { return dir + name; }
    } save{root / "prog/save/"};
    std::string file = save / "strom.rod";
    std::string companion = save / "strom/";
    void saveInMemoryWhenPossible()
    {
        if (!directoryExists("/dev/shm"))
            return;
        std::string pattern = "/dev/shm/kv_pair_XXXXXX";
        if (!::mkdtemp(pattern.data()))
            return;
        inMemory = pattern + "/";
        save.dir = inMemory;
        file = save / "strom.rod";
        companion = save / "strom/";
    }
    void twoCopiesKilledWhileSaving(int rounds, const std::string& secondName, bool holdWhileOpen,
                                    const std::vector<std::string>& names);
    ~TreePair() override
    {
        std::error_code ec;
        if (!inMemory.empty())
            fs::remove_all(inMemory, ec);
    }
    std::string inMemory;
};

TEST_F(TreePair, AKillAtAnyMomentOfASaveLeavesOneConsistentPair)
{
    saveInMemoryWhenPossible();
    saveGeneration(0);
    // A child saving generations from `first` on, killed `micros` after it was started; with
    // -1 it saves `count` times and ends. Answers whether it was killed; `took` is its life.
    long took = 0;
    auto runChild = [&](int first, long micros, int count) {
        const auto started = std::chrono::steady_clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                for (int g = first; count < 0 || g < first + count; ++g)
                    saveGeneration(g);
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        if (micros >= 0) {
            ::usleep(static_cast<useconds_t>(micros));
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        took = static_cast<long>(
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started)
                .count());
        return WIFSIGNALED(status);
    };
    // How long a child takes to start and save twice (its first save pays for the memory it
    // copies): the kills spread over that time.
    ASSERT_FALSE(runChild(1, -1, 2));
    std::mt19937 random(20261209);
    std::uniform_int_distribution<long> delay(0, std::max<long>(took, 100));
    std::map<bool, int> seen; // kills after which the old pair stood, or a new one
    for (int kill = 0; kill < 100; ++kill) {
        const int first = 1000 * (kill + 1);
        ASSERT_TRUE(runChild(first, delay(random), -1)) << "the saving child ended at kill " << kill;
        expectOnePair("kill " + std::to_string(kill));
        ++seen[generationOnDisk() >= first];
        if (HasFailure())
            return;
    }
    // Kills landed both before and after the moment a save takes effect.
    EXPECT_GT(seen[false], 0);
    EXPECT_GT(seen[true], 0);
}

// Two running copies of the program on one tree, killed together at some moment of their
// saves, `rounds` times. With `holdWhileOpen` the first copy holds the tree from its open as the
// program does and the second, opening it as `secondName`, must never get it; without, each
// copy holds it for one save at a time and both save, the second through `secondName`.
void TreePair::twoCopiesKilledWhileSaving(int rounds, const std::string& secondName, bool holdWhileOpen,
                                          const std::vector<std::string>& names)
{
    // A copy saves as the program does: with the tree's lock held, waiting while the other
    // copy holds it for its own save. Generations from `first` on, until it is killed.
    auto startCopy = [&](int first, const std::string& name, bool keep) {
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                TreeFileHold kept;
                for (int g = first;; ++g) {
                    {
                        TreeFileHold hold;
                        TreeFileHold& used = keep ? kept : hold;
                        while (used.claim(name) != TreeFileHold::Claim::held)
                            ::usleep(200);
                        saveGeneration(g, name);
                        used.remember();
                    }
                    ::usleep(1000); // a person's pace between saves: the other gets its turn
                }
            } catch (const std::exception& e) {
                std::fprintf(stderr, "the saving copy: %s\n", e.what());
                ::_exit(1);
            } catch (...) {
                ::_exit(1);
            }
        }
        return child;
    };
    std::mt19937 random(20261210);
    std::uniform_int_distribution<long> apart(0, 300000);
    std::uniform_int_distribution<long> then(0, 100000);
    for (int round = 0; round < rounds; ++round) {
        const int first = 10000 * (round + 1);
        if (holdWhileOpen && secondName != file) {
            // A second name of the file as it stands when the first copy opens it.
            fs::remove(secondName);
            fs::create_hard_link(file, secondName);
        }
        const pid_t a = startCopy(first, file, holdWhileOpen);
        const long gap = apart(random);
        ::usleep(static_cast<useconds_t>(gap));
        // A copy that holds the tree from its open has it once it has saved.
        for (int tries = 0; holdWhileOpen && generationOnDisk() < first && tries < 60000; ++tries)
            ::usleep(500);
        const pid_t b = startCopy(first + 5000, secondName, false);
        // Both copies are at work once the second one's first save is in (or, when it must
        // never get the tree, the first one's): the kill lands at some moment after that.
        const int awaited = holdWhileOpen ? first : first + 5000;
        bool bothSaving = false;
        for (int tries = 0; !bothSaving && tries < 60000; ++tries) {
            bothSaving = generationOnDisk() >= awaited;
            if (!bothSaving)
                ::usleep(500);
        }
        if (bothSaving)
            ::usleep(static_cast<useconds_t>(then(random)));
        // The second first: it must not get the tree in the moment after the first one ends.
        bool killed = true;
        for (pid_t child : {b, a}) {
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            killed = killed && WIFSIGNALED(status);
        }
        ASSERT_TRUE(bothSaving) << "the copies never saved in round " << round;
        ASSERT_TRUE(killed) << "a saving copy ended in round " << round;
        // The lock file a killed copy left is free: the next open takes it, its close drops it.
        for (const std::string& name : {file, secondName}) {
            TreeFileHold next;
            ASSERT_EQ(next.claim(name), TreeFileHold::Claim::held) << "round " << round;
        }
        expectOnePair("round " + std::to_string(round) + ", " + std::to_string(gap / 1000) + " ms apart",
                      names);
        if (HasFailure())
            return;
    }
}

TEST_F(TreePair, TwoCopiesSavingOneTreeNeverInterleaveEvenWhenKilled)
{
    saveInMemoryWhenPossible();
    saveGeneration(0);
    twoCopiesKilledWhileSaving(100, file, false, {"strom", "strom.rod"});
}

TEST_F(TreePair, ACopyThroughALinkSavesBesideTheRealFileAndAHardLinkIsNoWayRoundTheLock)
{
    saveInMemoryWhenPossible();
    saveGeneration(0);
    fs::create_symlink("strom.rod", save / "odkaz.rod");
    // Through the link the copies take turns on the one pair: every picture lies beside the
    // real file, none in a folder named after the link.
    twoCopiesKilledWhileSaving(30, save / "odkaz.rod", false, {"odkaz.rod", "strom", "strom.rod"});
    if (HasFailure())
        return;
    // A second name of the file itself: while the first copy has the tree open, the other is
    // refused it under that name too, before and after the first one's saves.
    fs::remove(save / "odkaz.rod");
    twoCopiesKilledWhileSaving(30, save / "druhy.rod", true, {"druhy.rod", "strom", "strom.rod"});
}

TEST_F(TreePair, AFolderSetAsideByAnUnfinishedSaveComesBackAtTheNextOpen)
{
    // A folder set aside as earlier versions did, the file never written: the old folder is
    // the one that belongs to the file, and comes back when the tree is opened.
    saveGeneration(4);
    fs::rename(save / "strom", save / "strom.puvodni~");
    fs::create_directories(save / "strom/foto");
    writeFileAtomic(save / "strom/foto/foto7.jpg", "new picture of a file never written");
    Rod tree(file);
    loadCurrentFormat(tree, env);
    EXPECT_EQ(tree.treeName, "g4");
    expectOnePair("after the open");
    EXPECT_EQ(generationOnDisk(), 4);
}

TEST_F(TreePair, AFileOfTheUsersInTheFoldersPlaceIsNeverReplaced)
{
    writeFileAtomic(save / "dopis", "keep");
    TreePairSave pair(save / "dopis.rod", save / "dopis/");
    EXPECT_FALSE(pair.ready());
    EXPECT_THROW(pair.commit("x"), EInOutError);
    EXPECT_EQ(readBytes(save / "dopis"), "keep");
    EXPECT_FALSE(fileExists(save / "dopis.rod"));
}

TEST_F(TreePair, WhatThePersonKeepsInThePictureFolderIsCarriedIntoEveryNewOne)
{
    saveGeneration(1);
    const std::map<std::string, std::string> theirs = {
        {"foto/puvodni_sken.tif", "scan"}, {"Thumbs.db", "thumbs"},
        {".directory", "[Desktop]"},       {"foto/desktop.ini", "ini"},
        {"foto/.DS_Store", "mac"},         {"soubory/dopisy/1910.txt", "letter"},
        {"hlavy/hlava01.jpg", "not ours"}, {"FOTO/foto1.tif", "capitals"},
    };
    for (const auto& [name, bytes] : theirs) {
        fs::create_directories(fs::path(companion + name).parent_path());
        writeFileAtomic(companion + name, bytes);
    }
    // A stored copy the tree no longer has is the program's own, and goes.
    writeFileAtomic(companion + "foto/foto9.jpg", "an earlier photo");
    fs::create_symlink("puvodni_sken.tif", companion + "foto/odkaz.tif");
    const auto scan = fs::status(companion + "foto/puvodni_sken.tif");
    const auto scanTime = fs::last_write_time(companion + "foto/puvodni_sken.tif");

    for (int g = 2; g <= 3; ++g) {
        ASSERT_NO_THROW(saveGeneration(g)) << g;
        for (const auto& [name, bytes] : theirs)
            EXPECT_EQ(readBytes(companion + name), bytes) << name << ", generation " << g;
        EXPECT_FALSE(fileExists(companion + "foto/foto9.jpg"));
        EXPECT_EQ(fs::read_symlink(companion + "foto/odkaz.tif"), "puvodni_sken.tif");
        EXPECT_EQ(fs::status(companion + "foto/puvodni_sken.tif").permissions(), scan.permissions());
        EXPECT_EQ(fs::last_write_time(companion + "foto/puvodni_sken.tif"), scanTime);
        for (const auto& [name, bytes] : expectedMedia(g))
            EXPECT_EQ(readBytes(companion + name), bytes) << name;
    }
    EXPECT_EQ(listFolder(save.path(), "*", ListKind::All), (std::vector<std::string>{"strom", "strom.rod"}));

    // A folder that holds nothing but what a file manager leaves is the tree's as an empty one
    // is; one with anything else of the person's at its top is not, and stays as it is.
    fs::create_directories(save / "prazdny");
    writeFileAtomic(save / "prazdny/.directory", "[Desktop]");
    ASSERT_NO_THROW(saveGeneration(4, save / "prazdny.rod"));
    EXPECT_EQ(readBytes(save / "prazdny/.directory"), "[Desktop]");
    EXPECT_TRUE(fileExists(save / "prazdny/hlavy/hlava0.jpg"));
    fs::create_directories(save / "cizi/foto");
    writeFileAtomic(save / "cizi/Thumbs.db", "thumbs");
    writeFileAtomic(save / "cizi/smlouva.pdf", "keep");
    EXPECT_TRUE(TreePairSave(save / "cizi.rod", save / "cizi/").foreign());
    EXPECT_EQ(listFolder(save / "cizi", "*", ListKind::All),
              (std::vector<std::string>{"Thumbs.db", "foto", "smlouva.pdf"}));
}

TEST_F(TreePair, ALinkOrASecondNameOfTheFileReachesItsLockAndItsPictures)
{
    saveGeneration(0);
    fs::create_directories(root / "jinde");
    const std::string link = root / "jinde/odkaz.rod";
    const std::string second = save / "druhy.rod";
    fs::create_symlink(file, link);
    fs::create_hard_link(file, second);

    TreeFileHold first;
    ASSERT_EQ(first.claim(file), TreeFileHold::Claim::held);
    TreeFileHold other;
    EXPECT_EQ(other.claim(link), TreeFileHold::Claim::heldElsewhere);
    EXPECT_EQ(other.claim(second), TreeFileHold::Claim::heldElsewhere);
    // After a save the second name still reaches the file the first copy opened.
    saveGeneration(1);
    first.remember();
    EXPECT_EQ(other.claim(second), TreeFileHold::Claim::heldElsewhere);
    fs::create_hard_link(file, save / "treti.rod");
    EXPECT_EQ(other.claim(save / "treti.rod"), TreeFileHold::Claim::heldElsewhere);
    fs::remove(save / "treti.rod");

    // A change in place that keeps the size and the time of the last change is noticed.
    first.remember();
    EXPECT_FALSE(first.changedBehindOurBack());
    const auto written = fs::last_write_time(file);
    std::string bytes = readBytes(file);
    bytes.back() ^= 1;
    std::ofstream(file, std::ios::binary | std::ios::in | std::ios::out) << bytes;
    fs::last_write_time(file, written);
    EXPECT_TRUE(first.changedBehindOurBack());
    first.release();
    saveGeneration(2);

    // Opened and saved through the link, or through a path that climbs with "..", the tree
    // keeps its pictures in the folder beside the real file.
    int g = 2;
    for (const std::string& name : {link, root / "jinde/../prog/save/strom.rod"}) {
        Rod tree(name);
        const LoadReport report = loadCurrentFormat(tree, env);
        EXPECT_TRUE(report.missingMedia.empty()) << name;
        EXPECT_EQ(tree.treeName, "g" + std::to_string(g)) << name;
        EXPECT_EQ(companionFolderOf(name), fs::canonical(save.path()).string() + "/strom/");
        env.previousTreeFile = name;
        tree.treeName = "g" + std::to_string(g += 3); // the same media as generation 2
        const SaveResult r = saveTreeFile(tree, tree.firstPerson, env);
        EXPECT_TRUE(r.written) << name << ": " << r.error;
        EXPECT_EQ(generationOnDisk(), g) << name;
        EXPECT_EQ(mediaIn(companion), expectedMedia(2)) << name;
    }
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(listFolder(root / "jinde", "*", ListKind::All), std::vector<std::string>{"odkaz.rod"});
}

TEST_F(TreePair, ARepairLeavesTheFileALivingCopyIsWriting)
{
    saveGeneration(0);
    const std::string writing = file + ".AbC123.tmp~";
    writeFileAtomic(writing, "half a tree");
    const int fd = ::open(writing.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    fs::create_symlink("strom.rod", save / "odkaz.rod");
    for (const std::string& name : {file, save / "odkaz.rod"})
        EXPECT_TRUE(repairInterruptedSave(name, companion));
    EXPECT_TRUE(fileExists(writing));
    ::close(fd);
    EXPECT_TRUE(repairInterruptedSave(file, companion));
    EXPECT_FALSE(fileExists(writing));
}

// The damaged file is kept as a pair that opens as any tree does: its folder holds every stored
// copy of the tree's folder as a second name of the same file, and nothing of the person's.
TEST_F(TreePair, ADamagedFileIsKeptAsAPairWithEveryStoredCopyOfItsFolder)
{
    saveGeneration(4);
    std::ofstream(companion + "foto/foto9.jpg") << "unrecorded";
    std::ofstream(companion + "foto/sken.png") << "scan";
    const std::map<std::string, std::string> stored = mediaIn(companion);
    fs::create_directories(saved("strom.poskozeny")); // a name taken goes on to the next

    const std::string kept = keepDamagedTreeFile(file);
    EXPECT_EQ(kept, saved("strom.poskozeny2.rod"));
    EXPECT_EQ(readBytes(kept), readBytes(file));
    std::map<std::string, std::string> expected = stored;
    expected.erase("foto/sken.png");
    EXPECT_EQ(mediaIn(saved("strom.poskozeny2/")), expected);
    for (const auto& [name, bytes] : expected)
        EXPECT_TRUE(fs::equivalent(companion + name, saved("strom.poskozeny2/") + name)) << name;
    Rod opened(kept);
    EXPECT_TRUE(loadCurrentFormat(opened, env).missingMedia.empty());

    // A copy that cannot be written leaves no half of a pair behind.
    {
        FailingWrites full("strom.poskozeny3.rod");
        EXPECT_THROW(keepDamagedTreeFile(file), EInOutError);
    }
    EXPECT_FALSE(fs::exists(saved("strom.poskozeny3")));
    EXPECT_FALSE(fs::exists(saved("strom.poskozeny3.rod")));
    fs::remove(file);
    try {
        keepDamagedTreeFile(file);
        ADD_FAILURE() << "kept a file that is gone";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode, ENOENT);
    }
    EXPECT_FALSE(fs::exists(saved("strom.poskozeny3")));
}
