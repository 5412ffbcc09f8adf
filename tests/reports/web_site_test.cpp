// The web export's pages as files: what each page holds, which pages exist, and that no stored
// text can break out of its place in a page.
#include "model/casove_obdobi.h"
#include "model/model_helpers.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "reports/web_site.h"
#include "system/codec.h"
#include "system/datetime.h"
#include "system/fileio.h"
#include "system/files.h"
#include "temp_folder.h"
#include "web_tree.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::string page(const std::string& path)
{
    std::string all;
    for (char c : readFileBytes(path))
        if (c != '\r')
            all += c;
    return all;
}

int countOf(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class WebSiteTest : public ::testing::Test, protected WebTree {
protected:
    WebSiteTest()
    {
        setClock([] { return encodeDate(2026, 12, 9); });
        tree.treeName = "Rod <Nováků> & spol.";
    }
    ~WebSiteTest() override { setClock({}); }

    std::vector<Clovek*> all()
    {
        std::vector<Clovek*> v;
        for (Clovek* p = tree.firstPerson; p; p = p->chainNext)
            v.push_back(p);
        return v;
    }
    void write(const WebExportOptions& options = {})
    {
        WebSiteWriter writer(tree, texts, options, work.path(), false);
        writer.writeSite(out.path(), all());
        pages = writer.pagesWritten();
    }
    std::string personFile(const Clovek* p)
    {
        return out / ("osoby/osoba" + std::to_string(p->number) + ".htm");
    }

    FakeTexts texts;
    TempFolder work;
    TempFolder out;
    int pages = 0;
};

TEST_F(WebSiteTest, WritesTheFramesTheIndexAndOnePagePerPersonAndCouple)
{
    Clovek* jan = add("Jan", "Novák", 1, date("1", "2", "1950"));
    Clovek* eva = add("Eva", "Nováková", 0, date("3", "4", "1952"));
    Clovek* petr = add("Petr", "Novák", 1, date("5", "6", "1975"));
    child(jan, eva, petr);
    partnership(jan, eva, PartnershipType::married)->wedding = date("1", "6", "1974");

    write();
    for (const char* f : {"index.htm", "info.htm", "osoby.htm", "reklama.htm", "svatby/svatba1.htm"})
        EXPECT_TRUE(fileExists(out / f)) << f;
    for (const Clovek* p : {jan, eva, petr})
        EXPECT_TRUE(fileExists(personFile(p)));
    EXPECT_FALSE(fileExists(out / "svatby/svatba2.htm")) << "the couple page is written once";
    EXPECT_EQ(pages, 8);

    EXPECT_NE(readFileBytes(out / "osoby.htm").find("\r\n"), std::string::npos);
    EXPECT_NE(readFileBytes(out / "osoby.htm").find("Nováková"), std::string::npos);
    EXPECT_NE(readFileBytes(out / "osoby.htm").find("charset=utf-8"), std::string::npos);
    const std::string index = page(out / "osoby.htm");
    EXPECT_NE(
        index.find("<a href=\"osoby/osoba" + std::to_string(eva->number) + ".htm\">Eva Nováková</a><br>"),
        std::string::npos);
    EXPECT_NE(index.find("<title>Rod &lt;Nováků&gt; &amp; spol.</title>"), std::string::npos);

    const std::string janPage = page(personFile(jan));
    EXPECT_NE(janPage.find("<td class=\"vpravo\">Děti:</td>"), std::string::npos);
    EXPECT_NE(janPage.find("(<a href=\"../svatby/svatba1.htm\">podrobnosti</a>)"), std::string::npos);
    EXPECT_EQ(page(personFile(eva)).find("svatba2"), std::string::npos);
}

TEST_F(WebSiteTest, NamesPlacesAndTheTreeNameShowAsTextNeverAsMarkup)
{
    Clovek* p = add("<b>Jan</b>", "Novák & syn", 1, date("1", "2", "1950"));
    p->birthPlace = "\"Lhota\" <script>";
    p->residences.append(std::make_unique<CasoveObdobi>("Lhota <u>"));
    write();
    const std::string text = page(personFile(p));
    EXPECT_EQ(text.find("<b>Jan"), std::string::npos);
    EXPECT_EQ(text.find("<script>"), std::string::npos);
    EXPECT_NE(text.find("&lt;b&gt;Jan&lt;/b&gt; Novák &amp; syn"), std::string::npos);
    EXPECT_NE(text.find("&quot;Lhota&quot; &lt;script&gt;"), std::string::npos);
    EXPECT_NE(text.find("Lhota &lt;u&gt;"), std::string::npos);
    EXPECT_NE(page(out / "osoby.htm").find("&lt;b&gt;Jan"), std::string::npos);
}

TEST_F(WebSiteTest, ContactRowsOfLivingPersonsLinkEncodedAddresses)
{
    WebExportOptions contacts;
    contacts.contacts = true;
    Clovek* p = add("Jan", "Novák", 1);
    p->web1 = "www.novak.cz/rod ů\"x";
    p->web2 = "https://novak.cz";
    p->email1 = "jan@novak.cz";
    p->phone2 = "777 123 456"; // a second number without a first one is not shown
    Clovek* q = add("Petr", "Novák", 1);
    q->email2 = "petr@novak.cz";
    q->web1 = "javascript:alert(1)";
    q->web2 = "javascript://%0Aalert(1)";
    write(contacts);

    const std::string text = page(personFile(p));
    EXPECT_NE(text.find("<a href=\"http://www.novak.cz/rod%20%C5%AF%22x\">www.novak.cz/rod ů&quot;x</a>, "
                        "<a href=\"https://novak.cz\">https://novak.cz</a>"),
              std::string::npos);
    EXPECT_NE(text.find("<a href=\"mailto:jan@novak.cz\">jan@novak.cz</a>"), std::string::npos);
    EXPECT_EQ(text.find("Telefon:"), std::string::npos);
    const std::string other = page(personFile(q));
    EXPECT_EQ(other.find("Email:"), std::string::npos);
    EXPECT_NE(other.find("href=\"http://javascript:alert(1)\""), std::string::npos);
    EXPECT_NE(other.find("</a>, javascript://%0Aalert(1)</td>"), std::string::npos) << "shown, not linked";

    p->alive = 0;
    write(contacts);
    EXPECT_EQ(page(personFile(p)).find("WWW:"), std::string::npos);
}

TEST_F(WebSiteTest, PersonRowsFollowTheOptionsAndLabelOnlyTheFirstRowOfAGroup)
{
    Clovek* p = add("Jan", "Novák", 1, date("1", "2", "1950"));
    p->alive = 0;
    for (int i = 0; i < 2; ++i)
        p->residences.append(std::make_unique<CasoveObdobi>("x"));
    p->occupations.append(std::make_unique<CasoveObdobi>("x"));
    write();
    std::string text = page(personFile(p));
    EXPECT_EQ(countOf(text, "Bydliště:"), 1);
    EXPECT_EQ(countOf(text, "Povolání:"), 1);
    EXPECT_EQ(countOf(text, "Vzdělání:"), 0);
    EXPECT_EQ(countOf(text, "<td>&nbsp;</td>\n<td>&nbsp;</td>"), 1) << "one spacer after the three groups";
    EXPECT_NE(text.find("<td class=\"vpravo\">Osoba nežije.</td>"), std::string::npos);
    EXPECT_NE(text.find("Narození:"), std::string::npos);
    EXPECT_EQ(text.find("ID:"), std::string::npos);

    WebExportOptions none;
    none.birth = none.death = none.residences = none.occupations = false;
    none.identifier = true;
    write(none);
    text = page(personFile(p));
    for (const char* gone : {"Narození:", "Osoba nežije.", "Bydliště:", "Povolání:"})
        EXPECT_EQ(text.find(gone), std::string::npos) << gone;
    EXPECT_NE(text.find("ID:"), std::string::npos);
}

TEST_F(WebSiteTest, PortraitIsCopiedWhenStoredAndNamedEvenWhenMissing)
{
    Clovek* withCopy = add("Jan", "Novák", 1);
    Clovek* missing = add("Eva", "Nováková", 0);
    withCopy->hasPortrait = missing->hasPortrait = 1;
    std::filesystem::create_directories(work / "hlavy");
    writeFileAtomic(work / ("hlavy/hlava" + std::to_string(withCopy->number) + ".jpg"), "JPEG");
    write();
    EXPECT_EQ(readFileBytes(out / ("osoby/img/hlava" + std::to_string(withCopy->number) + ".jpg")), "JPEG");
    EXPECT_FALSE(fileExists(out / ("osoby/img/hlava" + std::to_string(missing->number) + ".jpg")));
    EXPECT_NE(page(personFile(missing))
                  .find("<img width=\"100\" src=\"img/hlava" + std::to_string(missing->number)),
              std::string::npos);
}

TEST_F(WebSiteTest, CouplePagesTellChildrenEndAndDuration)
{
    Clovek* jan = add("Jan", "Novák", 1, date("1", "2", "1950"));
    Clovek* eva = add("Eva", "Nováková", 0, date("3", "4", "1952"));
    Svatba* s = partnership(eva, jan, PartnershipType::married);
    s->wedding = date("1", "6", "1974");
    s->place = "Brno <kostel>";
    for (int i = 0; i < 5; ++i)
        child(jan, eva,
              add("Dítě" + std::to_string(i), "Novák", 1, date("1", "1", std::to_string(1970 + 2 * i))));
    write();
    std::string text = page(out / "svatby/svatba1.htm");
    EXPECT_LT(text.find("Jan Novák"), text.find("Eva Nováková")) << "the man is named first";
    EXPECT_NE(text.find(" &amp; "), std::string::npos);
    EXPECT_NE(text.find("<p>Manželé spolu měli 5 dětí:"), std::string::npos);
    EXPECT_EQ(countOf(text, "(narozen(a) před svatbou)"), 3); // 1970, 1972 and January 1974
    EXPECT_NE(text.find("Místo oddání páru je Brno &lt;kostel&gt;."), std::string::npos);
    EXPECT_NE(text.find("<p>Manželství trvá dodnes.</p>"), std::string::npos);
    EXPECT_NE(text.find("<p>Trvá již "), std::string::npos);

    jan->alive = eva->alive = 0;
    write();
    text = page(out / "svatby/svatba1.htm");
    EXPECT_NE(text.find("<p>Svazek byl ukončen smrtí.</p>"), std::string::npos);
    EXPECT_EQ(text.find("Trv"), std::string::npos);

    eva->death = date("1", "1", "2000");
    jan->death = date("1", "1", "2010");
    write();
    text = page(out / "svatby/svatba1.htm");
    EXPECT_NE(text.find("<p>Manželství bylo ukončeno, když zemřela Eva Nováková. Stalo se tak "),
              std::string::npos);
    EXPECT_NE(text.find("<p>Trvalo "), std::string::npos);

    s->type = PartnershipType::plain;
    write();
    EXPECT_NE(page(out / "svatby/svatba1.htm").find("<p>Pár spolu měl 5 dětí:"), std::string::npos);
}

TEST_F(WebSiteTest, PersonsSharingANumberInADamagedTreeKeepTheirOwnNames)
{
    Clovek* jan = add("Jan", "Novák", 1);
    Clovek* eva = add("Eva", "Nováková", 0);
    eva->number = jan->number;
    write();
    const std::string index = page(out / "osoby.htm");
    EXPECT_NE(index.find(">Jan Novák</a>"), std::string::npos);
    EXPECT_NE(index.find(">Eva Nováková</a>"), std::string::npos);
}

TEST_F(WebSiteTest, AFailedPageStopsTheExportAndTellsWhereItStopped)
{
    Clovek* p = add("Jan", "Novák", 1);
    std::filesystem::create_directories(out / ("osoby/osoba" + std::to_string(p->number) + ".htm"));
    WebSiteWriter writer(tree, texts, {}, work.path(), false);
    EXPECT_ANY_THROW(writer.writePages(out.path(), all()));
    EXPECT_EQ(writer.filesWritten(), 2);
    EXPECT_EQ(writer.failedFile(), out / ("osoby/osoba" + std::to_string(p->number) + ".htm"));

    // Far into a site whose pages are composed while the earlier ones are written: the failed
    // page is still the one told, and no page after it is written.
    std::vector<Clovek*> persons;
    for (int i = 0; i < 300; ++i)
        persons.push_back(add("Petr", "Dvořák", 1));
    persons.push_back(p);
    for (int i = 0; i < 300; ++i)
        persons.push_back(add("Eva", "Malá", 2));
    TempFolder site;
    std::filesystem::create_directories(site / ("osoby/osoba" + std::to_string(p->number) + ".htm"));
    EXPECT_ANY_THROW(writer.writePages(site.path(), persons));
    EXPECT_EQ(writer.filesWritten(), 302);
    EXPECT_EQ(writer.failedFile(), site / ("osoby/osoba" + std::to_string(p->number) + ".htm"));
    EXPECT_TRUE(fileExists(site / ("osoby/osoba" + std::to_string(persons[299]->number) + ".htm")));
    EXPECT_FALSE(fileExists(site / ("osoby/osoba" + std::to_string(persons[301]->number) + ".htm")));
    EXPECT_FALSE(fileExists(site / "osoby.htm"));
}

TEST_F(WebSiteTest, PersonsLeftOutOfTheSiteAreNamedWithoutALinkToAMissingPage)
{
    Clovek* jan = add("Jan", "Novák", 1);
    Clovek* eva = add("Eva", "Nováková", 0);
    Clovek* petr = add("Petr", "Novák", 1);
    child(jan, eva, petr);
    partnership(jan, eva, PartnershipType::married);
    WebSiteWriter(tree, texts, {}, work.path(), false).writeSite(out.path(), {jan}); // a group of one

    const std::string janPage = page(personFile(jan));
    EXPECT_NE(janPage.find("<td>Petr Novák</td>"), std::string::npos) << janPage;
    EXPECT_NE(janPage.find("<td>Eva Nováková (<a href=\"../svatby/svatba1.htm\">"), std::string::npos)
        << janPage;
    const std::string couple = page(out / "svatby/svatba1.htm");
    EXPECT_NE(couple.find("<a href=\"../osoby/osoba" + std::to_string(jan->number)), std::string::npos);
    EXPECT_NE(couple.find("<font style=\"font-size:11pt\">Eva Nováková</font>"), std::string::npos) << couple;
    EXPECT_NE(couple.find("<br>Petr Novák"), std::string::npos) << couple;
    for (const Clovek* gone : {eva, petr}) {
        EXPECT_FALSE(fileExists(personFile(gone)));
        EXPECT_EQ(couple.find("osoba" + std::to_string(gone->number) + ".htm"), std::string::npos);
        EXPECT_EQ(janPage.find("osoba" + std::to_string(gone->number) + ".htm"), std::string::npos);
    }
}

TEST_F(WebSiteTest, TheHighestPersonNumberAndYearsBeyondAnyNumberStillExport)
{
    Clovek* jan = add("Jan", "Novák", 1);
    Clovek* eva = add("Eva", "Nováková", 0);
    jan->number = 2147483647;
    Svatba* couple = partnership(jan, eva, PartnershipType::divorced);
    couple->wedding = date("?", "?", "12345678901234567890");
    couple->divorce = date("?", "?", "99999999999999999999");
    write();
    EXPECT_NE(page(out / "osoby.htm").find("osoby/osoba2147483647.htm\">Jan Novák</a>"), std::string::npos);
    EXPECT_NE(page(personFile(jan)).find("Eva Nováková"), std::string::npos);
    EXPECT_NE(page(out / "svatby/svatba1.htm").find("rozvodem"), std::string::npos);
}

TEST_F(WebSiteTest, LettersOfEveryAlphabetAreWrittenAsUtf8)
{
    Clovek* p = add("Søren Иван", "Dvořák", 1);
    write();
    const std::string bytes = readFileBytes(personFile(p));
    EXPECT_NE(bytes.find("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"),
              std::string::npos);
    EXPECT_NE(bytes.find("Søren Иван Dvořák"), std::string::npos);
    EXPECT_NE(readFileBytes(out / "index.htm").find("charset=utf-8"), std::string::npos);
}

TEST_F(WebSiteTest, AnEarlierSiteIsReplacedWholeAndOnlyAnEarlierSiteOrAnEmptyFolder)
{
    Clovek* jan = add("Jan", "Novák", 1);
    const std::string site = out / "strom";
    const auto writeSite = [&](const std::vector<Clovek*>& persons) {
        WebSiteWriter(tree, texts, {}, work.path(), false).writeSite(site, persons);
    };
    writeSite({jan});
    EXPECT_TRUE(isReplaceableSiteFolder(site));
    const std::string janFile = site + "/osoby/osoba" + std::to_string(jan->number) + ".htm";
    const std::string leftover = janFile + ".Ab12Cd.tmp~"; // a page replaced whole by an older version
    writeFileAtomic(leftover, "x");
    EXPECT_TRUE(isReplaceableSiteFolder(site));

    // One page only in the new site: the rest is gone with the old one, and nothing stays beside.
    Clovek* eva = add("Eva", "Nováková", 0);
    writeSite({eva});
    EXPECT_FALSE(fileExists(janFile));
    EXPECT_FALSE(fileExists(leftover));
    EXPECT_TRUE(fileExists(site + "/osoby/osoba" + std::to_string(eva->number) + ".htm"));
    EXPECT_EQ(listFolder(out.path(), "*", ListKind::All), std::vector<std::string>{"strom"});

    TempFolder own;
    writeFileAtomic(own / "dopis.txt", "moje");
    std::filesystem::create_directories(own / "osoby");
    writeFileAtomic(own / "index.htm", readFileBytes(site + "/index.htm"));
    EXPECT_FALSE(isReplaceableSiteFolder(own.path()));
    EXPECT_ANY_THROW(WebSiteWriter(tree, texts, {}, work.path(), false).writeSite(own.path(), {eva}));
    EXPECT_EQ(readFileBytes(own / "dopis.txt"), "moje");
    deleteFile(own / "dopis.txt");
    writeFileAtomic(own / "osoby/poznamky.txt", "moje");
    EXPECT_FALSE(isReplaceableSiteFolder(own.path())) << "a file of its own below";
    deleteFile(own / "osoby/poznamky.txt");
    EXPECT_TRUE(isReplaceableSiteFolder(own.path()));
    writeFileAtomic(own / "index.htm", "<html></html>");
    EXPECT_FALSE(isReplaceableSiteFolder(own.path())) << "a start page of another program";
    EXPECT_TRUE(isReplaceableSiteFolder(out / "prazdna/") || createDir(out / "prazdna"));
    EXPECT_TRUE(isReplaceableSiteFolder(out / "prazdna")) << "an empty folder";
    std::filesystem::create_directory_symlink(site, own / "odkaz");
    EXPECT_FALSE(isReplaceableSiteFolder(own / "odkaz")) << "a link to a site";
}

TEST_F(WebSiteTest, TheNextExportRemovesTheNewFolderOfAKilledOneAndNothingElse)
{
    Clovek* jan = add("Jan", "Novák", 1);
    const std::string site = out / "strom";
    const auto writeSite = [&] { WebSiteWriter(tree, texts, {}, work.path(), false).writeSite(site, {jan}); };
    writeSite();
    // Killed while its pages were written, or while the old site went after the exchange.
    const std::string killed = out / ".strom.novy-Ab12Cd";
    std::filesystem::create_directories(killed + "/osoby");
    writeFileAtomic(killed + "/osoby/osoba7.htm", "<html>");
    const std::string empty = out / ".strom.novy-Ef34Gh";
    createDir(empty);
    const std::string own = out / ".strom.novy-Ij56Kl";
    createDir(own);
    writeFileAtomic(own + "/dopis.txt", "moje");
    const std::string running = out / ".strom.novy-Mn78Op"; // another export still writes it
    std::filesystem::create_directories(running + "/osoby");
    const int lock = ::open(running.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    const std::string otherSite = out / ".jiny.novy-Ab12Cd";
    createDir(otherSite);

    writeSite();
    ::close(lock);
    EXPECT_FALSE(directoryExists(killed));
    EXPECT_FALSE(directoryExists(empty));
    EXPECT_EQ(readFileBytes(own + "/dopis.txt"), "moje");
    EXPECT_TRUE(directoryExists(running));
    EXPECT_TRUE(directoryExists(otherSite));
    EXPECT_TRUE(isReplaceableSiteFolder(site));
}

TEST_F(WebSiteTest, APageOfItsOwnNamesRelativesWithoutLinksAndKeepsItsPortraitInFoto)
{
    Clovek* jan = add("Jan", "Novák", 1, date("1", "2", "1950"));
    Clovek* eva = add("Eva <b>", "Nováková", 0);
    Clovek* petr = add("Petr", "Novák", 1);
    child(jan, eva, petr);
    Svatba* couple = partnership(jan, eva, PartnershipType::married);
    jan->hasPortrait = eva->hasPortrait = 1;
    std::filesystem::create_directories(work / "hlavy");
    writeFileAtomic(work / ("hlavy/hlava" + std::to_string(jan->number) + ".jpg"), "JPEG");

    WebSiteWriter writer(tree, texts, {}, work.path(), false);
    writer.writeSinglePersonPage(*jan, out / "jan.htm");
    const std::string text = page(out / "jan.htm");
    EXPECT_EQ(text.find("<a href=\"osoba"), std::string::npos);
    EXPECT_EQ(text.find("podrobnosti"), std::string::npos);
    EXPECT_NE(text.find("<td>Petr Novák</td>"), std::string::npos);
    EXPECT_NE(text.find("<td class=\"vpravo\">Partneři:</td>\n<td>Eva &lt;b&gt; Nováková</td>"),
              std::string::npos);
    EXPECT_NE(text.find("src=\"foto/hlava" + std::to_string(jan->number) + ".jpg\""), std::string::npos);
    EXPECT_EQ(readFileBytes(out / ("foto/hlava" + std::to_string(jan->number) + ".jpg")), "JPEG");
    EXPECT_FALSE(directoryExists(out / "svatby"));
    EXPECT_EQ(couple->number, -1) << "no couple number is given";

    // A second page in the same folder shares "foto"; a missing portrait leaves no copy.
    writer.writeSinglePersonPage(*petr, out / "petr.htm");
    writer.writeSinglePersonPage(*eva, out / "eva.htm");
    EXPECT_TRUE(fileExists(out / ("foto/hlava" + std::to_string(jan->number) + ".jpg")));
    EXPECT_FALSE(fileExists(out / ("foto/hlava" + std::to_string(eva->number) + ".jpg")));

    // The folder is made even when no portrait goes into it; a page that cannot be written raises
    // and names itself.
    TempFolder other;
    writer.writeSinglePersonPage(*petr, other / "petr.htm");
    EXPECT_TRUE(directoryExists(other / "foto"));
    std::filesystem::create_directories(other / "slozka.htm");
    EXPECT_ANY_THROW(writer.writeSinglePersonPage(*petr, other / "slozka.htm"));
    EXPECT_EQ(writer.failedFile(), other / "slozka.htm");
}

} // namespace
