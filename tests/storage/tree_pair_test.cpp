// A tree file and its companion folder change as one pair: a save killed at any moment leaves
// the old pair or the new one once the interrupted swap is repaired, and a folder of the user's
// is never replaced.
#include "storage/tree_pair.h"

#include "model/media_names.h"
#include "storage/tree_loader.h"
#include "storage/tree_lock.h"
#include "storage/tree_writer.h"
#include "system/fileio.h"
#include "system/files.h"
#include "tree_file_test_base.h"
#include "tree_fixtures.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <random>
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
    void saveGeneration(int g)
    {
        Rod tree(file);
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
    void expectOnePair(const std::string& when)
    {
        ASSERT_TRUE(repairInterruptedSave(file, companion)) << when;
        const int g = generationOnDisk();
        EXPECT_EQ(mediaIn(companion), expectedMedia(g)) << when << ", generation " << g;
        EXPECT_FALSE(fs::exists(save / "strom.ukladani~")) << when;
        EXPECT_FALSE(fs::exists(save / "strom.puvodni~")) << when;
        EXPECT_FALSE(fileExists(companion + "ulozeni.rdk")) << when;
        EXPECT_EQ(listFolder(save.path(), "*", ListKind::All),
                  (std::vector<std::string>{"strom", "strom.rod"}))
            << when;
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

TEST_F(TreePair, TwoCopiesSavingOneTreeNeverInterleaveEvenWhenKilled)
{
    saveInMemoryWhenPossible();
    saveGeneration(0);
    // A copy saves as the program does: with the tree's lock held, waiting while the other
    // copy holds it for its own save. Generations from `first` on, until it is killed.
    auto startCopy = [&](int first) {
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                for (int g = first;; ++g) {
                    {
                        TreeFileHold hold;
                        while (hold.claim(file) != TreeFileHold::Claim::held)
                            ::usleep(200);
                        saveGeneration(g);
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
    for (int round = 0; round < 100; ++round) {
        const int first = 10000 * (round + 1);
        const pid_t a = startCopy(first);
        const long gap = apart(random);
        ::usleep(static_cast<useconds_t>(gap));
        const pid_t b = startCopy(first + 5000);
        // Both copies are saving once the second one's first save is in: the kill lands at
        // some moment of their turns after that.
        bool bothSaving = false;
        for (int tries = 0; !bothSaving && tries < 60000; ++tries) {
            bothSaving = generationOnDisk() >= first + 5000;
            if (!bothSaving)
                ::usleep(500);
        }
        if (bothSaving)
            ::usleep(static_cast<useconds_t>(then(random)));
        bool killed = true;
        for (pid_t child : {a, b}) {
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            killed = killed && WIFSIGNALED(status);
        }
        ASSERT_TRUE(bothSaving) << "the second copy never saved in round " << round;
        ASSERT_TRUE(killed) << "a saving copy ended in round " << round;
        // The lock file a killed copy left is free: the next open takes it, its close drops it.
        TreeFileHold next;
        ASSERT_EQ(next.claim(file), TreeFileHold::Claim::held) << "round " << round;
        next.release();
        expectOnePair("round " + std::to_string(round) + ", " + std::to_string(gap / 1000) + " ms apart");
        if (HasFailure())
            return;
    }
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
