#pragma once
// The web export of a tree: a folder of static pages shown in three frames (the person index,
// a footer and a main frame with the information, person and couple pages). Knows nothing of
// windows, so the command, the tests and the measuring tool write the same site.
#include "reports/html_lines.h"

#include <string>
#include <unordered_map>
#include <vector>

class Clovek;
class Rod;
class Svatba;
class TextSource;

// Which parts of a person the pages show; the defaults are those of the options window.
struct WebExportOptions {
    bool portrait = true;
    bool identifier = false;
    bool birth = true;
    bool death = true;
    bool partnerships = true;
    bool residences = true;
    bool educations = true;
    bool occupations = true;
    bool contacts = false;
};

class WebSiteWriter {
public:
    // `workingFolder` holds the tree's stored portraits ("hlavy/hlava" + number + ".jpg").
    WebSiteWriter(Rod& tree, TextSource& texts, const WebExportOptions& options, std::string workingFolder,
                  bool useBirthSurname);

    // Writes every page into `folder` (which exists) for the given persons, in their order; the
    // index lists them. Gives every partnership a new couple number. Raises on the first file
    // that cannot be written; `filesWritten` and `failedFile` then tell how far it got.
    void writePages(const std::string& folder, const std::vector<Clovek*>& persons);

    // The page of one person as a page of its own at `file`: relatives named without links, no
    // couple pages, the portrait copied into the folder "foto" beside the file (made even when
    // no portrait is copied). Raises when the folder or the page cannot be written.
    void writeSinglePersonPage(Clovek& person, const std::string& file);

    int filesWritten() const { return filesWritten_; }
    int pagesWritten() const { return pagesWritten_; }
    const std::string& failedFile() const { return failedFile_; }

    // The parts of the site, each a list of lines.
    void appendHead(HtmlLines& lines) const;
    static void appendSpacerRow(HtmlLines& lines, int cells);
    HtmlLines framesetPage() const;
    HtmlLines infoPage() const;
    HtmlLines footerPage() const;
    // The page of a person of the site, or of a page of its own (see writeSinglePersonPage).
    HtmlLines personPage(Clovek& person, bool standAlone = false);
    HtmlLines couplePage(Svatba& partnership);

private:
    // The escaped full name; kept per person for the run, since a page names every sibling and
    // child and a big family would otherwise compose the same names over and over.
    const std::string& name(const Clovek& person);
    // The link to the person's page from a page beside it, kept the same way.
    const std::string& link(const Clovek& person);
    struct Naming {
        const Clovek* person = nullptr;
        std::string name;
        std::string link;
        Cp1250Text convertedName;
        Cp1250Text convertedLink;
    };
    Naming& naming(const Clovek& person);
    void forgetNames();
    void save(const std::string& relativePath, const HtmlLines& lines);
    void writePersonFiles(Clovek& person);

    Rod& tree_;
    TextSource& texts_;
    WebExportOptions options_;
    std::string workingFolder_;
    bool useBirthSurname_;
    std::string folder_;
    int coupleCounter_ = 0;
    int filesWritten_ = 0;
    int pagesWritten_ = 0;
    std::string failedFile_;
    std::vector<Naming> byNumber_;
    std::unordered_map<const Clovek*, Naming> names_;
};
