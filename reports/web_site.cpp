#include "reports/web_site.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/date_texts.h"
#include "model/path_utils.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "model/uk_clovek.h"
#include "platform/codec.h"
#include "platform/datetime.h"
#include "platform/fileio.h"
#include "platform/files.h"
#include "reports/html_lines.h"
#include "reports/html_text.h"

#include "platform/exceptions.h"

#include <algorithm>

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

void appendRow(HtmlLines& lines, std::string_view label, const Cp1250Text& value)
{
    lines.push_back("<tr>");
    lines.joined({"<td class=\"vpravo\">", label.empty() ? std::string_view("&nbsp;") : label, "</td>"});
    lines.joined("<td>", value, "</td>");
    lines.push_back("</tr>");
}

std::string webLink(const std::string& address)
{
    return "<a href=\"" + webAddressHref(address) + "\">" + htmlEscape(address) + "</a>";
}

std::string mailLink(const std::string& address)
{
    return "<a href=\"" + mailHref(address) + "\">" + htmlEscape(address) + "</a>";
}

void appendEnd(HtmlLines& lines)
{
    lines.add({"", "</body>", "", "</html>"});
}

} // namespace

WebSiteWriter::WebSiteWriter(Rod& tree, TextSource& texts, const WebExportOptions& options,
                             std::string workingFolder, bool useBirthSurname)
    : tree_(tree), texts_(texts), options_(options), workingFolder_(std::move(workingFolder)),
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
        n->convertedName.bytes = utf8ToCp1250(n->name);
        n->convertedLink.bytes = utf8ToCp1250(n->link);
    }
    return *n;
}

void WebSiteWriter::forgetNames()
{
    names_.clear();
    byNumber_.clear();
    // Sized once for every person of the tree, so no name moves while a page holds it.
    int32_t highest = -1;
    for (const Clovek* p = tree_.firstPerson; p; p = p->chainNext)
        highest = std::max(highest, p->number);
    byNumber_.resize(size_t(std::min(highest + 1, directNameLimit)));
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
    lines.add({"<head>",
               "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">",
               "<meta http-equiv=\"Content-Language\" content=\"cs\">",
               "<title>" + htmlEscape(tree_.treeName) + "</title>",
               "<base target=\"hlavni\">",
               "<style><!--",
               "body{font-family:Tahoma;font-weight:normal;font-size:10pt;}",
               "table{font-family:Tahoma;font-weight:normal;font-size:10pt;}",
               ".vpravo{font-family:Tahoma;font-weight:normal;text-align:right;font-size:10pt;}",
               ".male{font-family:Tahoma;font-weight:normal;font-size:7pt;}",
               ".malestred{font-family:Tahoma;font-weight:normal;text-align:center;font-size:7pt;}",
               ".jmeno{font-family:Tahoma;font-weight:bold;font-size:11pt;}",
               "a{font-family:Tahoma;font-size:10pt;color:#0000FF;text-decoration:none}",
               "a:hover{color:#8866FF}",
               "img{margin:4px;border:2px solid black;}",
               "--></style>",
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
    return {"<html>",
            "",
            "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">",
            "<title>" + htmlEscape(tree_.treeName) + "</title>",
            "<meta name=\"keywords\" content=\"rodokmen, genealogie, rodopis, předkové, potomci, Kinvelor\">",
            "<meta name=\"description\" content=\"Rodokmen vytvořený programem Kinvelor, editorem rodokmenů.\">",
            "</head>",
            "",
            "<frameset cols=\"200,*\" framespacing=\"0\" border=\"0\" frameborder=\"0\">",
            "  <frameset rows=\"*,70\">",
            "    <frame name=\"menu\" target=\"hlavni\" src=\"osoby.htm\" scrolling=\"auto\" frameborder=\"0\" "
            "marginwidth=\"10\" marginheight=\"10\" noresize>",
            "    <frame name=\"reklama\" target=\"_blank\" src=\"reklama.htm\" scrolling=\"no\" frameborder=\"1\" "
            "marginwidth=\"10\" marginheight=\"10\" noresize>",
            "  </frameset>",
            "<frame name=\"hlavni\" src=\"info.htm\">",
            "",
            "<noframes>",
            "<body>",
            "<p>",
            "Na této stránce jsou použity rámce, váš prohlížeč je však nepodporuje.",
            "</p>",
            "</body>",
            "</noframes>",
            "</frameset>",
            "",
            "</html>"};
}

HtmlLines WebSiteWriter::infoPage() const
{
    HtmlLines lines{"<html>", ""};
    appendHead(lines);
    lines.add({"", "<body>", "",
               std::string("<p>Tyto HTML stránky byly vygenerovány programem ") + programLine + ".</p>",
               "<p>Kinvelor je editor rodokmenů: vede osoby, jejich rodiče, děti, partnerství, bydliště, "
               "vzdělání a povolání, fotografie a dokumenty, a ze zapsaného rodokmenu vytváří přehledy, "
               "statistiky a tyto webové stránky.</p>",
               "<p>Program najdete na stránkách projektu Kinvelor.</p>",
               "<p>Připomínky k programu posílejte jeho autorům.</p>",
               "<p>&nbsp;</p>",
               std::string("<p class=\"male\">vygenerováno programem ") + programLine + " dne " + dateToStr(today())
                   + ", autoři programu Kinvelor</p>"});
    lines.add({"", "</body>", "", "</html>"});
    return lines;
}

HtmlLines WebSiteWriter::footerPage() const
{
    HtmlLines lines{"<html>", ""};
    appendHead(lines);
    lines.add({"", "<body>", "",
               std::string("<p class=\"malestred\">vygenerováno programem<br><a target=\"_blank\" href=\"info.htm\">"
                           "<font style=\"font-size:7pt\">")
                   + programLine + "</font></a> dne " + dateToStr(today())
                   + ",<br><font style=\"font-size:7pt\">autoři programu Kinvelor</font></p>"});
    lines.add({"", "</body>", "", "</html>"});
    return lines;
}

HtmlLines WebSiteWriter::personPage(Clovek& person, bool standAlone)
{
    // A page of its own names its relatives without links: their pages are not written.
    const auto relative = [&](const Clovek& other) -> const Cp1250Text& {
        const Naming& n = naming(other);
        return standAlone ? n.convertedName : n.convertedLink;
    };
    HtmlLines lines{"<html>", ""};
    appendHead(lines);
    lines.add({"", "<body>", "", "<div align=\"left\">",
               "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">", "<tr>",
               "<td width=\"350\" valign=\"bottom\">"});
    lines.push_back("<p class=\"jmeno\">" + name(person) + "</p>");
    lines.add({"</td>", "<td>"});
    std::string picture = "&nbsp;";
    if (options_.portrait && person.hasPortrait) {
        // A portrait that is not stored leaves no copy; the page still names the picture.
        const std::string portrait = "hlava" + number(person) + ".jpg";
        const std::string copies = standAlone ? "foto/" : "img/";
        copyFile(joinPath(workingFolder_, "hlavy/" + portrait),
                 folder_ + (standAlone ? "" : "osoby/") + copies + portrait, true, false);
        picture = "<img width=\"100\" src=\"" + copies + portrait + "\">";
    }
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

    const auto relatives = [&](Prvky& list, const char* label) {
        bool first = true;
        for (UkClovek* e : list.items<UkClovek>()) {
            appendRow(lines, first ? label : "", relative(*e->person()));
            first = false;
        }
        if (!first)
            appendSpacerRow(lines, 2);
    };
    relatives(person.children, "Děti:");
    relatives(person.siblings, "Sourozenci:");

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
            lines.push_back(std::string("<td class=\"vpravo\">") + (first ? "Partneři:" : "&nbsp;") + "</td>");
            lines.push_back("<td>" + (partner ? link(*partner) + " " : std::string())
                            + "(<a href=\"../svatby/svatba" + couple + ".htm\">podrobnosti</a>)</td>");
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
    const auto periods = [&](bool wanted, Prvky& list, const char* label) {
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
                      mailLink(person.email1) + (person.email2.empty() ? "" : ", " + mailLink(person.email2)));
        if (!person.phone1.empty())
            appendRow(lines, "Telefon:",
                      htmlEscape(person.phone1) + (person.phone2.empty() ? "" : ", " + htmlEscape(person.phone2)));
        if (!person.web1.empty())
            appendRow(lines, "WWW:", webLink(person.web1) + (person.web2.empty() ? "" : ", " + webLink(person.web2)));
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
    const auto childLink = [this](const Clovek& child) {
        return "<a href=\"../osoby/osoba" + number(child) + ".htm\">" + name(child) + "</a>";
    };
    const auto partnerLine = [&](const Clovek* p) {
        if (!p)
            return std::string("<font style=\"font-size:11pt\">?</font>");
        return "<a href=\"../osoby/osoba" + number(*p) + ".htm\"><font style=\"font-size:11pt\">" + name(*p)
               + "</font></a>";
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
            p1->children.sort();
            common.clear();
            for (UkClovek* e : p1->children.items<UkClovek>())
                if (p2->hasChild(e->person()))
                    common.push_back(e->person());
        }
    }
    const int n = static_cast<int>(common.size());
    const auto childrenSentence = [n](const char* subject, const char* had, const char* none) {
        if (n == 0)
            return std::string("<p>") + subject + " spolu " + none + " žádné děti.</p>";
        if (n == 1)
            return std::string("<p>") + subject + " spolu " + had + " jedno dítě:";
        return std::string("<p>") + subject + " spolu " + had + " " + std::to_string(n) + (n <= 4 ? " děti:" : " dětí:");
    };

    if (partnership.type == 0) {
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

    std::string w = partnership.wedding.completeness() > 0
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
            else if (partnership.type == 2 && c->birth.isAfter(partnership.divorce))
                mark = " (narozen(a) po rozvodu)";
            lines.push_back("<br>" + childLink(*c) + mark);
        }
        lines.push_back("</p>");
    }

    Datum end;
    const auto when = [this](const Datum& date) {
        return date.completeness() > 0 ? "Stalo se tak " + date.longText(texts_) + "." : std::string("Datum není znám.");
    };
    const bool bothAlive = p1 && p2 && p1->alive && p2->alive;
    if (partnership.type == 1) {
        Clovek* died = nullptr;
        if (p1 && p2 && p1->death.isBefore(p2->death))
            died = p1;
        else if (p1 && p2 && p1->death.isAfter(p2->death))
            died = p2;
        if (died) {
            end = died->death;
            const std::string ending = died->sex == 0 ? texts_.langText("ruzne", "zenskaKoncovka", "a") : "";
            lines.push_back("<p>Manželství bylo ukončeno, když zemřel" + ending + " " + name(*died) + ". "
                            + when(end) + "<p>");
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

    const bool lasting = bothAlive && partnership.type == 1;
    const char* opening = lasting ? "<p>Trvá již " : "<p>Trvalo ";
    if (end.isComplete() && partnership.wedding.isComplete())
        lines.push_back(opening + intervalText(partnership.wedding, end, texts_) + ".<p>");
    else if (end.completeness() > 0 && partnership.wedding.completeness() > 0)
        lines.push_back(opening + yearsText(std::stoll(end.year) - std::stoll(partnership.wedding.year), texts_) + ".<p>");
    appendEnd(lines);
    return lines;
}

void WebSiteWriter::save(const std::string& relativePath, const HtmlLines& lines)
{
    failedFile_ = folder_ + relativePath;
    // Each page replaces its file whole, but none waits for the disk: the site can be written
    // again from the tree at any time, and flushing its thousands of files took several times
    // as long as writing them.
    writeFileAtomic(failedFile_, lines.bytes(), false);
    failedFile_.clear();
    ++filesWritten_;
    ++pagesWritten_;
}

void WebSiteWriter::writePersonFiles(Clovek& person)
{
    save("osoby/osoba" + number(person) + ".htm", personPage(person));
}

void WebSiteWriter::writeSinglePersonPage(Clovek& person, const std::string& file)
{
    folder_ = folderOfPath(file);
    filesWritten_ = pagesWritten_ = 0;
    forgetNames();
    failedFile_ = folder_ + "foto";
    if (!directoryExists(failedFile_) && !createDir(failedFile_))
        throw EInOutError("cannot create " + failedFile_);
    failedFile_ = file;
    writeFileAtomic(file, personPage(person, true).bytes());
    failedFile_.clear();
    filesWritten_ = pagesWritten_ = 1;
}

void WebSiteWriter::writePages(const std::string& folder, const std::vector<Clovek*>& persons)
{
    folder_ = withoutTrailingSlashes(folder) + "/";
    filesWritten_ = pagesWritten_ = 0;
    forgetNames();
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
    save("osoby.htm", index);
    save("reklama.htm", footerPage());
}
