#include "storage/tree_writer.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/media.h"
#include "model/media_names.h"
#include "model/path_utils.h"
#include "model/person_fields.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "storage/body_out.h"
#include "storage/media_folders.h"
#include "storage/person_media_links.h"
#include "storage/tree_pair.h"
#include "storage/tree_progress.h"
#include "system/codec.h"
#include "system/datetime.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/numbers.h"
#include "system/system_reasons.h"

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

template<class Lines> void writeCountedLines(BodyOut& out, std::string_view key, const Lines& lines)
{
    if (lines.empty())
        return;
    out.line(key);
    out.number(static_cast<long long>(lines.size()));
    for (std::string_view line : lines)
        out.line(line);
}

template<class Ref> void writeNumberList(BodyOut& out, std::string_view key, const Prvky& links)
{
    if (links.count() == 0)
        return;
    out.line(key);
    out.number(links.count());
    for (Ref* e : links.items<Ref>())
        out.number(e->record->number);
}

void writePeriods(BodyOut& out, std::string_view key, const Prvky& periods)
{
    for (CasoveObdobi* e : periods.items<CasoveObdobi>())
        writePeriodPair(out, key, *e);
}

void writeDatumParts(BodyOut& out, const char* dayKey, const char* monthKey, const char* yearKey,
                     const Datum& date)
{
    writeTextPair(out, dayKey, date.day);
    writeTextPair(out, monthKey, date.month);
    writeTextPair(out, yearKey, date.year);
}

void writeRecordHead(BodyOut& out, const MediaRecord& record)
{
    out.number(record.number);
    out.line(record.name);
    out.line(record.year);
}

void writeComment(BodyOut& out, const MediaRecord& record)
{
    out.number(record.comment.Count());
    for (const std::string& line : record.comment)
        out.line(line);
}

template<class Ref> void writePictureStore(BodyOut& out, std::string_view key, const Prvky& store)
{
    out.line(key);
    out.number(store.count());
    for (Ref* e : store.items<Ref>()) {
        writeRecordHead(out, *e->record);
        writeComment(out, *e->record);
    }
}

void writeFileStore(BodyOut& out, const Prvky& store)
{
    out.line("[soubory]");
    out.number(store.count());
    for (UkSoubor* e : store.items<UkSoubor>()) {
        writeRecordHead(out, *e->record);
        out.line(e->record->type);
        writeComment(out, *e->record);
    }
}

void writeGroups(BodyOut& out, const Prvky& groups)
{
    out.line("[skupiny]");
    out.number(groups.count());
    std::vector<int> numbers;
    for (Group* g : groups.items<Group>()) {
        out.line(g->name);
        numbers.clear();
        for (UkGrClovek* m : g->members.items<UkGrClovek>())
            if (m->person())
                numbers.push_back(m->person()->number);
        out.number(static_cast<long long>(numbers.size()));
        for (int n : numbers)
            out.number(n);
    }
}

template<PersonField F> void writeField(BodyOut& out, const Clovek& p)
{
    constexpr const PersonFieldInfo& f = personField(F);
    if constexpr (f.onlyWhenDead)
        if (p.alive)
            return;
    if constexpr (f.kind == FieldKind::text)
        writeTextPair(out, f.fileKey, f.text.of(p));
    else if constexpr (f.kind == FieldKind::flag)
        writeFlagPair(out, f.fileKey, p.*f.flag);
    else if constexpr (f.kind == FieldKind::number)
        writeNumberPair(out, f.fileKey, p.*f.number);
    else if constexpr (f.kind == FieldKind::datePart)
        writeTextPair(out, f.fileKey, p.*f.date.*f.datePart);
    else if constexpr (f.kind == FieldKind::dateAbout)
        writeFlagPair(out, f.fileKey, p.*f.date.*f.dateAbout);
    else if constexpr (f.kind == FieldKind::dateTolerance)
        writeNumberPair(out, f.fileKey, p.*f.date.*f.dateTolerance);
    else if constexpr (f.kind == FieldKind::parent) {
        if (const Clovek* parent = p.*f.parent)
            writeNumberPair(out, f.fileKey, parent->number);
    } else if constexpr (f.kind == FieldKind::period)
        writePeriods(out, f.fileKey, p.*f.list);
    else if constexpr (f.kind == FieldKind::created) {
        out.line(f.fileKey);
        out.line(dateTimeToStr(p.created));
    } else if constexpr (f.kind == FieldKind::lines)
        writeCountedLines(out, f.fileKey, p.lines(f.noteList));
    else if constexpr (f.kind == FieldKind::mediaLinks)
        writeNumberList<typename PersonMediaLink<F>::Ref>(out, f.fileKey, p.*f.list);
    else
        static_assert(F != F, "a kind of person field the writer does not write");
}

// Every field in the table's order, unrolled: no lookup or branch on a field's kind per person.
void writePerson(BodyOut& out, const Clovek& p)
{
    out.line("<osoba>");
    [&]<size_t... I>(std::index_sequence<I...>)
    {
        (writeField<static_cast<PersonField>(I)>(out, p), ...);
    }
    (std::make_index_sequence<personFieldCount>());
}

// The order key of the partner's entry for the partnership, 0 when its list lacks it.
int orderKeyIn(const Clovek& partner, const Svatba* s)
{
    for (UkSvatba* e : partner.partnerships.items<UkSvatba>())
        if (e->partnership == s)
            return e->orderKey;
    return 0;
}

// With the order keys of the two partners' entries for the partnership.
void writePartnership(BodyOut& out, const Svatba& s, int key1, int key2)
{
    out.line("<svatba>");
    writeNumberPair(out, "[partner1]", s.partner1->number);
    writeNumberPair(out, "[partner2]", s.partner2->number);
    writeNumberPair(out, "[tag1]", key1);
    writeNumberPair(out, "[tag2]", key2);
    writeNumberPair(out, "[typ]", static_cast<int>(s.type));
    if (!s.hasWedding())
        return;
    writeDatumParts(out, "[obradDen]", "[obradMesic]", "[obradRok]", s.wedding);
    writeTextPair(out, "[svatbaMisto]", s.place);
    writeTextPair(out, "[oddavajiciKnez]", s.officiant);
    writeTextPair(out, "[svedkove]", s.witnesses);
    writeFlagPair(out, "[obradAsi]", s.wedding.about);
    writeNumberPair(out, "[obradTolerance]", s.wedding.tolerance);
    if (s.isDivorced())
        writeDatumParts(out, "[rozvodDen]", "[rozvodMesic]", "[rozvodRok]", s.divorce);
}

} // namespace

void writeTextPair(BodyOut& out, std::string_view key, const std::string& text)
{
    if (text.empty())
        return;
    out.line(key);
    out.line(text);
}

void writeFlagPair(BodyOut& out, std::string_view key, bool flag)
{
    out.line(key);
    out.line(flag ? "1" : "0");
}

void writeNumberPair(BodyOut& out, std::string_view key, long long number)
{
    out.line(key);
    out.number(number);
}

void writePeriodPair(BodyOut& out, std::string_view key, const CasoveObdobi& entry)
{
    out.line(key);
    out.line(entry.text);
    out.line(entry.from);
    out.line(entry.to);
}

void renumberPartnerships(Rod& tree)
{
    tree.forEachPerson([](Clovek* p) {
        int key = 0;
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            e->orderKey = key++;
            if (e->partnership)
                e->partnership->visited = 0;
        }
    });
}

void writeSavedStateBody(BodyOut& out, Rod& tree, int activeNumber, TreeProgress& wait)
{
    out.line("<obecne>");
    writeNumberPair(out, "[aktivni]", activeNumber);
    for (auto [key, text] : {std::pair{"[nazev]", &tree.treeName},
                             {"[autor]", &tree.author},
                             {"[vytvoreno]", &tree.createdText},
                             {"[spolupracovali]", &tree.collaborators},
                             {"[rodUser1]", &tree.userCaption1},
                             {"[rodUser2]", &tree.userCaption2},
                             {"[rodUser3]", &tree.userCaption3},
                             {"[rodUser4]", &tree.userCaption4},
                             {"[rodUser5]", &tree.userCaption5}}) {
        out.line(key);
        out.line(*text);
    }
    writeCountedLines(out, "[dalsiUdaje]", tree.furtherData);
    writePictureStore<UkFotka>(out, "[fotky]", tree.photoStore);
    writePictureStore<UkDokument>(out, "[dokumenty]", tree.documentStore);
    writeFileStore(out, tree.fileStore);
    writeGroups(out, tree.groups);

    tree.forEachPerson([&](Clovek* p) {
        wait.advance(1);
        writePerson(out, *p);
    });

    // Each partnership once, where the walk first meets it; all persons stand before it.
    renumberPartnerships(tree);
    // The key of the partner met second is taken on the way there, rather than looked for in
    // that partner's list for each record: a person of a hundred thousand partnerships would
    // have it searched a hundred thousand times. The record's visited flag tells which partner
    // met it first (1 the first partner, 2 the second, 3 both), its number holds the other's key.
    tree.forEachPerson([&](Clovek* p) {
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            Svatba* s = e->partnership;
            if (!s || !s->hasBothPartners())
                continue;
            const uint8_t role = p == s->partner1 ? 1 : p == s->partner2 ? 2 : 0;
            if (!s->visited && role) {
                s->visited = role;
                s->number = 0;
            } else if ((s->visited == 1 && role == 2) || (s->visited == 2 && role == 1)) {
                s->visited = 3;
                s->number = e->orderKey;
            }
        }
    });
    tree.forEachPerson([&](Clovek* p) {
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            Svatba* s = e->partnership;
            if (!s || s->visited == 4)
                continue;
            // A record without two partners cannot be written; a load would drop it anyway.
            if (s->hasBothPartners()) {
                // A partner whose list lacks the record gets key 0.
                const int other = s->visited == 3 ? s->number : 0;
                if (p == s->partner1)
                    writePartnership(out, *s, e->orderKey, other);
                else if (p == s->partner2)
                    writePartnership(out, *s, other, e->orderKey);
                else // in the list of neither partner (a damaged tree)
                    writePartnership(out, *s, orderKeyIn(*s->partner1, s), orderKeyIn(*s->partner2, s));
            }
            s->visited = 4;
            // The number belongs to the web export, which sets it anew.
            s->number = -1;
        }
    });
    tree.setAllPartnershipFlags(1);
    out.line("");
}

std::vector<std::string> savedStateBody(Rod& tree, int activeNumber, TreeProgress& wait)
{
    std::vector<std::string> lines;
    BodyLines out(lines);
    writeSavedStateBody(out, tree, activeNumber, wait);
    return lines;
}

std::string savedStateBytes(const std::vector<std::string>& body)
{
    std::string file;
    BodyBytes out([&](std::string_view piece) { file += piece; });
    for (const std::string& line : body)
        out.line(line);
    out.finish();
    return file;
}

std::vector<std::string> copyTreeMedia(const Rod& tree, const std::string& workingFolder,
                                       const std::string& into, const std::string& previous,
                                       TreeProgress& wait)
{
    std::vector<std::string> missing;
    auto copy = [&](const std::string& name) {
        try {
            // The copies are flushed together when the save commits.
            if (storeMedium(workingFolder, into, name))
                return;
            missing.push_back(joinPath(workingFolder, name));
            if (!previous.empty())
                storeMedium(previous, into, name);
        } catch (const EUnreadableMedium& e) {
            EMediumNotStored failure(e.Message(), e.ErrorCode, name);
            failure.unreadablePath = e.path;
            throw failure;
        } catch (const EInOutError& e) {
            throw EMediumNotStored(e.Message(), e.ErrorCode, name);
        }
    };
    for (UkFotka* e : tree.photoStore.items<UkFotka>())
        copy(e->record->storedPath());
    for (UkDokument* e : tree.documentStore.items<UkDokument>())
        copy(e->record->storedPath());
    for (UkSoubor* e : tree.fileStore.items<UkSoubor>())
        copy(e->record->storedPath());
    tree.forEachPerson([&](Clovek* p) {
        if (!p->hasPortrait)
            return;
        copy(portraitFileName(p->number));
        wait.advance(1);
    });
    return missing;
}

namespace {

std::string reasonOf(int errorCode)
{
    return systemReasonText(errorCode);
}

// Whether the system can write a file of this name: its temporary name is longer still.
bool nameFitsTheSystem(const std::string& path)
{
    const std::string name = fileNameOf(path);
    const long longest =
        ::pathconf(folderOfPath(path).empty() ? "." : folderOfPath(path).c_str(), _PC_NAME_MAX);
    return name.size() + replacementNameExtra <= static_cast<size_t>(longest > 0 ? longest : 255);
}

// A file whose permissions forbid writing it, or one on a file system mounted read-only. The
// save could still rename a new file over it; it must not.
bool isReadOnlyFile(const std::string& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

} // namespace

SaveResult saveTreeFile(Rod& tree, const Clovek* current, TreeFileEnvironment& env)
{
    SaveResult result;
    struct stat there;
    result.fileWasThere = ::lstat(savedTreeTarget(tree.fileName).c_str(), &there) == 0;
    const std::string companion = companionFolderForSave(tree.fileName, env.programFolder, env.workingFolder);
    if (companion.empty()) {
        result.unsuitableName = true;
        return result;
    }
    if (const std::string target = savedTreeTarget(tree.fileName); !nameFitsTheSystem(target)) {
        result.failedPath = tree.fileName;
        result.reason = reasonOf(ENAMETOOLONG);
        result.error = "The name \"" + tree.fileName + "\" is too long";
        return result;
    }
    if (isReadOnlyFile(savedTreeTarget(tree.fileName))) {
        result.readOnly = true;
        result.failedPath = tree.fileName;
        result.error = "The file \"" + tree.fileName + "\" is read-only";
        return result;
    }
    TreePairSave save(tree.fileName, companion);
    if (save.foreign()) {
        result.foreignFolder = true;
        result.failedPath = withoutTrailingSlashes(companion);
        result.error = "\"" + result.failedPath + "\" is not the tree's own folder";
        return result;
    }
    if (!save.ready()) {
        result.failedPath = save.failedAt().empty() ? withoutTrailingSlashes(companion) : save.failedAt();
        result.reason = reasonOf(save.failure());
        result.error = "Cannot make the folder \"" + result.failedPath + "\": " + result.reason;
        return result;
    }
    const std::string previous = env.previousTreeFile == tree.fileName ? save.currentFolder() : "";
    try {
        result.missingMedia = copyTreeMedia(tree, env.workingFolder, save.folder(), previous, env.wait);
    } catch (const EMediumNotStored& e) {
        result.unreadable = !e.unreadablePath.empty();
        result.failedPath = result.unreadable ? e.unreadablePath : save.currentFolder() + e.medium;
        result.reason = reasonOf(e.ErrorCode);
        result.error = "Cannot store \"" + result.failedPath + "\": " + result.reason;
        result.missingMedia.clear();
        return result;
    }
    if (env.keepUnrecordedMedia && !save.keepStoredCopiesLeft()) {
        result.failedPath = save.failedAt();
        result.reason = reasonOf(save.failure());
        result.error = "Cannot keep \"" + result.failedPath + "\": " + result.reason;
        result.missingMedia.clear();
        return result;
    }
    const int active = current ? current->number : tree.activePersonNumber;
    try {
        // Encoded straight into the file piece by piece: the body is never held whole.
        save.commit([&](const BodyBytes::Put& put) {
            BodyBytes out(put);
            writeSavedStateBody(out, tree, active, env.wait);
            out.finish();
        });
    } catch (const EInOutError& e) {
        result.error = e.Message();
        result.failedPath = tree.fileName;
        result.reason = reasonOf(e.ErrorCode);
        return result;
    } catch (const Exception& e) {
        result.error = e.Message();
        return result;
    }
    result.written = true;
    return result;
}
