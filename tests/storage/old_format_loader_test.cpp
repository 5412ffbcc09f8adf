// The loader of the older tag format with its per-person media folders.
#include "storage/old_format_loader.h"

#include "model/media_names.h"
#include "system/bitmap.h"
#include "system/codec.h"
#include "system/jpeg.h"
#include "tree_file_test_base.h"
#include "tree_fixtures.h"

#include <filesystem>

class OldFormatLoaderTest : public TreeFileTest {
protected:
    // Writes text lines as the old program did: Windows-1250, CR LF.
    void writeLines(const std::string& path, const std::vector<std::string>& lines)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::string bytes;
        for (const std::string& l : lines)
            bytes += utf8ToCp1250(l) + "\r\n";
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void writeJpeg(const std::string& path, int width, int height)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        TJPEGImage jpeg;
        jpeg.Assign(TBitmap(width, height));
        jpeg.SaveToFile(path);
    }
    static std::vector<std::string> value(const std::string& tag, const std::string& v)
    {
        std::string close = tag;
        close.insert(1, "/");
        return {tag, v, close};
    }
    static std::vector<std::string> header()
    {
        return {"Kinvelor - ulozeny stav - nemente!",
                "",
                "verze 1.0.15",
                "",
                "Rod Dvořáků",
                "cokoli",
                "<=start>"};
    }
    static void add(std::vector<std::string>& to, const std::vector<std::string>& more)
    {
        to.insert(to.end(), more.begin(), more.end());
    }
    // A partnership as both partners' blocks hold it.
    static std::vector<std::string> wedding(const std::string& partner)
    {
        std::vector<std::string> w{"<svatba>"};
        for (auto [tag, v] : std::vector<std::pair<std::string, std::string>>{{"<sv_den>", "1"},
                                                                              {"<sv_mesic>", "2"},
                                                                              {"<sv_rok>", "1920"},
                                                                              {"<sv_misto>", "Kolín"},
                                                                              {"<sv_xden>", "X"},
                                                                              {"<sv_xmesic>", "X"},
                                                                              {"<sv_xrok>", "X"},
                                                                              {"<partner>", partner}})
            add(w, value(tag, v));
        return w;
    }
    // Two persons married to each other (each block names the other), a child, media of every
    // kind in the first person's folder.
    std::vector<std::string> sampleFile()
    {
        std::vector<std::string> f = header();
        add(f, value("<autor>", "Jiří"));
        add(f, value("<username2>", "Řád"));
        f.push_back("<osoba>");
        for (auto [tag, v] : std::vector<std::pair<std::string, std::string>>{{"<cislo>", "1"},
                                                                              {"<pohlavi>", "1"},
                                                                              {"<jmeno>", "Václav"},
                                                                              {"<prijm>", "Dvořák"},
                                                                              {"<naroz_den>", "15."},
                                                                              {"<naroz_mesic>", "4"},
                                                                              {"<naroz_rok>", "1890"},
                                                                              {"<smrt_den>", "3"},
                                                                              {"<smrt_mesic>", "?"},
                                                                              {"<smrt_rok>", "1950"},
                                                                              {"<bydliste>", "Kolín"},
                                                                              {"<povolani>", ""},
                                                                              {"<email>", "v@d.cz"},
                                                                              {"<vlozeni>", "36526.5"},
                                                                              {"<kmotr2>", "Jan"}})
            add(f, value(tag, v));
        f.push_back("<svatby>");
        add(f, wedding("2"));
        f.push_back("<svatba>"); // a partner that is nobody
        add(f, value("<partner>", "99"));
        f.push_back("</svatby>");
        f.push_back("<fotky>");
        f.push_back("3");
        f.push_back("<dok>");
        f.push_back("1");
        f.push_back("<zv>");
        f.push_back("1");
        f.push_back("</osoba>");

        f.push_back("<osoba>");
        for (auto [tag, v] : std::vector<std::pair<std::string, std::string>>{{"<cislo>", "2"},
                                                                              {"<pohlavi>", "0"},
                                                                              {"<jmeno>", "Božena"},
                                                                              {"<smrt_den>", "X"},
                                                                              {"<smrt_mesic>", "x"},
                                                                              {"<smrt_rok>", "X"},
                                                                              {"<vlozeni>", "36526,5"}})
            add(f, value(tag, v));
        f.push_back("<svatby>");
        add(f, wedding("1"));
        f.insert(f.end(), {"</svatby>", "</osoba>"});

        f.push_back("<osoba>");
        add(f, value("<cislo>", "3"));
        add(f, value("<otec>", "1"));
        add(f, value("<matka>", "2"));
        f.push_back("</osoba>");
        f.push_back("</osoby>");
        return f;
    }
    void sampleMedia()
    {
        const std::string person = saved("stary/osoba1/");
        writeJpeg(person + "FOTO1.JPG", 40, 30);
        writeLines(person + "popisek11.rdk", {"Svatba", "1920"});
        writeLines(person + "popisek21.rdk", {"před kostelem", "v Kolíně"});
        std::ofstream(person + "foto2.jpg") << "not a picture";
        writeJpeg(person + "foto3.jpg", 10, 10);
        writeLines(person + "popisek13.rdk", {"jen jméno"});
        writeJpeg(person + "foto9.jpg", 10, 10); // beyond the count
        writeJpeg(person + "dok1.jpg", 20, 20);
        std::ofstream(person + "zvuk1.wav", std::ios::binary) << "RIFF";
        writeLines(person + "popiszv11.rdk", {"Hlas", "1930"});
        writeJpeg(person + "hlava.jpg", 300, 300);
        writeLines(person + "texty.rdk", {"Řádek 1", "Řádek 2"});
        writeLines(saved("stary/obecne/info.rdk"), {"Kronika"});
    }
};

TEST_F(OldFormatLoaderTest, AnOldFolderBecomesATreeWithItsMedia)
{
    writeLines(saved("stary.rod"), sampleFile());
    sampleMedia();
    Rod tree(saved("stary.rod"));
    const LoadReport report = loadOldFormat(tree, env);

    EXPECT_EQ(tree.treeName, "Rod Dvořáků");
    EXPECT_EQ(tree.author, "Jiří");
    EXPECT_EQ(tree.userCaption2, "Řád");
    EXPECT_EQ(tree.furtherData, std::vector<std::string>{"Kronika"});
    ASSERT_EQ(tree.personCount(), 3);
    Clovek* v = tree.findPersonByNumber(1);
    Clovek* b = tree.findPersonByNumber(2);
    Clovek* child = tree.findPersonByNumber(3);
    EXPECT_EQ(v->birth.day, "?"); // "15." is no number
    EXPECT_EQ(v->birth.month, "4");
    EXPECT_EQ(v->alive, 0);
    EXPECT_EQ(v->death.year, "1950");
    EXPECT_EQ(b->alive, 1);
    EXPECT_EQ(b->death.day, "?");
    EXPECT_EQ(b->death.month, "?");
    EXPECT_EQ(v->residences.count(), 1);
    EXPECT_EQ(v->occupations.count(), 0);
    EXPECT_EQ(v->email1, "v@d.cz");
    EXPECT_EQ(v->godparent2, "Jan");
    EXPECT_DOUBLE_EQ(v->created, 36526.5);
    EXPECT_DOUBLE_EQ(b->created, 36526.5);
    EXPECT_EQ(child->father, v);
    EXPECT_EQ(child->mother, b);
    EXPECT_EQ(v->furtherTexts(), (std::vector<std::string>{"Řádek 1", "Řádek 2"}));

    // One partnership, shared; the one with nobody is gone.
    ASSERT_EQ(v->partnerships.count(), 1);
    ASSERT_EQ(b->partnerships.count(), 1);
    Svatba* s = static_cast<UkSvatba*>(v->partnerships.first())->partnership;
    EXPECT_EQ(static_cast<UkSvatba*>(b->partnerships.first())->partnership, s);
    EXPECT_EQ(s->type, PartnershipType::married);
    EXPECT_EQ(s->wedding.year, "1920");
    EXPECT_EQ(s->divorce.day, "?");
    EXPECT_EQ(s->place, "Kolín");

    // Photo 1 converted under number 0; photo 2 unreadable and photo 3 with a one-line caption
    // reported; photo 9 is beyond the count.
    ASSERT_EQ(tree.photoStore.count(), 1);
    Fotka* photo = tree.findPhoto(0);
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(photo->name, "Svatba");
    EXPECT_EQ(photo->comment.lines(), (std::vector<std::string>{"před kostelem", "v Kolíně"}));
    EXPECT_TRUE(fileExists(env.workingFolder + photoFileName(0)));
    EXPECT_EQ(v->photos.count(), 1);
    ASSERT_EQ(tree.documentStore.count(), 1);
    EXPECT_TRUE(fileExists(env.workingFolder + documentFileName(0)));
    ASSERT_EQ(tree.fileStore.count(), 1);
    Soubor* sound = tree.findFile(0);
    EXPECT_EQ(sound->type, "wav");
    EXPECT_EQ(sound->name, "Hlas");
    EXPECT_EQ(readBytes(env.workingFolder + "soubory/soubor0.wav"), "RIFF");
    EXPECT_EQ(v->files.count(), 1);
    // Told by the main window, not by the loader.
    EXPECT_TRUE(script.messageTexts().empty());
    ASSERT_EQ(report.messages.size(), 2u);
    EXPECT_NE(report.messages[0].find("fotku ze starší verze"), std::string::npos);

    // The portrait fits the frame of the main window.
    EXPECT_EQ(v->hasPortrait, 1);
    TJPEGImage head;
    head.LoadFromFile(env.workingFolder + portraitFileName(1));
    EXPECT_LE(head.Width(), 150);
    EXPECT_LE(head.Height(), 200);
    // The old folder is only read.
    EXPECT_TRUE(fileExists(saved("stary/osoba1/hlava.jpg")));
}

TEST_F(OldFormatLoaderTest, AFileThatEndsTooEarlyIsDamagedInsteadOfReadForEver)
{
    const std::vector<std::string> whole = sampleFile();
    for (size_t n = 0; n < whole.size(); n += 3) {
        writeLines(saved("kratky.rod"),
                   std::vector<std::string>(whole.begin(), whole.begin() + std::ptrdiff_t(n)));
        Rod tree(saved("kratky.rod"));
        EXPECT_THROW(loadOldFormat(tree, env), EDamagedTreeFile) << n;
    }
    // A number that is none, and a block that opens before the one before it closed: refused
    // with the line (of the file, from 1) where reading stopped.
    std::vector<std::vector<std::string>> bad(3, header());
    add(bad[0], {"<osoba>", "<cislo>", "jedna", "</cislo>", "</osoba>", "</osoby>"});
    add(bad[1], {"<osoba>", "<cislo>", "1", "</cislo>", "<osoba>", "<cislo>", "2", "</cislo>", "</osoba>",
                 "</osoby>"});
    add(bad[2], {"<osoba>", "<svatby>", "<svatba>", "</osoba>", "</osoby>"});
    const int lines[] = {10, 12, 11};
    for (size_t i = 0; i < bad.size(); ++i) {
        writeLines(saved("zly.rod"), bad[i]);
        Rod tree(saved("zly.rod"));
        try {
            loadOldFormat(tree, env);
            ADD_FAILURE() << i;
        } catch (const EDamagedTreeFile& e) {
            EXPECT_EQ(e.line, lines[i]) << i;
        }
    }
}

TEST_F(OldFormatLoaderTest, CreationTimesWithAPointOrAComma)
{
    EXPECT_DOUBLE_EQ(readOldCreationTime("36526.25"), 36526.25);
    EXPECT_DOUBLE_EQ(readOldCreationTime(" 36526,25 "), 36526.25);
    EXPECT_DOUBLE_EQ(readOldCreationTime("+36526.25"), 36526.25);
    EXPECT_DOUBLE_EQ(readOldCreationTime("36526.25 h"), 36526);
    setClock([] { return 123.5; });
    EXPECT_DOUBLE_EQ(readOldCreationTime("dnes"), 123.5);
    // Outside the years 1 to 9999 the value is damaged and the time of the load is taken; a
    // save of it then prints that time, not "0.0.0000".
    EXPECT_DOUBLE_EQ(readOldCreationTime("1e100"), 123.5);
    EXPECT_DOUBLE_EQ(readOldCreationTime("1000000000000000000000000.5"), 123.5);
    EXPECT_DOUBLE_EQ(readOldCreationTime("-700000"), 123.5);
    EXPECT_DOUBLE_EQ(readOldCreationTime("2958465.5"), 2958465.5); // 31.12.9999 noon
    setClock({});
}
