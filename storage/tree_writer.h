#pragma once
// Writing a tree: the body of its tree file, the file itself and the companion folder with the
// stored copies of its media (storage/tree_file_format.h, storage/media_folders.h).
#include "storage/tree_file_format.h"

#include <string>
#include <utility>
#include <vector>

class BodyOut;
class CasoveObdobi;
class Clovek;
class Rod;
class TStringList;

// --- the body, one line per item (storage/body_out.h) ---
// The key line and the text, only when the text is not empty.
void writeTextPair(BodyOut& out, std::string_view key, const std::string& text);
// The key line and "1" or "0".
void writeFlagPair(BodyOut& out, std::string_view key, bool flag);
// The key line and the number in decimal.
void writeNumberPair(BodyOut& out, std::string_view key, long long number);
// The key line and the entry's text, "from" and "to".
void writePeriodPair(BodyOut& out, std::string_view key, const CasoveObdobi& entry);

// Numbers every person's partnership entries 0, 1, 2, ... in list order and clears the mark of
// each partnership.
void renumberPartnerships(Rod& tree);

// The whole body of the tree's file, in the order the loaders expect. `activeNumber` is the
// number of the person shown when saving. Renumbers the partnership entries and leaves every
// partnership marked. Reports a step of progress per person.
void writeSavedStateBody(BodyOut& out, Rod& tree, int activeNumber, TreeProgress& wait);
// The same body as lines.
std::vector<std::string> savedStateBody(Rod& tree, int activeNumber, TreeProgress& wait);

// The file's bytes: the header, then the body's lines as Windows-1250, each ended by CR LF,
// shifted. A CR, LF or NUL inside a line would break the file, so each becomes a blank.
std::string savedStateBytes(const std::vector<std::string>& body);

// What a save did, for the main window to tell.
struct SaveResult {
    // The tree file and its companion folder were replaced.
    bool written = false;
    // Media the working folder no longer held (their paths there). The save went on without
    // them; where the companion folder of the same file (env.previousTreeFile) held a copy,
    // that copy was kept.
    std::vector<std::string> missingMedia;
    // Why nothing was written (with `written` false): a file or folder that could not be
    // made, or a name under which no companion folder may be built.
    std::string error;
    // With `written` false, the file or folder the failure concerns as the person knows it
    // (never the folder a save builds on the side) and the system's reason in Czech
    // (systemReasonText, system/system_reasons.h), where known.
    std::string failedPath;
    std::string reason;
    // Set when the name is one no companion folder may be made for.
    bool unsuitableName = false;
    // Set when a file, or a folder that is not this tree's, stands where the companion folder
    // goes (failedPath names it): the save never replaces it.
    bool foreignFolder = false;
    // Set when the tree file is read-only (failedPath names it).
    bool readOnly = false;
    // Set when failedPath is a file or folder that could not be read (reason says why).
    bool unreadable = false;
    // Whether a file (or what a link there leads to) stood under the name when the save began:
    // with `written` false it is still as it was; without one, nothing was written.
    bool fileWasThere = false;
    explicit operator bool() const { return written; }
};

// A medium that is there but could not be stored (no space, no permission, an I/O error).
class EMediumNotStored : public EInOutError {
public:
    EMediumNotStored(const std::string& message, int errorCode, std::string file)
        : EInOutError(message, errorCode), medium(std::move(file))
    {
    }
    // Its name relative to the media folders, e.g. "foto/foto3.jpg".
    std::string medium;
    // The copy that could not be read, when it was the reading that failed.
    std::string unreadablePath;
};

// Copies every medium of the tree (each record of the three stores, each portrait) from the
// working folder into the new companion folder `into`; a medium missing there is taken from
// the current companion folder `previous` when it holds one. Answers the media the working
// folder did not hold (their paths there). Only a medium that does not exist is missing: one
// that cannot be read or written raises EMediumNotStored. Reports a step of progress per
// portrait.
std::vector<std::string> copyTreeMedia(const Rod& tree, const std::string& workingFolder,
                                       const std::string& into, const std::string& previous,
                                       TreeProgress& wait);

// The save: the tree file and its companion folder replaced as one pair (storage/tree_pair.h).
// `current` is the person shown (its number is saved as the active one). Shows nothing: what
// happened is answered; when nothing was written the old file and folder stay as they were.
SaveResult saveTreeFile(Rod& tree, const Clovek* current, TreeFileEnvironment& env);
