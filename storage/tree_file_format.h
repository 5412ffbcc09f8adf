#pragma once
// The tree file (".rod"): what its writer and both loaders share. The file is Windows-1250
// text with CR LF line ends: three header lines, an empty line, then the body with every byte
// raised by one (modulo 256), so its own line ends stand as 0x0E 0x0B and the whole body is one
// long line, followed by the file's CR LF. Older versions (1.0.13 to 1.0.16) wrote an unshifted
// tag format instead (storage/old_format_loader.h).
#include "system/exceptions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Clovek;
class TextSource;
class TreeProgress;

inline constexpr std::string_view savedStateTitle = "Kinvelor - ulozeny stav - nemente!";
// No reader looks at the second line.
inline constexpr std::string_view savedStateNote = "Kinvelor";
inline constexpr std::string_view savedStateVersion = "verze 1.0.18";

// The most bytes 0xFF (the letter "˙", stored as zero bytes) the body holds in a row. A longer
// run is what a crash leaves of a block that was never written: in a text with more, every
// letter past the run is written as its reference "&#729;".
inline constexpr size_t longestFFRun = 7;

// Every byte b becomes (b + 1) modulo 256, or back.
void shiftBody(std::string& bytes);
void unshiftBody(std::string& bytes);

// What is wrong at a line of a damaged tree file, as the person is told it.
enum class TreeDamage : uint8_t {
    unknown, // no line is to blame: a header missing, a file that is no tree file
    notAFlag, // a flag neither "1" nor "0"
    unknownLine, // a line that is no key of the format where a key belongs
    misplaced, // a key outside the block it belongs to, a block out of its order
    keyTwice, // a key twice in one block
    blockKeys, // a block without the keys the first block of its kind had, or with others
    creationTime, // a creation time that cannot be read among ones that can
    emptyLine, // an empty line before the body's end, or a line after it
    zeroedBytes, // zeroed bytes or a NUL byte: what a crash leaves of a block never written
    notANumber, // a number that is not one, or a count below zero
    cutShort, // the file ends before the body does
    storeTwice, // a list of the tree's media or groups twice in the general block
    recordTwice, // a medium of a number the tree's store already has
};

// A tree file that cannot be what it claims: cut short, a number that is not one, a header
// missing, a line that is no key where a key belongs. Loading stops; the tree read so far is
// discarded by the caller.
class EDamagedTreeFile : public Exception {
public:
    explicit EDamagedTreeFile(const std::string& message, int atLine = 0,
                              TreeDamage kind = TreeDamage::unknown, std::string atKey = {},
                              std::string value = {})
        : Exception(message), line(atLine), damage(kind), key(std::move(atKey)), text(std::move(value))
    {
    }
    // The file's line where reading went wrong (from 1), 0 when no line is to blame.
    int line = 0;
    TreeDamage damage = TreeDamage::unknown;
    // The key whose value is wrong ("[zamek]"), or the keys a block lacks or has beyond the
    // others; empty when the line itself is wrong.
    std::string key;
    // The line as it stands (UTF-8, cut to a readable length); empty when it says nothing.
    std::string text;
};

// One thing a tree file read as far as it can be (loadCurrentFormat with `readWhatCan`) held that
// a whole file does not, and what became of it.
struct DamageNote {
    int line = 0;
    TreeDamage damage = TreeDamage::unknown;
    std::string key;
    std::string text;
    // The person whose block it stood in, or null.
    const Clovek* person = nullptr;
    // Set for the damage where reading stopped: the rest of the file is left out.
    bool stopped = false;
};

// What the writer and the loaders need of the main window.
struct TreeFileEnvironment {
    // Program folder + "temp/", where the open tree's media live.
    std::string workingFolder;
    // The folder of the executable, ending in "/".
    std::string programFolder;
    // Told of the work done; the main window steps its wait window by it.
    TreeProgress& wait;
    TextSource& texts;
    // The tree file the open tree was read from or last saved to, where a save may take a
    // medium the working folder lost from; empty for a new tree (or one read from an old file),
    // so a Save As never takes another tree's pictures.
    std::string previousTreeFile{};
    // The portrait frame of the main window (old portraits are scaled to fit it).
    int portraitHeight = 200;
    int portraitWidth = 150;
    // Set for a tree read from a damaged file: a save keeps every stored copy of the companion
    // folder that the tree has no record of, as the damage may have taken the record.
    bool keepUnrecordedMedia = false;
};

// What a load met that the person should hear of; the loaders show nothing themselves.
struct LoadReport {
    // Stored copies that were not found (their paths in the companion folder). Their records
    // and portrait flags stay in the tree, so a save keeps them in the file.
    std::vector<std::string> missingMedia;
    // One text per medium of an old file that could not be converted.
    std::vector<std::string> messages;
    // The last body line read (the current format only).
    std::string lastLine;
    // The persons (each once) whose dates, or whose partnerships' dates, hold a part that is
    // neither "?" nor a number: kept as read, compared as unknown.
    std::vector<const Clovek*> unreadableDates;
    // What a tree read as far as it can be held that a whole file does not, in the file's order;
    // the last one stopped the reading when its file was cut or zeroed there.
    std::vector<DamageNote> damage;
};

// Which loader a file's third line (the version line) calls for.
enum class TreeFileKind {
    Current, // the byte-shifted format of this version
    Old, // the tag format of versions 1.0.13 to 1.0.16
    TooOld, // refused: older than 1.0.13
    Damaged, // no version line, or its last two characters are not a number
};
TreeFileKind classifyVersionLine(std::string_view versionLine);
// The third line of a file without its line end, at most 1,000 characters. Raises EInOutError
// when the file cannot be read and EDamagedTreeFile when it has no third line.
std::string readVersionLine(const std::string& fileName);

// The program's message for a tree file that cannot be read: the language text and the name,
// and the line where reading went wrong when one is known, with what is wrong there (`why`).
std::string damagedTreeFileMessage(TextSource& texts, const std::string& fileName, int line = 0,
                                   const std::string& why = {});
// The text "nenalezen!" a missing stored copy is reported with, after its path.
std::string notFoundText(TextSource& texts);
