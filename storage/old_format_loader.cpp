#include "storage/old_format_loader.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/media.h"
#include "model/media_names.h"
#include "model/path_utils.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "storage/media_folders.h"
#include "storage/tree_progress.h"
#include "system/codec.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/numbers.h"
#include "system/text.h"

#include <memory>
#include <set>
#include <unordered_map>
#include <vector>

TDateTime readOldCreationTime(const std::string& line)
{
    const std::string trimmed = trim(line);
    std::string text = trimmed;
    size_t sep = text.find('.');
    if (sep == std::string::npos)
        sep = text.find(',');
    if (sep != std::string::npos)
        text = text.substr(0, sep) + "," + text.substr(sep + 1);
    if (size_t plus = text.find('+'); plus != std::string::npos)
        text.erase(plus, 1);
    // A value outside the years 1 to 9999 is damaged: the person gets the time of the load, as
    // for a value that is no number.
    double value;
    if (tryStrToFloat(text, value))
        return isDateTimeInRange(value) ? value : now();
    const std::string digits = countDigits(trimmed) > 4 ? firstDigits(trimmed, 5) : trimmed;
    int days;
    if (tryStrToInt(digits, days) && isDateTimeInRange(days))
        return days;
    return now();
}

namespace {

// The lines of the old file, handed out one by one; a read past the last is a damaged file.
class OldLines {
public:
    explicit OldLines(const std::string& fileName)
    {
        const std::string bytes = readFileBytes(fileName);
        size_t pos = 0;
        while (pos < bytes.size()) {
            size_t lf = bytes.find('\n', pos);
            size_t end = lf == std::string::npos ? bytes.size() : lf;
            size_t cut = end > pos && bytes[end - 1] == '\r' ? end - 1 : end;
            lines_.push_back(cp1250ToUtf8(std::string_view(bytes).substr(pos, cut - pos)));
            pos = lf == std::string::npos ? bytes.size() : lf + 1;
        }
    }
    const std::string& next()
    {
        if (next_ >= lines_.size())
            throw EDamagedTreeFile("The old tree file ends too early", static_cast<int>(next_ + 1));
        return lines_[next_++];
    }
    // The line handed out last, counted from 1.
    int number() const { return static_cast<int>(next_); }

private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
};

struct OldMediaKind {
    const char* picture; // "foto" + n + ".jpg"
    const char* extension; // of the picture or recording
    const char* caption; // + n + ".rdk": name and year
    const char* comment; // + n + ".rdk": comment lines
    const char* failureKey;
    const char* failureText;
};

const OldMediaKind oldPhotos{"foto",
                             "jpg",
                             "popisek1",
                             "popisek2",
                             "fotkaStara",
                             "Nepodařilo se načíst fotku ze starší verze programu, bude nutno "
                             "vložit ji znovu (tato hláška se může objevit v průběhu nahrávání "
                             "několikrát)."};
const OldMediaKind oldDocuments{"dok",
                                "jpg",
                                "popisdok1",
                                "popisdok2",
                                "dokumentStary",
                                "Nepodařilo se načíst dokument ze starší verze programu, bude "
                                "nutno vložit ji znovu (tato hláška se může objevit v průběhu "
                                "nahrávání několikrát)."};
const OldMediaKind oldRecordings{"zvuk",
                                 "wav",
                                 "popiszv1",
                                 "popiszv2",
                                 "staryZvuk",
                                 "Nepodařilo se načíst zvukový záznam ze starší verze programu, "
                                 "bude nutno vložit ji znovu (tato hláška se může objevit v "
                                 "průběhu nahrávání několikrát)."};

class OldFormatLoader {
public:
    OldFormatLoader(Rod& tree, TreeFileEnvironment& env)
        : tree_(tree), env_(env), lines_(tree.fileName), companion_(companionFolderOf(tree.fileName))
    {
    }

    void read();
    std::vector<std::string> takeMessages() { return std::move(messages_); }

private:
    // --- the readers: each takes the value line and the line that closes the entry ---
    std::string readOldText()
    {
        std::string value = lines_.next();
        lines_.next();
        return value;
    }
    bool readOldFlag() { return readOldText() == "1"; }
    int readOldNumber()
    {
        const std::string value = lines_.next();
        const int line = lines_.number();
        lines_.next();
        int n;
        if (!tryStrToInt(value, n))
            throw EDamagedTreeFile("Not a number: " + value, line);
        return n;
    }
    // A block that opens inside one that never closed: its lines would go to the wrong person.
    [[noreturn]] void unclosed() const
    {
        throw EDamagedTreeFile("A block that does not close", lines_.number());
    }
    void readOldPeriod(Prvky& list)
    {
        std::string text = readOldText();
        if (!text.empty())
            list.append(std::make_unique<CasoveObdobi>(text));
    }
    TDateTime readOldCreationTime() { return ::readOldCreationTime(readOldText()); }
    void readPlaceholder(Clovek*& link)
    {
        const int n = readOldNumber();
        auto* placeholder = new Clovek;
        placeholder->number = n;
        delete link; // a second tag replaces the first placeholder
        link = placeholder;
    }

    void readPerson();
    bool readPersonEntry(const std::string& tag, Clovek& p);
    void readPartnerships(Clovek& p);
    void readOldMedia(Clovek& p, const OldMediaKind& kind);
    bool convertMedium(Clovek& p, const OldMediaKind& kind, const std::string& source, int n);
    std::string personFolder(const Clovek& p) const
    {
        return companion_ + "osoba" + std::to_string(p.number) + "/";
    }
    // The existing file `name` in `folder` (of the companion folder), in whatever letter case
    // it was copied; else empty. A tree file without an extension has no companion folder.
    std::string existing(const std::string& folder, const std::string& name) const
    {
        return companion_.empty() ? std::string() : findFileCaseInsensitive(folder + name);
    }

    Rod& tree_;
    TreeFileEnvironment& env_;
    OldLines lines_;
    std::string companion_;
    std::vector<std::string> messages_;
};

void OldFormatLoader::read()
{
    for (int i = 0; i < 4; ++i)
        lines_.next();
    tree_.treeName = lines_.next();
    while (lines_.next() != "<=start>") { }
    const std::unordered_map<std::string, std::string Rod::*> treeTags = {
        {"<autor>", &Rod::author},
        {"<vytvoreno>", &Rod::createdText},
        {"<spolupracovali>", &Rod::collaborators},
        {"<username1>", &Rod::userCaption1},
        {"<username2>", &Rod::userCaption2},
        {"<username3>", &Rod::userCaption3},
        {"<username4>", &Rod::userCaption4},
        {"<username5>", &Rod::userCaption5},
    };
    for (std::string line = lines_.next(); line != "</osoby>"; line = lines_.next()) {
        if (auto found = treeTags.find(line); found != treeTags.end())
            tree_.*found->second = readOldText();
        else if (line == "<osoba>")
            readPerson();
    }
    if (std::string info = existing(companion_, "obecne/info.rdk"); !info.empty()) {
        try {
            tree_.furtherData = readCp1250Lines(info);
        } catch (const EInOutError&) {
        }
    }
}

void OldFormatLoader::readPerson()
{
    auto person = std::make_unique<Clovek>();
    env_.wait.advance(1);
    Clovek* p = tree_.appendPerson(std::move(person));
    for (std::string line = lines_.next(); line != "</osoba>"; line = lines_.next())
        if (!readPersonEntry(line, *p) && (line == "<osoba>" || line == "</osoby>"))
            unclosed();

    for (SparseText* part : {&p->birth.day, &p->birth.month, &p->birth.year})
        if (!isDigitText(*part))
            *part = "?";
    p->alive = 0;
    for (SparseText* part : {&p->death.day, &p->death.month, &p->death.year})
        if (sameText(*part, "X")) {
            p->alive = 1;
            *part = "?";
        }
    p->dropPartnershipsWithoutPartner();
    p->convertOldPartnershipDates();

    const std::string folder = personFolder(*p);
    if (std::string head = existing(folder, "hlava.jpg"); !head.empty()) {
        try {
            p->importPortraitJpeg(head, env_.workingFolder, env_.portraitHeight, env_.portraitWidth);
        } catch (const Exception&) {
            // An unreadable old portrait is left behind; the person simply has none.
        }
        env_.wait.advance(1);
    }
    if (std::string texts = existing(folder, "texty.rdk"); !texts.empty()) {
        try {
            p->setFurtherTexts(readCp1250Lines(texts));
        } catch (const EInOutError&) {
        }
        env_.wait.advance(1);
    }
}

bool OldFormatLoader::readPersonEntry(const std::string& tag, Clovek& p)
{
    static const std::unordered_map<std::string, PersonTextField> texts = {
        {"<jmeno>", &Clovek::firstName},
        {"<prijm>", &Clovek::surname},
        {"<rodprijm>", &Clovek::birthSurname},
        {"<titulpred>", &Clovek::titlesBefore},
        {"<titulza>", &Clovek::titlesAfter},
        {"<naroz_misto>", &Clovek::birthPlace},
        {"<smrt_misto>", &Clovek::deathPlace},
        {"<smrt_pricina>", &Clovek::deathCause},
        {"<pohreb>", &Clovek::burial},
        {"<narodnost>", &Clovek::nationality},
        {"<prislusnost>", &Clovek::citizenship},
        {"<email>", &Clovek::email1},
        {"<telefon>", &Clovek::phone1},
        {"<www>", &Clovek::web1},
        {"<vyznani>", &Clovek::religion},
        {"<krest>", &Clovek::baptism},
        {"<user1>", &Clovek::user1},
        {"<user2>", &Clovek::user2},
        {"<user3>", &Clovek::user3},
        {"<user4>", &Clovek::user4},
        {"<user5>", &Clovek::user5},
        {"<kmotr1>", &Clovek::godparent1},
        {"<kmotr2>", &Clovek::godparent2},
    };
    static const std::unordered_map<std::string, SparseText Datum::*> birthParts = {
        {"<naroz_den>", &Datum::day}, {"<naroz_mesic>", &Datum::month}, {"<naroz_rok>", &Datum::year}};
    static const std::unordered_map<std::string, SparseText Datum::*> deathParts = {
        {"<smrt_den>", &Datum::day}, {"<smrt_mesic>", &Datum::month}, {"<smrt_rok>", &Datum::year}};
    static const std::unordered_map<std::string, SparseList Clovek::*> periods = {
        {"<bydliste>", &Clovek::residences},
        {"<vzdelani>", &Clovek::educations},
        {"<povolani>", &Clovek::occupations}};

    if (tag == "<cislo>")
        p.number = readOldNumber();
    else if (tag == "<pohlavi>")
        p.sex = readOldFlag();
    else if (auto t = texts.find(tag); t != texts.end())
        t->second.set(p, readOldText());
    else if (auto b = birthParts.find(tag); b != birthParts.end())
        p.birth.*b->second = readOldText();
    else if (auto d = deathParts.find(tag); d != deathParts.end())
        p.death.*d->second = readOldText();
    else if (auto e = periods.find(tag); e != periods.end())
        readOldPeriod((p.*e->second).own());
    else if (tag == "<vlozeni>")
        p.created = readOldCreationTime();
    else if (tag == "<otec>")
        readPlaceholder(p.father);
    else if (tag == "<matka>")
        readPlaceholder(p.mother);
    else if (tag == "<svatby>")
        readPartnerships(p);
    else if (tag == "<fotky>")
        readOldMedia(p, oldPhotos);
    else if (tag == "<dok>")
        readOldMedia(p, oldDocuments);
    else if (tag == "<zv>")
        readOldMedia(p, oldRecordings);
    else
        return false;
    return true;
}

void OldFormatLoader::readPartnerships(Clovek& p)
{
    static const std::unordered_map<std::string, SparseText Datum::*> wedding = {
        {"<sv_den>", &Datum::day}, {"<sv_mesic>", &Datum::month}, {"<sv_rok>", &Datum::year}};
    static const std::unordered_map<std::string, SparseText Datum::*> divorce = {
        {"<sv_xden>", &Datum::day}, {"<sv_xmesic>", &Datum::month}, {"<sv_xrok>", &Datum::year}};
    // Entries before the first "<svatba>" have no partnership to go to.
    Svatba scratch;
    struct DropPlaceholder {
        Svatba& s;
        ~DropPlaceholder() { delete s.partner2; }
    } dropScratchPartner{scratch};
    Svatba* current = &scratch;
    for (std::string line = lines_.next(); line != "</svatby>"; line = lines_.next()) {
        if (line == "<svatba>") {
            current = new Svatba;
            current->partner1 = &p;
            p.partnerships.append(std::make_unique<UkSvatba>(current));
        } else if (auto w = wedding.find(line); w != wedding.end()) {
            current->wedding.*w->second = readOldText();
        } else if (auto d = divorce.find(line); d != divorce.end()) {
            current->divorce.*d->second = readOldText();
        } else if (line == "<sv_misto>") {
            current->place = readOldText();
        } else if (line == "<partner>") {
            readPlaceholder(current->partner2);
        } else if (line == "<svatby>" || line == "<osoba>" || line == "</osoba>" || line == "</osoby>") {
            unclosed();
        }
    }
}

void OldFormatLoader::readOldMedia(Clovek& p, const OldMediaKind& kind)
{
    int count;
    if (!tryStrToInt(lines_.next(), count))
        throw EDamagedTreeFile("Not a number of old media", lines_.number());
    // Only the media that exist are converted, so a count read from the file never makes the
    // loop longer than the folder.
    const std::string folder = personFolder(p);
    const std::string prefix = kind.picture;
    const std::string suffix = std::string(".") + kind.extension;
    std::set<int> present;
    for (const std::string& name : listFolder(folder, prefix + "*" + suffix)) {
        const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        int n;
        if (isDigitText(middle) && tryStrToInt(middle, n) && n >= 1 && n <= count && intToStr(n) == middle)
            present.insert(n);
    }
    for (int n : present) {
        const std::string source = existing(folder, prefix + intToStr(n) + suffix);
        if (source.empty())
            continue;
        if (!convertMedium(p, kind, source, n))
            messages_.push_back(env_.texts.langText("chyby", kind.failureKey, kind.failureText));
        env_.wait.advance(1);
    }
}

bool OldFormatLoader::convertMedium(Clovek& p, const OldMediaKind& kind, const std::string& source, int n)
{
    const std::string folder = personFolder(p);
    std::string name, year;
    TStringList comment;
    try {
        if (std::string caption = existing(folder, kind.caption + intToStr(n) + ".rdk"); !caption.empty()) {
            const std::vector<std::string> lines = readCp1250Lines(caption);
            if (lines.size() < 2)
                return false;
            name = lines[0];
            year = lines[1];
        }
        if (std::string text = existing(folder, kind.comment + intToStr(n) + ".rdk"); !text.empty())
            for (const std::string& line : readCp1250Lines(text))
                comment.Add(line);

        MediaRecord* record = nullptr;
        if (&kind == &oldPhotos) {
            Fotka* photo = tree_.addPhotoFromJpeg(source, env_.workingFolder);
            p.photos.append(std::make_unique<UkFotka>(photo));
            record = photo;
        } else if (&kind == &oldDocuments) {
            Dokument* document = tree_.addDocumentFromJpeg(source, env_.workingFolder);
            p.documents.append(std::make_unique<UkDokument>(document));
            record = document;
        } else {
            const int number = tree_.firstFreeFileNumber();
            if (!copyFile(source, joinPath(env_.workingFolder, attachedFileName(number, "wav")), true))
                return false;
            auto* file = new Soubor(number);
            file->type = "wav";
            tree_.fileStore.append(std::make_unique<UkSoubor>(file));
            p.files.append(std::make_unique<UkSoubor>(file));
            record = file;
        }
        record->name = name;
        record->year = year;
        record->comment.Assign(comment);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

} // namespace

LoadReport loadOldFormat(Rod& tree, TreeFileEnvironment& env)
{
    OldFormatLoader loader(tree, env);
    try {
        loader.read();
    } catch (...) {
        // Placeholders still stand for parents and partners; resolving them frees them.
        tree.relinkParentsAndPartners();
        throw;
    }
    env.wait.advance(5);
    tree.relinkParentsAndPartners();
    // A partner number that names nobody, or the person itself, leaves no partnership.
    tree.forEachPerson([](Clovek* p) { p->dropPartnershipsWithoutPartner(); });
    env.wait.advance(5);
    tree.sharePartnerships();
    LoadReport report{{}, loader.takeMessages(), {}, {}, {}};
    tree.forEachPerson([&](const Clovek* p) {
        if (hasUnreadablePart(p->birth) || hasUnreadablePart(p->death))
            report.unreadableDates.push_back(p);
    });
    return report;
}
