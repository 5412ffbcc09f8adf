#pragma once
// The web export of a tree: a folder of static pages shown in three frames (the person index,
// a footer and a main frame with the information, person and couple pages). Knows nothing of
// windows, so the command, the tests and the measuring tool write the same site.
#include "model/sibling_order.h"
#include "reports/html_lines.h"
#include "shell/report_choices.h"

#include <string>
#include <unordered_map>
#include <vector>

class Clovek;
class FolderFileWriter;
class Rod;
class Svatba;
class TextSource;

// Whether the export may replace `folder`: a real folder (not a link) that holds nothing but a
// site this program wrote (its start page says so), or an empty one. Any other folder is the
// person's own and must never be deleted.
bool isReplaceableSiteFolder(const std::string& folder);

class WebSiteWriter {
public:
    // `workingFolder` holds the tree's stored portraits ("hlavy/hlava" + number + ".jpg").
    WebSiteWriter(Rod& tree, TextSource& texts, const WebExportOptions& options, std::string workingFolder,
                  bool useBirthSurname);

    // Writes the site of the given persons into a new folder beside `target` and only then puts
    // it in the target's place, so an interrupted or failed export leaves the old site (or no
    // folder) and never half of one. An existing `target` must be an earlier site or empty
    // (isReplaceableSiteFolder); it is replaced whole. The new folder of an export killed midway
    // beside it is removed first. Raises on failure, `step` telling where.
    void writeSite(const std::string& target, const std::vector<Clovek*>& persons);
    enum class Step { Checking, Creating, Writing, Replacing, Done };
    Step step() const { return step_; }

    // Writes every page into `folder` (which exists and no one else writes into: pages are
    // written in place, not replaced whole) for the given persons, in their order; the index
    // lists them and only their pages are linked. Gives every partnership a new couple number.
    // Raises on the first file that cannot be written; `filesWritten` and `failedFile` then tell
    // how far it got.
    void writePages(const std::string& folder, const std::vector<Clovek*>& persons);

    // The page of one person as a page of its own at `file`: relatives named without links, no
    // couple pages, the portrait copied into the folder "foto" beside the file (made even when
    // no portrait is copied). Raises when the folder or the page cannot be written.
    void writeSinglePersonPage(Clovek& person, const std::string& file);

    int filesWritten() const { return filesWritten_; }
    int pagesWritten() const { return pagesWritten_; }
    // The file that could not be written, named by where it was meant to be (under the target
    // of writeSite, not the new folder that is gone again); empty when none.
    const std::string& failedFile() const { return failedFile_; }
    // What the system told about that file.
    const std::string& failure() const { return failure_; }

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
        bool exported = false;
    };
    // The person's name, a link to the page when the site has it.
    const std::string& nameOrLink(const Clovek& person);
    Naming& naming(const Clovek& person);
    void forgetNames();
    void save(const std::string& relativePath, HtmlLines&& lines);
    // Takes what the file writer tells of the file that failed.
    void takeFailure(const FolderFileWriter& files);
    bool showsPortrait(const Clovek& person) const;
    static std::string portraitName(const Clovek& person);
    // The bytes of the person's portrait in the working folder; false when it is not stored.
    // Raises, telling the file, when it is there but cannot be read.
    bool readStoredPortrait(const Clovek& person, std::string& bytes);
    void writePersonFiles(Clovek& person);
    void writePageFiles(const std::vector<Clovek*>& persons);

    Rod& tree_;
    TextSource& texts_;
    WebExportOptions options_;
    std::string workingFolder_;
    bool useBirthSurname_;
    std::string folder_;
    // Where the pages of the site go while writePages runs.
    FolderFileWriter* files_ = nullptr;
    int coupleCounter_ = 0;
    int filesWritten_ = 0;
    int pagesWritten_ = 0;
    std::string failedFile_;
    std::string failure_;
    Step step_ = Step::Checking;
    bool singlePage_ = false;
    // The pages of a big family list its siblings without making a sibling list for each.
    SiblingOrder siblingOrder_;
    std::vector<Naming> byNumber_;
    std::unordered_map<const Clovek*, Naming> names_;
};
