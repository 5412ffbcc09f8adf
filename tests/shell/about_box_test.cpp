// The about box: the credits moved by the timer, the tune started once per showing through a
// player of the machine (or none), and the quiz that remembers its question.
#include "forms/easter_egg_form.h"
#include "forms/o_programu_form.h"
#include "program_fixture.h"
#include "shell/about_tunes.h"
#include "shell/dialog_events.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/midi_player.h"
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

struct AboutBox : ProgramTest {
    void SetUp() override
    {
        ProgramTest::SetUp();
        startQuietly();
        quizQuestionNumber() = 1;
    }
    void TearDown() override
    {
        MidiPlayer::setCommand({});
        ProgramTest::TearDown();
    }
    ToProgramu& box() { return *oProgramu; }
    // The about command; `act` runs while the box is shown, then OK closes it.
    void showAbout(const std::function<void()>& act)
    {
        script.modal("oProgramu", [&, act](TForm&) {
            act();
            user::click(box().Button1);
        });
        user::click(hl().layout().OProgramu1);
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            user::tick(box().Timer1);
    }
    // The tops of the credit lines drawn at the last tick, with their texts.
    std::vector<std::pair<int, std::string>> drawn()
    {
        std::vector<std::pair<int, std::string>> out;
        for (const auto& e : box().creditsIMG.Canvas.texts())
            out.emplace_back(e.rect.Top, e.text);
        return out;
    }
    static std::vector<std::string> readLines(const std::string& path)
    {
        std::vector<std::string> lines;
        std::ifstream in(path);
        for (std::string l; std::getline(in, l);)
            lines.push_back(l);
        return lines;
    }
};

} // namespace

TEST_F(AboutBox, TheCreditsRiseTwoPixelsATickAndStartAgainAfterTheLastLine)
{
    showAbout([&] {
        EXPECT_TRUE(box().Timer1.Enabled());
        EXPECT_EQ(box().Timer1.Interval(), 100);
        ticks(1);
        auto lines = drawn();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), (std::pair<int, std::string>{-2, "============="}));
        // Each line 20 pixels below the one before, centred, white on black.
        EXPECT_EQ(lines[1].first, 18);
        EXPECT_EQ(lines[1].second, "KINVELOR");
        EXPECT_EQ(box().creditsIMG.Canvas.texts()[1].font.Color, clWhite);
        EXPECT_EQ(box().creditsIMG.Canvas.entries().front().brushColor, clBlack);

        ticks(6); // the first line's top 14 pixels above the panel: still drawn
        EXPECT_EQ(drawn().front().first, -14);
        ticks(1); // 16 above: gone
        EXPECT_EQ(drawn().front(), (std::pair<int, std::string>{4, "KINVELOR"}));

        // Nine lines fit into the panel's 141 pixels and the 20 below it.
        const int lineCount = 18;
        ticks(lineCount * 10 - 8);
        lines = drawn();
        EXPECT_EQ(lines.front(), (std::pair<int, std::string>{0, "============="}));
        EXPECT_EQ(lines.size(), 9u);
    });
    EXPECT_FALSE(box().Timer1.Enabled());
    // The next showing starts from the top again.
    showAbout([&] {
        ticks(1);
        EXPECT_EQ(drawn().front().first, -2);
    });
}

TEST_F(AboutBox, TheTunePlaysOncePerShowingAndIsNoErrorWhenMissing)
{
    // No player: a click is silent and shows nothing; the program's own tune is put in place.
    MidiPlayer::setCommand({folder() + "no-such-player"});
    showAbout([&] { user::click(box().Image1); });
    EXPECT_TRUE(script.messages().empty());
    const bool first = fileExists(folder() + "data/about1.mid");
    EXPECT_EQ(readFileBytes(folder() + (first ? "data/about1.mid" : "data/about2.mid")),
              aboutTuneMidi(first ? 1 : 2));

    // A tune a person put there is played as it is.
    createDir(folder() + "data");
    for (const char* tune : {"data/about1.mid", "data/about2.mid"})
        writeFileAtomic(folder() + tune, "MThd");
    const std::string record = folder() + "played.txt";
    const std::string player = folder() + "player.sh";
    writeFileAtomic(player, "#!/bin/sh\necho \"$1\" >> '" + record + "'\nexec sleep 30\n");
    std::filesystem::permissions(player, std::filesystem::perms::owner_all);
    MidiPlayer::setCommand({player});

    auto waitForLines = [&](size_t n) {
        for (int i = 0; i < 200 && readLines(record).size() < n; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return readLines(record);
    };
    // The player is stopped when the box closes; each showing waits until it has started.
    showAbout([&] {
        user::click(box().Image1);
        user::click(box().Image1);
        waitForLines(1);
    });
    showAbout([&] {
        user::click(box().Image1);
        waitForLines(2);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto played = readLines(record);
    ASSERT_EQ(played.size(), 2u);
    EXPECT_TRUE(played[0] == folder() + "data/about1.mid" || played[0] == folder() + "data/about2.mid")
        << played[0];
    EXPECT_TRUE(script.messages().empty());
}

TEST_F(AboutBox, TheQuizKeepsItsQuestionBetweenShowings)
{
    TeasterEggFORM& quiz = *easterEggFORM;
    auto showQuiz = [&](std::function<void()> act) {
        showAbout([&] {
            script.modal("easterEggFORM", [act](TForm&) { act(); });
            user::click(box().naprogramovalLB);
        });
    };
    auto answer = [&](const std::string& text) {
        user::replaceText(quiz.odpovedED, text);
        user::click(quiz.okBT);
    };
    showQuiz([&] {
        EXPECT_EQ(quiz.otazkaLB.Caption.rfind("Otázka č.1: Ahoj, já jsem motýl", 0), 0u);
        answer("");
        answer("Ano");
        answer("ne");
        answer("ano");
        answer("18");
        EXPECT_EQ(quiz.odpovedED.Text(), "");
        user::click(quiz.konecBT);
    });
    const auto texts = script.messageTexts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], "Musíš něco odpovědět! Mlčeti zlato, ale tady se radši snaž...");
    EXPECT_NE(texts[1].find("zkus napsat jinak."), std::string::npos); // "Ano" with a capital is wrong
    EXPECT_EQ(texts[2], "Ne? Ještě si to rozmysli, nebuď zbabělec!");
    EXPECT_EQ(texts[3], "Dobře, tak jdeme na to.");

    showQuiz([&] {
        EXPECT_EQ(quiz.otazkaLB.Caption.rfind("Otázka č.3", 0), 0u);
        user::click(quiz.konecBT);
    });

    // The tenth right answer brings the bumblebee, the twentieth the flower.
    quizQuestionNumber() = 10;
    showQuiz([&] {
        answer("c d e fis g");
        EXPECT_FALSE(quiz.motylIMG.Visible);
        EXPECT_TRUE(quiz.cmelakIMG.Visible);
        EXPECT_FALSE(quiz.cmelakIMG.Picture.Empty());
        quizQuestionNumber() = 20;
        answer("kůže");
        EXPECT_FALSE(quiz.cmelakIMG.Visible);
        EXPECT_TRUE(quiz.kytkaIMG.Visible);
        EXPECT_FALSE(quiz.kytkaIMG.Picture.Empty());
        EXPECT_EQ(quiz.otazkaLB.Caption, "GRATULUJI! VŠECHNY OTÁZKY BYLY SPRÁVNĚ ZODPOVĚZENY! Skvělý výkon!");
        user::click(quiz.konecBT);
    });
}

// The program's own tunes are well-formed files a player can read: one track whose declared
// length is what follows, every note switched on is switched off, and an end-of-track event.
TEST(AboutTunes, BothTunesAreStandardMidiFilesWrittenOnlyWhereNoneIs)
{
    for (int tune : {1, 2}) {
        const std::string midi = aboutTuneMidi(tune);
        ASSERT_GT(midi.size(), 22u);
        EXPECT_EQ(midi.substr(0, 4), "MThd");
        EXPECT_EQ(midi.substr(14, 4), "MTrk");
        const auto byte = [&](size_t i) { return static_cast<unsigned char>(midi[i]); };
        const size_t length = (byte(18) << 24) | (byte(19) << 16) | (byte(20) << 8) | byte(21);
        EXPECT_EQ(length, midi.size() - 22);
        EXPECT_EQ(midi.substr(midi.size() - 3), std::string("\xFF\x2F\x00", 3));
        int on = 0, off = 0;
        for (size_t i = 22; i + 2 < midi.size(); ++i) {
            if (byte(i) == 0x90 && byte(i + 2) > 0)
                ++on;
            if (byte(i) == 0x80)
                ++off;
        }
        EXPECT_GT(on, 20);
        EXPECT_EQ(on, off);
    }
    EXPECT_NE(aboutTuneMidi(1), aboutTuneMidi(2));

    const std::string folder =
        std::filesystem::temp_directory_path() / ("tunes" + std::to_string(::getpid()));
    const std::string path = folder + "/data/about1.mid";
    ASSERT_TRUE(ensureAboutTune(path, 1));
    EXPECT_EQ(readFileBytes(path), aboutTuneMidi(1));
    writeFileAtomic(path, "MThd mine");
    ASSERT_TRUE(ensureAboutTune(path, 1));
    EXPECT_EQ(readFileBytes(path), "MThd mine");
    std::filesystem::remove_all(folder);
}
