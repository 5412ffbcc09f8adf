#pragma once
// The active language file: every visible text is looked up in it by section and key with a
// Czech default. A key that is missing or empty receives its default at once, on disk too, and
// is listed in the missing-key log for the translators.
#include "model/text_source.h"
#include "system/inifile.h"

#include <functional>
#include <string>
#include <vector>

inline constexpr const char* kDefaultLanguageFileName = "cestina.lan";
// The message shown when the language file or the log cannot be written.
inline constexpr const char* kLanguageFileProblem = "Problém při práci s jazykovým souborem!";

// "data/lang/" below the program folder (which ends with "/").
std::string languageFolder(const std::string& programFolder);
// The missing-key log "data/lang/new.txt" below the program folder.
std::string missingKeyLogPath(const std::string& programFolder);

// True for a bare file name ending in ".lan" (any case): no folder part, no "..". Only such a
// name may come from the settings, because the language file is written and the tip file is
// read beside it.
bool isLanguageFileName(const std::string& name);
// The name itself when it is a language file name, else "cestina.lan".
std::string safeLanguageFileName(const std::string& name);

// A program folder whose "data/lang/" holds no language file at all gets the program's Czech
// one, named in its section "info" so that the language choice offers it; the lookups then add
// their texts to it. True when it was written; raises EInOutError when it cannot be.
bool provideCzechLanguageFile(const std::string& programFolder);

class LanguageFile : public TextSource {
public:
    // Writes the language file and the log; tests hand in one that fails.
    using LinesWriter = std::function<void(const std::string& path, const std::vector<std::string>&)>;

    LanguageFile(std::string path, std::string logPath);

    // Reads the file whole. A missing file is an empty language (written by the first
    // write-back). A file that exists but cannot be read is an empty language that is never
    // written, so the translator's file is not overwritten by the defaults; the problem is
    // reported once. A file that holds no language at all (garbage, UTF-16) is renamed to a
    // free name ending ".necitelny" beside it, the person is told (through `onProblem`), and
    // a new file of the old name gets the defaults.
    void load();

    // Holds back the writing of missing keys while it lives: each key is stored in memory at
    // once, and the file and the log are each written in one piece when the outermost batch
    // ends. A language load looks up well over a thousand keys in one batch, so a first start
    // writes the file once instead of once per key.
    class Batch {
    public:
        explicit Batch(LanguageFile& file) : file_(file) { ++file_.batchDepth_; }
        // Reports a failed write as a lookup does (a message may be shown from here).
        ~Batch() noexcept(false)
        {
            if (--file_.batchDepth_ == 0)
                file_.writeBack();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        LanguageFile& file_;
    };

    // The standard lookup. A missing or empty key is stored with the default, the file is
    // rewritten whole and the key is logged (at the end of the batch, inside one); a stored
    // single blank is the empty text. When the file or the log cannot be written the default
    // is still returned and the problem is reported once for this loaded file.
    std::string langText(const std::string& section, const std::string& key,
                         const std::string& defaultText) override;
    // The plain read: the stored value unchanged, the default when absent; writes nothing.
    std::string readText(const std::string& section, const std::string& key,
                         const std::string& defaultText) override;

    const std::string& path() const { return path_; }
    const TMemIniFile& ini() const { return ini_; }

    // Called with kLanguageFileProblem at the first failure after a load.
    std::function<void(const std::string& message)> onProblem;
    LinesWriter writeLines;

private:
    void reportProblem();
    // Writes the file and logs the keys stored since the last write.
    void writeBack();

    std::string path_;
    std::string logPath_;
    TMemIniFile ini_;
    bool writable_ = true;
    bool problemReported_ = false;
    int batchDepth_ = 0;
    std::vector<std::string> unwrittenKeys_; // log lines of keys not yet written
};
