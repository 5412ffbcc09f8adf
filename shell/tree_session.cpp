// How the open tree comes from its file, goes back to it and goes away, under this copy's hold
// on the file: a tree that another running copy has open is neither read nor saved over here,
// and a save asks before it replaces a file that another program changed since this copy read
// or wrote it.
#include "shell/tree_session.h"

#include "model/rod.h"
#include "model/text_source.h"
#include "shell/wait_window.h"
#include "storage/media_folders.h"
#include "storage/old_format_loader.h"
#include "storage/tree_loader.h"
#include "storage/tree_pair.h"
#include "storage/tree_writer.h"
#include "system/exceptions.h"
#include "system/system_reasons.h"
#include "toolkit/dialogs.h"

#include <cerrno>
#include <optional>
#include <utility>

namespace {

// The portrait frame `hlavaIMG` of the basic-data page.
constexpr int portraitFrameHeight = 200;
constexpr int portraitFrameWidth = 150;

std::string tooOldMessage(TextSource& texts, const std::string& versionLine)
{
    return texts.langText("chyby", "staraVerze", "Nahráváte lipoveta uložený v příliš staré verzi") +
           " (1.0." + versionLine.substr(versionLine.size() - 2) + "). " +
           texts.langText(
               "chyby", "prenosnost",
               "Data do této verze jsou přenosná z verzí počínaje číslem 1.0.13. Uložte vaše data v "
               "některé z těchto novějších verzí, aby se dále dala přenést do této. Děkuji za "
               "pochopení.");
}

// A tree file the system does not let the program read: the program's words with the system's
// reason in Czech, where the system gave one.
std::string unreadableTreeFileMessage(TextSource& texts, const std::string& fileName, const EInOutError& e)
{
    const std::string why = systemReasonText(e.ErrorCode);
    return texts.langText("chyby", "nelzePrecist", "Nepodařilo se přečíst:") + " " + fileName + "\n" +
           (why.empty() ? e.Message() : why);
}

} // namespace

TreeSession::TreeSession(TreeSessionPort& window) : window_(window) { }

TreeSession::~TreeSession() = default;

TreeSession::Opening TreeSession::open(const std::string& fileName)
{
    if (!claim(fileName))
        return Opening::heldElsewhere;
    emptyWorkingFolder();
    adopt(std::make_unique<Rod>(fileName));

    // Whatever stops the read leaves no tree behind: the person is told why.
    auto refuse = [this](const std::string& message) {
        ShowMessage(message);
        close();
        return Opening::refused;
    };
    TextSource& texts = window_.texts();
    std::string versionLine;
    try {
        versionLine = readVersionLine(fileName);
    } catch (const EDamagedTreeFile&) {
        return refuse(damagedTreeFileMessage(texts, fileName));
    } catch (const EInOutError& e) {
        return refuse(unreadableTreeFileMessage(texts, fileName, e));
    } catch (const Exception& e) {
        return refuse(e.what());
    }
    const TreeFileKind kind = classifyVersionLine(versionLine);
    std::optional<EDamagedTreeFile> damage;
    if (kind == TreeFileKind::Damaged)
        return refuse(damagedTreeFileMessage(texts, fileName));
    if (kind == TreeFileKind::TooOld)
        return refuse(tooOldMessage(texts, versionLine));
    {
        WaitShown shown(window_);
        try {
            if (kind == TreeFileKind::Old)
                readOldFormat(fileName);
            else
                readCurrentFormat(fileName);
        } catch (const EDamagedTreeFile& e) {
            window_.hideWaitWindow();
            // Within the body of the current format, what can be read is offered.
            if (kind != TreeFileKind::Current || e.line <= 0)
                return refuse(damagedTreeFileMessage(texts, fileName, e.line));
            damage = e;
        } catch (const Exception& e) {
            window_.hideWaitWindow();
            return refuse(e.what());
        }
    }
    if (damage)
        return offerWhatCanBeRead(fileName, *damage);
    fileIsOurs();
    return Opening::opened;
}

TreeSession::Opening TreeSession::offerWhatCanBeRead(const std::string& fileName,
                                                     const EDamagedTreeFile& damage)
{
    TextSource& texts = window_.texts();
    // Told first, then asked: the question window shows one line.
    ShowMessage(damagedTreeFileMessage(texts, fileName, damage.line,
                                       damageText(damage.damage, damage.key, damage.text)));
    if (!window_.askYesNo(
            texts.langText("otazky", "otevritCoLzePrecist", "Otevřít z něj, co lze přečíst?"))) {
        close();
        return Opening::refused;
    }
    adopt(std::make_unique<Rod>(fileName));
    // The file as it is on the disk: a save that replaces it, under whatever name, keeps it.
    damagedStamp_ = fileStampOf(fileName);
    try {
        WaitShown shown(window_);
        readCurrentFormat(fileName, true);
    } catch (const Exception& e) {
        ShowMessage(e.what());
        close();
        return Opening::refused;
    }
    readDamaged_ = true;
    damagedFile_ = fileName;
    fileIsOurs();
    return Opening::opened;
}

void TreeSession::adopt(std::unique_ptr<Rod> tree)
{
    tree_ = std::move(tree);
    tree_->attachEditor(&window_.treeEditor());
}

void TreeSession::readCurrentFormat(const std::string& fileName, bool readWhatCan)
{
    tree_->fileName = fileName;
    TreeFileEnvironment env = fileEnvironment();
    const LoadReport report = loadCurrentFormat(*tree_, env, readWhatCan);
    window_.showStatusText(report.lastLine);
    const std::string companion = companionFolderOf(fileName);
    mediaMissingAtOpen_.clear();
    for (const std::string& path : report.missingMedia)
        if (!companion.empty() && path.starts_with(companion))
            mediaMissingAtOpen_.push_back(path.substr(companion.size()));
    tellLoadReport(report);
    fileOnDisk_ = fileName;
    holdStoredCopyNumbers(*tree_, companion);
}

void TreeSession::readOldFormat(const std::string& fileName)
{
    tree_->fileName = fileName;
    TreeFileEnvironment env = fileEnvironment();
    tellLoadReport(loadOldFormat(*tree_, env));
    mediaMissingAtOpen_.clear();
    fileOnDisk_.clear(); // its companion folder holds no media of the current layout
}

TreeSession::Saving TreeSession::save(const Clovek* current)
{
    if (!tree_)
        return Saving::notSaved;
    if (tree_->fileName.empty())
        return Saving::nameWanted;
    if (!mayWrite())
        return Saving::notSaved;
    if (!damagedFile_.empty() && !keepDamagedFile())
        return Saving::notSaved;
    const SaveResult result = [&] {
        WaitShown shown(window_);
        TreeFileEnvironment env = fileEnvironment();
        return saveTreeFile(*tree_, current, env);
    }();
    if (result.readOnly) {
        // Another name is the only way the work can be kept: offered at once. The reason with its
        // path is told first, as the question window shows one line and would cut the question off
        // behind them.
        TextSource& texts = window_.texts();
        ShowMessage(texts.langText("chyby", "souborJenProCteni",
                                   "Soubor je jen pro čtení, lipoveta do něj nelze uložit:") +
                    " " + result.failedPath);
        const std::string question =
            texts.langText("otazky", "ulozitPodJinymJmenem", "Uložit lipoveta pod jiným jménem?");
        return window_.askYesNo(question) ? Saving::nameWanted : Saving::notSaved;
    }
    tellSaveResult(result);
    if (!result.written) {
        savingHold_.release();
        return Saving::notSaved;
    }
    fileIsOurs();
    fileOnDisk_ = tree_->fileName;
    holdStoredCopyNumbers(*tree_, companionFolderOf(tree_->fileName));
    if (!damagedCopy_.empty()) {
        ShowMessage(window_.texts().langText("chyby", "poskozenyUschovan",
                                             "Poškozený soubor lipoveta zůstal beze změny vedle nového jako "
                                             "kopie se všemi obrázky a soubory, které jmenuje:") +
                    " " + std::exchange(damagedCopy_, {}));
    }
    return Saving::saved;
}

bool TreeSession::keepDamagedFile()
{
    // The same file, however the name reaches it: through a link, "..", or a second name.
    const auto isTheDamagedFile = [this](const FileStamp& stamp) {
        return stamp.exists && stamp.device == damagedStamp_.device && stamp.inode == damagedStamp_.inode;
    };
    TextSource& texts = window_.texts();
    const auto gone = [&] {
        // Nothing is left to keep: the save goes on, and the person knows why no copy was made.
        ShowMessage(texts.langText("chyby", "poskozenyNeniNaDisku",
                                   "Poškozený soubor lipoveta, ze kterého byl načten, už na disku není, "
                                   "jeho kopie proto nevznikla:") +
                    " " + damagedFile_);
        damagedFile_.clear();
        return true;
    };
    if (!isTheDamagedFile(fileStampOf(tree_->fileName))) {
        // This save replaces another file: the damaged one waits for a save that replaces it.
        if (isTheDamagedFile(fileStampOf(damagedFile_)))
            return true;
        return gone();
    }
    try {
        damagedCopy_ = keepDamagedTreeFile(tree_->fileName);
    } catch (const EInOutError& e) {
        if (e.ErrorCode == ENOENT && !isTheDamagedFile(fileStampOf(tree_->fileName)))
            return gone();
        // This save is refused; the next one tries again.
        const std::string why = systemReasonText(e.ErrorCode);
        ShowMessage(texts.langText("chyby", "poskozenyNeuschovan",
                                   "Lipoveta nebyl uložen: kopii poškozeného souboru, který by "
                                   "nahradil, se nepodařilo uschovat:") +
                    " " + damagedFile_ + "\n" + (why.empty() ? e.Message() : why));
        return false;
    }
    damagedFile_.clear();
    return true;
}

void TreeSession::close()
{
    tree_.reset();
    fileOnDisk_.clear();
    mediaMissingAtOpen_.clear();
    readDamaged_ = false;
    damagedFile_.clear();
    damagedStamp_ = {};
    damagedCopy_.clear();
    hold_.release();
    savingHold_.release();
    emptyWorkingFolder();
}

TreeFileEnvironment TreeSession::fileEnvironment()
{
    return TreeFileEnvironment{window_.workingFolderPath(),
                               window_.programFolderPath(),
                               window_.waitWindow(),
                               window_.texts(),
                               fileOnDisk_,
                               portraitFrameHeight,
                               portraitFrameWidth,
                               readDamaged_};
}

void TreeSession::emptyWorkingFolder()
{
    resetWorkingFolder(window_.workingFolderPath(), window_.programFolderPath());
}

bool TreeSession::claim(const std::string& fileName)
{
    if (hold_.claim(fileName) != TreeFileHold::Claim::heldElsewhere)
        return true;
    ShowMessage(window_.texts().langText(
                    "chyby", "otevrenJinouKopii",
                    "Tento lipoveta má právě otevřený jiná běžící kopie programu, proto jej nelze "
                    "otevřít:") +
                " " + fileName);
    return false;
}

bool TreeSession::mayWrite()
{
    const std::string& fileName = tree_->fileName;
    TextSource& texts = window_.texts();
    if (hold_.on(fileName)) {
        if (!hold_.changedBehindOurBack())
            return true;
        return window_.askYesNo(
            texts.langText("otazky", "prepsatZmenenySoubor",
                           "Soubor lipoveta mezitím změnil jiný program. Opravdu jej přepsat?") +
            "\n" + fileName);
    }
    // A name this copy does not hold yet: Save As, or the first save of a new tree.
    if (savingHold_.claim(fileName) != TreeFileHold::Claim::heldElsewhere)
        return true;
    ShowMessage(texts.langText("chyby", "ulozeniDoOtevrenehoJinde",
                               "Tento lipoveta má právě otevřený jiná běžící kopie programu, proto do něj "
                               "nelze uložit:") +
                " " + fileName);
    return false;
}

void TreeSession::fileIsOurs()
{
    if (savingHold_.on(tree_->fileName))
        hold_.takeOver(savingHold_);
    savingHold_.release();
    if (hold_.on(tree_->fileName))
        hold_.remember();
}
