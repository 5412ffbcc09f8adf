#include "reports/web_site.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/date_texts.h"
#include "model/path_utils.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "model/uk_clovek.h"
#include "reports/folder_file_writer.h"
#include "reports/html_lines.h"
#include "reports/html_text.h"
#include "system/datetime.h"
#include "system/fileio.h"
#include "system/files.h"

#include "system/exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unordered_set>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Persons numbered below this have their names in a table indexed by number.
constexpr int32_t directNameLimit = 1 << 20;

const char* const programLine = "Kinvelor 1.0.18";

std::string number(const Clovek& person)
{
    return std::to_string(person.number);
}

std::string personLink(const Clovek& person, const std::string& name)
{
    return "<a href=\"osoba" + number(person) + ".htm\">" + name + "</a>";
}

// One labelled row of a person page; only the first row of a group shows its label.
void appendRow(HtmlLines& lines, std::string_view label, const std::string& value)
{
    lines.push_back("<tr>");
    lines.joined({"<td class=\"vpravo\">", label.empty() ? std::string_view("&nbsp;") : label, "</td>"});
    lines.joined({"<td>", value, "</td>"});
    lines.push_back("</tr>");
}

std::string webLink(const std::string& address)
{
    const std::string href = webAddressHref(address);
    if (href.empty())
        return htmlEscape(address);
    return "<a href=\"" + href + "\">" + htmlEscape(address) + "</a>";
}

std::string mailLink(const std::string& address)
{
    return "<a href=\"" + mailHref(address) + "\">" + htmlEscape(address) + "</a>";
}

const Clovek& personOf(const UkClovek* entry)
{
    return *entry->person();
}

const Clovek& personOf(const Clovek* person)
{
    return *person;
}

void appendEnd(HtmlLines& lines)
{
    lines.add({"", "</body>", "", "</html>"});
}

// The names a site of this program holds, by folder.
bool isSiteEntry(const std::string& folder, const std::string& name, bool isFolder)
{
    const auto numbered = [&](std::string_view prefix, std::string_view suffix) {
        if (isFolder || name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
            !name.ends_with(suffix))
            return false;
        for (size_t i = prefix.size(); i < name.size() - suffix.size(); ++i)
            if (!((name[i] >= '0' && name[i] <= '9') || name[i] == '-'))
                return false;
        return true;
    };
    if (folder.empty()) {
        if (isFolder)
            return name == "osoby" || name == "svatby";
        return name == "index.htm" || name == "info.htm" || name == "osoby.htm" || name == "reklama.htm";
    }
    if (folder == "osoby")
        return (isFolder && name == "img") || numbered("osoba", ".htm");
    if (folder == "osoby/img")
        return numbered("hlava", ".jpg");
    if (folder == "svatby")
        return numbered("svatba", ".htm");
    return false;
}

// Whether `folder` (below the site at `root`, "" for the site itself) holds only the site's
// entries; the leftover of a page replaced whole by an earlier version counts as one.
bool holdsOnlySiteEntries(const std::filesystem::path& root, const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? root : root / folder, ec);
    if (ec)
        return false;
    for (const fs::directory_entry& entry : it) {
        const fs::file_status status = entry.symlink_status(ec);
        if (ec)
            return false;
        const std::string name = entry.path().filename().string();
        const bool isFolder = fs::is_directory(status);
        if (!isFolder && !fs::is_regular_file(status))
            return false;
        const size_t dot = name.size() > 12 ? name.rfind('.', name.size() - 12) : std::string::npos;
        const bool leftover = !isFolder && dot != std::string::npos &&
                              isSiteEntry(folder, name.substr(0, dot), false) &&
                              isReplacementLeftover(name, name.substr(0, dot));
        if (!leftover && !isSiteEntry(folder, name, isFolder))
            return false;
        if (isFolder && !holdsOnlySiteEntries(root, folder.empty() ? name : folder + "/" + name))
            return false;
    }
    return true;
}

// The new folder of an export beside the site `name`: hidden, the site's name and six letters.
std::string newFolderPrefix(const std::string& name)
{
    return "." + name + ".novy-";
}

// What an export killed midway left beside the site: its new folder, with part of a site or,
// after the exchange, part of the old one. Removed when it is a real folder holding nothing but
// a site's entries (its start page may be gone already) and no export still writes it: an export
// keeps its new folder locked, and a lock ends with its process.
void removeInterruptedExports(const std::string& parent, const std::string& name)
{
    namespace fs = std::filesystem;
    const std::string prefix = newFolderPrefix(name);
    std::vector<fs::path> leftovers;
    try {
        for (const fs::directory_entry& entry : fs::directory_iterator(parent)) {
            const std::string leftover = entry.path().filename().string();
            if (leftover.size() == prefix.size() + 6 && leftover.starts_with(prefix) &&
                fs::is_directory(entry.symlink_status()) && holdsOnlySiteEntries(entry.path(), ""))
                leftovers.push_back(entry.path());
        }
    } catch (const fs::filesystem_error&) {
        // Nothing is removed from a folder that cannot be read; the export itself tells.
    }
    for (const fs::path& path : leftovers) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            deleteFolderTree(path.string());
        ::close(fd);
    }
}

// The mode a folder made now gets (mkdtemp makes it for the owner alone).
mode_t newFolderMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0777 & ~mask;
}

} // namespace

bool isReplaceableSiteFolder(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path root(withoutTrailingSlashes(folder));
    if (!fs::is_directory(fs::symlink_status(root, ec)))
        return false;
    if (fs::is_empty(root, ec) && !ec)
        return true;
    if (!holdsOnlySiteEntries(root, ""))
        return false;
    // The start page names the program; a folder of the same names by chance does not.
    try {
        return readFileBytes((root / "index.htm").string()).find("programem Kinvelor") != std::string::npos;
    } catch (const std::exception&) {
        return false;
    }
}

WebSiteWriter::WebSiteWriter(Rod& tree, TextSource& texts, const WebExportOptions& options,
                             std::string workingFolder, bool useBirthSurname)
    : tree_(tree),
      texts_(texts),
      options_(options),
      workingFolder_(std::move(workingFolder)),
      useBirthSurname_(useBirthSurname)
{
}

WebSiteWriter::Naming& WebSiteWriter::naming(const Clovek& person)
{
    // Person numbers are small and dense, so they index the names directly; a page of a big
    // family looks a name up for every row. A number out of that range goes to the map.
    Naming* n = nullptr;
    if (person.number >= 0 && person.number < directNameLimit) {
        if (size_t(person.number) >= byNumber_.size())
            byNumber_.resize(size_t(person.number) + 1);
        n = &byNumber_[size_t(person.number)];
        if (n->person != &person && n->person) // two persons of one number: a damaged tree
            n = &names_[&person];
    } else {
        n = &names_[&person];
    }
    if (n->person != &person) {
        n->person = &person;
        n->name = htmlEscape(person.fullName(useBirthSurname_, true));
        n->link = personLink(person, n->name);
        n->exported = false;
    }
    return *n;
}

const std::string& WebSiteWriter::nameOrLink(const Clovek& person)
{
    const Naming& n = naming(person);
    return n.exported && !singlePage_ ? n.link : n.name;
}

void WebSiteWriter::forgetNames()
{
    names_.clear();
    byNumber_.clear();
    // Sized once for every person of the tree, so no name moves while a page holds it.
    int32_t highest = -1;
    for (const Clovek* p = tree_.firstPerson; p; p = p->chainNext)
        highest = std::max(highest, p->number);
    byNumber_.resize(highest < directNameLimit ? size_t(highest + 1) : size_t(directNameLimit));
}

const std::string& WebSiteWriter::name(const Clovek& person)
{
    return naming(person).name;
}

const std::string& WebSiteWriter::link(const Clovek& person)
{
    return naming(person).link;
}

void WebSiteWriter::appendHead(HtmlLines& lines) const
{
    lines.add({"<head>", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
               "<meta http-equiv=\"Content-Language\" content=\"cs\">",
               "<title>" + htmlEscape(tree_.treeName) + "</title>", "<base target=\"hlavni\">", "<style><!--",
               "body{font-family:Tahoma;font-weight:normal;font-size:10pt;}",
               "table{font-family:Tahoma;font-weight:normal;font-size:10pt;}",
               ".vpravo{font-family:Tahoma;font-weight:normal;text-align:right;font-size:10pt;}",
               ".male{font-family:Tahoma;font-weight:normal;font-size:7pt;}",
               ".malestred{font-family:Tahoma;font-weight:normal;text-align:center;font-size:7pt;}",
               ".jmeno{font-family:Tahoma;font-weight:bold;font-size:11pt;}",
               "a{font-family:Tahoma;font-size:10pt;color:#0000FF;text-decoration:none}",
               "a:hover{color:#8866FF}", "img{margin:4px;border:2px solid black;}", "--></style>",
               "</head>"});
}

void WebSiteWriter::appendSpacerRow(HtmlLines& lines, int cells)
{
    lines.push_back("<tr>");
    for (int i = 0; i < cells; ++i)
        lines.push_back("<td>&nbsp;</td>");
    lines.push_back("</tr>");
}

HtmlLines WebSiteWriter::framesetPage() const
{
    return {
        "<html>", "", "<head>", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
        "<title>" + htmlEscape(tree_.treeName) + "</title>",
        "<meta name=\"keywords\" content=\"rodokmen, genealogie, rodopis, předkové, potomci, Kinvelor\">",
        "<meta name=\"description\" content=\"Rodokmen vytvořený programem Kinvelor, editorem rodokmenů.\">",
        "</head>", "", "<frameset cols=\"200,*\" framespacing=\"0\" border=\"0\" frameborder=\"0\">",
        "  <frameset rows=\"*,70\">",
        // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one line of the page, split for width
        "    <frame name=\"menu\" target=\"hlavni\" src=\"osoby.htm\" scrolling=\"auto\" frameborder=\"0\" "
        "marginwidth=\"10\" marginheight=\"10\" noresize>",
        "    <frame name=\"reklama\" target=\"_blank\" src=\"reklama.htm\" scrolling=\"no\" "
        "frameborder=\"1\" "
        "marginwidth=\"10\" marginheight=\"10\" noresize>",
        "  </frameset>", "<frame name=\"hlavni\" src=\"info.htm\">", "", "<noframes>", "<body>", "<p>",
        "Na této stránce jsou použity rámce, váš prohlížeč je však nepodporuje.", "</p>", "</body>",
        "</noframes>", "</frameset>", "", "</html>"};
}

HtmlLines WebSiteWriter::infoPage() const
{
    HtmlLines lines{"<html>", ""};
    appendHead(lines);
    lines.add({"", "<body>", "",
               std::string("<p>Tyto HTML stránky byly vygenerovány programem ") + programLine + ".</p>",
               // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one paragraph, split for width
               "<p>Kinvelor je editor rodokmenů: vede osoby, jejich rodiče, děti, partnerství, bydliště, "
               "vzdělání a povolání, fotografie a dokumenty, a ze zapsaného rodokmenu vytváří přehledy, "
               "statistiky a tyto webové stránky.</p>",
               "<p>Program najdete na stránkách projektu Kinvelor.</p>",
               "<p>Připomínky k programu posílejte jeho autorům.</p>", "<p>&nbsp;</p>",
               std::string("<p class=\"male\">vygenerováno programem ") + programLine + " dne " +
                   dateToStr(today()) + ", autoři programu Kinvelor</p>"});
    lines.add({"", "</body>", "", "</html>"});
    return lines;
}

HtmlLines WebSiteWriter::footerPage() const
{
    HtmlLines lines{"<html>", ""};
    appendHead(lines);
    lines.add({"", "<body>", "",
               std::string(
                   "<p class=\"malestred\">vygenerováno programem<br><a target=\"_blank\" href=\"info.htm\">"
                   "<font style=\"font-size:7pt\">") +
                   programLine + "</font></a> dne " + dateToStr(today()) +
                   ",<br><font style=\"font-size:7pt\">autoři programu Kinvelor</font></p>"});
    lines.add({"", "</body>", "", "</html>"});
    return lines;
}

HtmlLines WebSiteWriter::personPage(Clovek& person, bool standAlone)
{
    // A page of its own names its relatives without links: their pages are not written. Nor
    // are those of persons left out of the site (a group filter).
    singlePage_ = standAlone;
    const auto relative = [&](const Clovek& other) -> const std::string& { return nameOrLink(other); };
    HtmlLines lines{"<html>", ""};
    appendHead(lines);
    lines.add({"", "<body>", "", "<div align=\"left\">",
               "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">", "<tr>",
               "<td width=\"350\" valign=\"bottom\">"});
    lines.push_back("<p class=\"jmeno\">" + name(person) + "</p>");
    lines.add({"</td>", "<td>"});
    std::string picture = "&nbsp;";
    if (showsPortrait(person))
        picture = "<img width=\"100\" src=\"" + std::string(standAlone ? "foto/" : "img/") +
                  portraitName(person) + "\">";
    lines.push_back("<div style=\"height:150\">" + picture + "</div>");
    lines.add({"</td>", "</tr>", "</table>", "</div>", "", "<div align=\"left\">",
               "<table border=\"0\" cellpadding=\"0\" cellspacing=\"5\">", ""});

    if (options_.identifier)
        appendRow(lines, "ID:", htmlEscape(person.identifier));
    const auto dateAndPlace = [this](const Datum& date, const std::string& place) {
        std::string v = date.completeness() > 0 ? date.longText(texts_) : std::string();
        if (!place.empty())
            v += (v.empty() ? "" : ", ") + place;
        return htmlEscape(v);
    };
    if (options_.birth && (person.birth.completeness() > 0 || !person.birthPlace.empty()))
        appendRow(lines, "Narození:", dateAndPlace(person.birth, person.birthPlace));
    if (options_.death) {
        if ((!person.alive && person.death.completeness() > 0) || !person.deathPlace.empty())
            appendRow(lines, "Úmrtí:", dateAndPlace(person.death, person.deathPlace));
        else if (!person.alive)
            lines.add({"<tr>", "<td class=\"vpravo\">Osoba nežije.</td>", "<td>&nbsp;</td>", "</tr>"});
    }
    lines.add({"<tr>", "<td class=\"vpravo\">&nbsp;</td>", "<td>&nbsp;</td>", "</tr>"});

    if (person.father)
        appendRow(lines, "Otec:", relative(*person.father));
    if (person.mother)
        appendRow(lines, "Matka:", relative(*person.mother));
    if (person.father || person.mother)
        appendSpacerRow(lines, 2);

    const auto relatives = [&](const auto& persons, const char* label) {
        bool first = true;
        for (const auto* entry : persons) {
            appendRow(lines, first ? label : "", relative(personOf(entry)));
            first = false;
        }
        if (!first)
            appendSpacerRow(lines, 2);
    };
    relatives(person.children.items<UkClovek>(), "Děti:");
    relatives(siblingOrder_.of(person), "Sourozenci:");

    if (options_.partnerships) {
        bool first = true;
        for (UkSvatba* e : person.partnerships.items<UkSvatba>()) {
            Svatba& partnership = *e->partnership;
            if (standAlone) {
                const Clovek* partner = partnership.otherPartner(&person);
                appendRow(lines, first ? "Partneři:" : "", partner ? name(*partner) : std::string("&nbsp;"));
                first = false;
                continue;
            }
            const bool newCouple = partnership.number == -1;
            if (newCouple)
                partnership.number = ++coupleCounter_;
            Clovek* partner = partnership.otherPartner(&person);
            const std::string couple = std::to_string(partnership.number);
            lines.push_back("<tr>");
            lines.push_back(std::string("<td class=\"vpravo\">") + (first ? "Partneři:" : "&nbsp;") +
                            "</td>");
            lines.push_back("<td>" + (partner ? nameOrLink(*partner) + " " : std::string()) +
                            "(<a href=\"../svatby/svatba" + couple + ".htm\">podrobnosti</a>)</td>");
            lines.push_back("</tr>");
            first = false;
            if (newCouple) {
                const std::string path = "svatby/svatba" + couple + ".htm";
                save(path, couplePage(partnership));
            }
        }
        if (!first)
            appendSpacerRow(lines, 2);
    }

    int periodRows = 0;
    const auto periods = [&](bool wanted, const Prvky& list, const char* label) {
        if (!wanted)
            return;
        bool first = true;
        for (CasoveObdobi* e : list.items<CasoveObdobi>()) {
            appendRow(lines, first ? label : "", htmlEscape(e->displayText()));
            first = false;
            ++periodRows;
        }
    };
    periods(options_.residences, person.residences, "Bydliště:");
    periods(options_.educations, person.educations, "Vzdělání:");
    periods(options_.occupations, person.occupations, "Povolání:");
    if (periodRows > 0)
        appendSpacerRow(lines, 2);

    if (options_.contacts && person.alive) {
        if (!person.email1.empty())
            appendRow(lines, "Email:",
                      mailLink(person.email1) +
                          (person.email2.empty() ? "" : ", " + mailLink(person.email2)));
        if (!person.phone1.empty())
            appendRow(lines, "Telefon:",
                      htmlEscape(person.phone1) +
                          (person.phone2.empty() ? "" : ", " + htmlEscape(person.phone2)));
        if (!person.web1.empty())
            appendRow(lines, "WWW:",
                      webLink(person.web1) + (person.web2.empty() ? "" : ", " + webLink(person.web2)));
    }
    lines.add({"", "", "</table>", "</div>", "", "", "", "</body>", "", "</html>"});
    return lines;
}

HtmlLines WebSiteWriter::couplePage(Svatba& partnership)
{
    Clovek* p1 = partnership.partner1;
    Clovek* p2 = partnership.partner2;
    Clovek* a = p1 && p1->sex == 1 ? p1 : p2;
    Clovek* b = a == p1 ? p2 : p1;
    const auto exported = [this](const Clovek& p) { return naming(p).exported; };
    const auto childLink = [&](const Clovek& child) {
        if (!exported(child))
            return name(child);
        return "<a href=\"../osoby/osoba" + number(child) + ".htm\">" + name(child) + "</a>";
    };
    const auto partnerLine = [&](const Clovek* p) {
        if (!p)
            return std::string("<font style=\"font-size:11pt\">?</font>");
        if (!exported(*p))
            return "<font style=\"font-size:11pt\">" + name(*p) + "</font>";
        return "<a href=\"../osoby/osoba" + number(*p) + ".htm\"><font style=\"font-size:11pt\">" + name(*p) +
               "</font></a>";
    };
    HtmlLines lines{"<html>", ""};
    appendHead(lines);
    lines.add({"", "<body>", "", "<p class=\"jmeno\">"});
    lines.push_back(partnerLine(a));
    lines.push_back(" &amp; ");
    lines.push_back(partnerLine(b));
    lines.push_back("</p>");

    // The children the two have together, in birth order.
    std::vector<Clovek*> common;
    if (p1 && p2) {
        for (UkClovek* e : p1->children.items<UkClovek>())
            if (e->person()->father == p2 || e->person()->mother == p2)
                common.push_back(e->person());
        if (!common.empty()) {
            p1->sortChildren();
            // The sort may have moved children, and so the siblings some pages list.
            siblingOrder_.forget();
            std::unordered_set<const Clovek*> ofPartner2;
            for (UkClovek* e : p2->children.items<UkClovek>())
                ofPartner2.insert(e->person());
            common.clear();
            for (UkClovek* e : p1->children.items<UkClovek>())
                if (ofPartner2.count(e->person()))
                    common.push_back(e->person());
        }
    }
    const int n = static_cast<int>(common.size());
    const auto childrenSentence = [n](const char* subject, const char* had, const char* none) {
        if (n == 0)
            return std::string("<p>") + subject + " spolu " + none + " žádné děti.</p>";
        if (n == 1)
            return std::string("<p>") + subject + " spolu " + had + " jedno dítě:";
        return std::string("<p>") + subject + " spolu " + had + " " + std::to_string(n) +
               (n <= 4 ? " děti:" : " dětí:");
    };

    if (!partnership.hasWedding()) {
        lines.push_back(childrenSentence("Pár", "měl", "neměl"));
        if (n > 0) {
            for (Clovek* c : common) {
                lines.push_back("<br>");
                lines.push_back(childLink(*c));
            }
            lines.push_back("</p>");
        }
        appendEnd(lines);
        return lines;
    }

    std::string w =
        partnership.wedding.completeness() > 0
            ? "Svatební obřad této dvojice se uskutečnil " + partnership.wedding.longText(texts_) + "."
            : std::string("Není známo, kdy se uskutečnila svatba této dvojice.");
    if (!partnership.place.empty())
        w += " Místo oddání páru je " + partnership.place + ".";
    if (!partnership.officiant.empty())
        w += " Obřad vedl " + partnership.officiant + ".";
    if (!partnership.witnesses.empty())
        w += " Jako svědek se účastnil " + partnership.witnesses + ".";
    lines.push_back("<p>" + htmlEscape(w) + "</p>");

    lines.push_back(childrenSentence("Manželé", "měli", "neměli"));
    if (n > 0) {
        for (Clovek* c : common) {
            std::string mark;
            if (c->birth.isBefore(partnership.wedding))
                mark = " (narozen(a) před svatbou)";
            else if (partnership.isDivorced() && c->birth.isAfter(partnership.divorce))
                mark = " (narozen(a) po rozvodu)";
            lines.push_back("<br>" + childLink(*c) + mark);
        }
        lines.push_back("</p>");
    }

    Datum end;
    const auto when = [this](const Datum& date) {
        return date.completeness() > 0 ? "Stalo se tak " + date.longText(texts_) + "."
                                       : std::string("Datum není znám.");
    };
    const bool bothAlive = p1 && p2 && p1->alive && p2->alive;
    if (partnership.isMarried()) {
        Clovek* died = nullptr;
        if (p1 && p2 && p1->death.isBefore(p2->death))
            died = p1;
        else if (p1 && p2 && p1->death.isAfter(p2->death))
            died = p2;
        if (died) {
            end = died->death;
            const std::string ending = died->sex == 0 ? texts_.langText("ruzne", "zenskaKoncovka", "a") : "";
            lines.push_back("<p>Manželství bylo ukončeno, když zemřel" + ending + " " + name(*died) + ". " +
                            when(end) + "<p>");
        } else if (!bothAlive) {
            lines.push_back("<p>Svazek byl ukončen smrtí.</p>");
        } else {
            lines.push_back("<p>Manželství trvá dodnes.</p>");
            end = Datum(today());
        }
    } else {
        end = partnership.divorce;
        lines.push_back("<p>Manželství bylo ukončeno rozvodem. " + when(end) + "<p>");
    }

    const bool lasting = bothAlive && partnership.isMarried();
    const char* opening = lasting ? "<p>Trvá již " : "<p>Trvalo ";
    // Years typed beyond any number, or an end before the wedding, leave the duration untold.
    if (const std::string length = lengthText(partnership.wedding, end, texts_); !length.empty())
        lines.push_back(opening + length + ".<p>");
    appendEnd(lines);
    return lines;
}

void WebSiteWriter::save(const std::string& relativePath, HtmlLines&& lines)
{
    // No page waits for the disk: the site can be written again from the tree at any time, and
    // flushing its thousands of files took several times as long as writing them. (Two persons
    // of one number in a damaged tree share a page, the later one's: the files keep their order.)
    if (!files_->put(relativePath, lines.release())) {
        takeFailure(*files_);
        throw EInOutError(failure_);
    }
}

void WebSiteWriter::takeFailure(const FolderFileWriter& files)
{
    filesWritten_ = pagesWritten_ = files.written();
    if (!files.failedFile().empty()) {
        failedFile_ = folder_ + files.failedFile();
        failure_ = files.failure();
    }
}

bool WebSiteWriter::showsPortrait(const Clovek& person) const
{
    return options_.portrait && person.hasPortrait;
}

std::string WebSiteWriter::portraitName(const Clovek& person)
{
    return "hlava" + number(person) + ".jpg";
}

bool WebSiteWriter::readStoredPortrait(const Clovek& person, std::string& bytes)
{
    const std::string stored = joinPath(workingFolder_, "hlavy/" + portraitName(person));
    try {
        bytes = readFileBytes(stored);
        return true;
    } catch (const EInOutError& e) {
        // A portrait that is not stored leaves no copy; the page still names the picture.
        if (e.ErrorCode == ENOENT)
            return false;
        failedFile_ = stored;
        failure_ = e.ErrorCode ? std::strerror(e.ErrorCode) : e.what();
        throw;
    }
}

void WebSiteWriter::writePersonFiles(Clovek& person)
{
    HtmlLines page = personPage(person);
    // Through the file writer like a page: a copy the disk refuses fails the export there.
    if (std::string bytes; showsPortrait(person) && readStoredPortrait(person, bytes) &&
                           !files_->put("osoby/img/" + portraitName(person), std::move(bytes))) {
        takeFailure(*files_);
        throw EInOutError(failure_);
    }
    save("osoby/osoba" + number(person) + ".htm", std::move(page));
}

void WebSiteWriter::writeSinglePersonPage(Clovek& person, const std::string& file)
{
    folder_ = folderOfPath(file);
    filesWritten_ = pagesWritten_ = 0;
    forgetNames();
    singlePage_ = true;
    failedFile_ = folder_ + "foto";
    if (!directoryExists(failedFile_) && !createDir(failedFile_))
        throw EInOutError("cannot create " + failedFile_);
    HtmlLines page = personPage(person, true);
    if (std::string bytes; showsPortrait(person) && readStoredPortrait(person, bytes)) {
        failedFile_ = folder_ + "foto/" + portraitName(person);
        writeFileAtomic(failedFile_, bytes, false);
    }
    failedFile_ = file;
    writeFileAtomic(file, page.bytes());
    failedFile_.clear();
    filesWritten_ = pagesWritten_ = 1;
}

void WebSiteWriter::writePages(const std::string& folder, const std::vector<Clovek*>& persons)
{
    folder_ = withoutTrailingSlashes(folder) + "/";
    filesWritten_ = pagesWritten_ = 0;
    failedFile_.clear();
    failure_.clear();
    forgetNames();
    singlePage_ = false;
    for (const Clovek* person : persons)
        naming(*person).exported = true;
    // The pages are composed here and written by the file writer's thread meanwhile; a failure
    // is told as if they had been written one after another: the first file that failed.
    FolderFileWriter files(folder_);
    files_ = &files;
    try {
        writePageFiles(persons);
    } catch (...) {
        files_ = nullptr;
        if (!files.finish()) {
            // An earlier page failed before what stopped the composing.
            failedFile_.clear();
            takeFailure(files);
            throw EInOutError(failure_);
        }
        filesWritten_ = pagesWritten_ = files.written();
        throw;
    }
    files_ = nullptr;
    const bool written = files.finish();
    takeFailure(files);
    if (!written)
        throw EInOutError(failure_);
}

void WebSiteWriter::writePageFiles(const std::vector<Clovek*>& persons)
{
    save("index.htm", framesetPage());
    save("info.htm", infoPage());

    for (const char* sub : {"osoby", "osoby/img", "svatby"}) {
        const std::string path = folder_ + sub;
        if (!directoryExists(path) && !createDir(path)) {
            failedFile_ = path;
            throw EInOutError("cannot create " + path);
        }
    }
    HtmlLines index{"<html>", ""};
    appendHead(index);
    index.add({"", "<body>", "", "<p>"});
    tree_.setAllPartnershipNumbers(-1);
    coupleCounter_ = 0;
    for (Clovek* person : persons) {
        index.push_back("<a href=\"osoby/osoba" + number(*person) + ".htm\">" + name(*person) + "</a><br>");
        writePersonFiles(*person);
    }
    index.add({"</p>", "", "</body>", "", "</html>"});
    save("osoby.htm", std::move(index));
    save("reklama.htm", footerPage());
}

void WebSiteWriter::writeSite(const std::string& target, const std::vector<Clovek*>& persons)
{
    namespace fs = std::filesystem;
    const std::string site = withoutTrailingSlashes(target);
    filesWritten_ = pagesWritten_ = 0;
    failedFile_.clear();
    failure_.clear();
    step_ = Step::Checking;
    struct stat old { };
    const bool replacing = ::lstat(site.c_str(), &old) == 0;
    if (replacing && !isReplaceableSiteFolder(site)) {
        failedFile_ = site;
        throw EInOutError("not a site: " + site);
    }

    step_ = Step::Creating;
    const size_t slash = site.rfind('/');
    const std::string parent = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? "/"
                                                          : site.substr(0, slash);
    const std::string name = slash == std::string::npos ? site : site.substr(slash + 1);
    removeInterruptedExports(parent, name);
    // Hidden beside the site, on the same file system, so the rename at the end is one step.
    std::string fresh = joinPath(parent, newFolderPrefix(name) + "XXXXXX");
    if (!::mkdtemp(fresh.data())) {
        failure_ = std::strerror(errno);
        failedFile_ = site;
        throw EInOutError("cannot create " + fresh);
    }
    // Locked while this export lives, so another export beside it never takes it for a leftover.
    const int freshFd = ::open(fresh.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (freshFd >= 0)
        ::flock(freshFd, LOCK_EX);
    struct FolderLock {
        int fd;
        ~FolderLock()
        {
            if (fd >= 0)
                ::close(fd);
        }
    } freshLock{freshFd};

    step_ = Step::Writing;
    try {
        writePages(fresh, persons);
    } catch (const std::exception&) {
        if (!failedFile_.empty() && failedFile_.starts_with(fresh))
            failedFile_ = site + failedFile_.substr(fresh.size());
        deleteFolderTree(fresh);
        throw;
    }

    step_ = Step::Replacing;
    // Made for the owner alone, it gets the old site's mode or that of any new folder.
    ::chmod(fresh.c_str(), replacing ? (old.st_mode & 07777) : newFolderMode());
    // Exchanged in one step, so the site's name never stands empty; a file system that cannot
    // exchange gets two renames, the old site put back when the second fails.
    int done = replacing ? ::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, site.c_str(), RENAME_EXCHANGE)
                         : ::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, site.c_str(), RENAME_NOREPLACE);
    if (done != 0 && (errno == EINVAL || errno == ENOSYS)) {
        if (!replacing) {
            done = fileExists(site) || directoryExists(site) ? -1 : ::rename(fresh.c_str(), site.c_str());
        } else {
            std::string aside = joinPath(parent, "." + name + ".stary-XXXXXX");
            if (::mkdtemp(aside.data())) {
                // A folder renamed onto an empty one takes its place.
                if (::rename(site.c_str(), aside.c_str()) == 0) {
                    done = ::rename(fresh.c_str(), site.c_str());
                    if (done != 0)
                        ::rename(aside.c_str(), site.c_str());
                }
                if (done == 0)
                    deleteFolderTree(aside);
                else
                    ::rmdir(aside.c_str());
            }
            if (done == 0) {
                step_ = Step::Done;
                return;
            }
        }
    }
    if (done != 0) {
        failure_ = std::strerror(errno);
        failedFile_ = site;
        deleteFolderTree(fresh);
        throw EInOutError("cannot replace " + site);
    }
    // After the exchange the new folder's name holds the old site.
    if (replacing)
        deleteFolderTree(fresh);
    step_ = Step::Done;
}
