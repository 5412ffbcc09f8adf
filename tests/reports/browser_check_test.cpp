// The web export as a real browser shows it: headless Chromium loads the frames, the person and
// couple pages, and takes screenshots. Runs only where Chromium is installed; set
// KINVELOR_SCREENSHOTS to a folder to keep the site and the screenshots for a look.
#include "model/casove_obdobi.h"
#include "model/model_helpers.h"
#include "model/rod.h"
#include "model/uk_clovek.h"
#include "reports/web_site.h"
#include "system/bitmap.h"
#include "system/datetime.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/jpeg.h"
#include "temp_folder.h"
#include "web_tree.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <regex>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string chromiumPath()
{
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = std::min(dirs.find(':', start), dirs.size());
        for (const char* name : {"chromium", "chromium-browser"}) {
            std::string candidate = dirs.substr(start, end - start) + "/" + name;
            if (::access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
        start = end + 1;
    }
    return {};
}

// Runs the browser headless on one page and waits for it (at most a minute).
bool runChromium(const std::string& profile, const std::vector<std::string>& options, const std::string& page,
                 const std::string& stdoutFile = "/dev/null")
{
    std::vector<std::string> args{chromiumPath(),  "--headless",        "--no-sandbox",
                                  "--disable-gpu", "--hide-scrollbars", "--user-data-dir=" + profile};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back("file://" + page);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        return false;
    int status = 0;
    for (int i = 0; i < 600; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return false;
}

TBitmap solid(Rgba colour)
{
    TBitmap b(60, 80);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 60; ++x)
            b.setPixel(x, y, colour);
    return b;
}

// Pixels in the rectangle that `test` accepts.
template<class Test> int countPixels(const TBitmap& shot, int left, int top, int right, int bottom, Test test)
{
    int n = 0;
    for (int y = top; y < std::min(bottom, shot.Height()); ++y)
        for (int x = left; x < std::min(right, shot.Width()); ++x)
            if (test(shot.pixel(x, y)))
                ++n;
    return n;
}

bool isBlue(Rgba p)
{
    return p.b > 150 && p.r < 120 && p.g < 120;
}
bool isDark(Rgba p)
{
    return p.r < 90 && p.g < 90 && p.b < 90;
}
bool isRed(Rgba p)
{
    return p.r > 200 && p.g < 60 && p.b < 60;
}

class BrowserCheck : public ::testing::Test, protected WebTree {
protected:
    void SetUp() override
    {
        if (chromiumPath().empty())
            GTEST_SKIP() << "Chromium is not installed";
        const char* keep = std::getenv("KINVELOR_SCREENSHOTS");
        where = keep && *keep ? withoutTrailingSlashes(keep) + "/" : temp.path();
        fs::create_directories(where + "site");
        setClock([] { return encodeDate(2026, 12, 9); });
    }
    void TearDown() override { setClock({}); }

    void portrait(Clovek* p, Rgba colour)
    {
        p->hasPortrait = 1;
        writeFileAtomic(work / ("hlavy/hlava" + std::to_string(p->number) + ".jpg"),
                        encodeJpeg(solid(colour)), false);
    }
    TBitmap screenshot(const std::string& page, const std::string& name, int width, int height)
    {
        const std::string file = where + name;
        deleteFile(file);
        EXPECT_TRUE(runChromium(
            where + "profile",
            {"--screenshot=" + file, "--window-size=" + std::to_string(width) + "," + std::to_string(height)},
            page));
        return fileExists(file) ? decodeJpeg(readFileBytes(file)) : TBitmap();
    }
    // The page as the browser read it, serialised back as UTF-8.
    std::string dom(const std::string& page)
    {
        EXPECT_TRUE(runChromium(where + "profile", {"--dump-dom"}, page, where + "dom.txt"));
        return fileExists(where + "dom.txt") ? readFileBytes(where + "dom.txt") : std::string();
    }

    TempFolder temp, work;
    std::string where;
    FakeTexts fakeTexts;
};

TEST_F(BrowserCheck, FramesPagesLettersAndPortraitsShowInARealBrowser)
{
    tree.treeName = "Rod Šťastných";
    fs::create_directories(work / "hlavy");
    Clovek* vaclav = add("Václav", "Šťastný", 1, date("2", "3", "1920"));
    Clovek* zofie = add("Žofie", "Šťastná", 0, date("4", "5", "1924"));
    vaclav->alive = zofie->alive = 0;
    vaclav->death = date("1", "1", "1990");
    zofie->death = date("7", "8", "1999");
    Svatba* married = partnership(vaclav, zofie, PartnershipType::married);
    married->wedding = date("12", "6", "1946");
    married->place = "Kostel sv. Jiří, Třeboň";
    Clovek* jiri = add("Jiří", "Šťastný", 1, date("30", "9", "1948"));
    Clovek* ludmila = add("Ludmila", "Šťastná", 0, date("11", "11", "1950"));
    child(vaclav, zofie, jiri);
    child(vaclav, zofie, ludmila);
    Clovek* ruzena = add("Růžena", "Čechová", 0, date("1", "2", "1950"));
    Svatba* divorced = partnership(jiri, ruzena, PartnershipType::divorced);
    divorced->wedding = date("5", "5", "1970");
    divorced->divorce = date("6", "6", "1980");
    Clovek* anna = add("<b>Anna</b>", "Dvořáková & spol", 0, date("?", "?", "1955"));
    partnership(jiri, anna, PartnershipType::plain);
    Clovek* krystof = add("Kryštof", "Šťastný", 1, date("24", "12", "1972"));
    child(jiri, ruzena, krystof);
    Clovek* detrich = add("Dětřich", "Šťastný", 1, date("1", "4", "1985"));
    child(jiri, anna, detrich);
    // Letters Windows-1250 has no place for.
    Clovek* soren = add("Søren Иван", "Šťastný", 1, date("2", "2", "1990"));
    child(jiri, anna, soren);
    jiri->residences.append(std::make_unique<CasoveObdobi>("Česká Lípa"));
    portrait(jiri, {230, 20, 20, 255});
    portrait(zofie, {20, 160, 20, 255});
    portrait(krystof, {20, 20, 200, 255});

    std::vector<Clovek*> persons;
    for (Clovek* p = tree.firstPerson; p; p = p->chainNext)
        persons.push_back(p);
    const std::string site = where + "site/";
    WebSiteWriter(tree, fakeTexts, {}, work.path(), false).writePages(site, persons);

    // Every link of every page leads to a page or picture that was written.
    const std::regex link("(?:href|src)=\"([^\"]+)\"");
    int links = 0;
    for (const auto& entry : fs::recursive_directory_iterator(site)) {
        if (entry.path().extension() != ".htm")
            continue;
        const std::string text = readFileBytes(entry.path().string());
        for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[1];
            if (target.find(':') != std::string::npos)
                continue;
            ++links;
            EXPECT_TRUE(fs::exists(entry.path().parent_path() / target)) << entry.path() << " -> " << target;
        }
    }
    EXPECT_GT(links, 40);

    // The frames: the person index (blue links) on the left, the information page on the right.
    const TBitmap index = screenshot(site + "index.htm", "index.jpg", 1000, 600);
    ASSERT_GT(index.Width(), 0);
    EXPECT_GT(countPixels(index, 0, 0, 190, 500, isBlue), 100) << "the person index frame";
    EXPECT_GT(countPixels(index, 220, 0, 1000, 300, isDark), 100) << "the information page in the main frame";

    const std::string jiriPage = site + "osoby/osoba" + std::to_string(jiri->number) + ".htm";
    const TBitmap person = screenshot(jiriPage, "osoba.jpg", 800, 700);
    EXPECT_GT(countPixels(person, 0, 0, 800, 300, isRed), 2000) << "the portrait";
    const std::string personDom = dom(jiriPage);
    EXPECT_NE(personDom.find("Jiří Šťastný"), std::string::npos);
    EXPECT_NE(personDom.find("Česká Lípa"), std::string::npos);
    EXPECT_NE(personDom.find("Søren Иван Šťastný"), std::string::npos);
    EXPECT_NE(personDom.find("&lt;b&gt;Anna&lt;/b&gt; Dvořáková &amp; spol"), std::string::npos) << personDom;
    EXPECT_EQ(personDom.find("<b>"), std::string::npos);

    const std::string couplePage = site + "svatby/svatba" + std::to_string(divorced->number) + ".htm";
    screenshot(couplePage, "svatba.jpg", 800, 400);
    const std::string coupleDom = dom(couplePage);
    EXPECT_NE(coupleDom.find("Růžena Čechová"), std::string::npos);
    EXPECT_NE(coupleDom.find("Manželství bylo ukončeno rozvodem."), std::string::npos);
    EXPECT_NE(coupleDom.find("Kryštof Šťastný"), std::string::npos);
    screenshot(site + "svatby/svatba" + std::to_string(married->number) + ".htm", "svatba_manzele.jpg", 800,
               400);
}

} // namespace
