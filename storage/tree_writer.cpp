#include "storage/tree_writer.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/media.h"
#include "model/media_names.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "platform/codec.h"
#include "platform/datetime.h"
#include "platform/fileio.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "storage/media_folders.h"
#include "storage/tree_pair.h"
#include "storage/wait_window.h"

namespace {

using Lines = std::vector<std::string>;

void writeCountedLines(Lines& list, std::string_view key, const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    list.emplace_back(key);
    list.push_back(intToStr(static_cast<long long>(lines.size())));
    list.insert(list.end(), lines.begin(), lines.end());
}

template <class Ref>
void writeNumberList(Lines& list, std::string_view key, const Prvky& links)
{
    if (links.count() == 0)
        return;
    list.emplace_back(key);
    list.push_back(intToStr(links.count()));
    for (Ref* e : links.items<Ref>())
        list.push_back(intToStr(e->record->number));
}

void writePeriods(Lines& list, std::string_view key, const Prvky& periods)
{
    for (CasoveObdobi* e : periods.items<CasoveObdobi>())
        writePeriodPair(list, key, *e);
}

void writeDatumParts(Lines& list, const char* dayKey, const char* monthKey, const char* yearKey,
                     const Datum& date)
{
    writeTextPair(list, dayKey, date.day);
    writeTextPair(list, monthKey, date.month);
    writeTextPair(list, yearKey, date.year);
}

void writeRecordHead(Lines& list, const MediaRecord& record)
{
    list.push_back(intToStr(record.number));
    list.push_back(record.name);
    list.push_back(record.year);
}

void writeComment(Lines& list, const MediaRecord& record)
{
    list.push_back(intToStr(record.comment.Count()));
    for (const std::string& line : record.comment)
        list.push_back(line);
}

template <class Ref>
void writePictureStore(Lines& list, std::string_view key, const Prvky& store)
{
    list.emplace_back(key);
    list.push_back(intToStr(store.count()));
    for (Ref* e : store.items<Ref>()) {
        writeRecordHead(list, *e->record);
        writeComment(list, *e->record);
    }
}

void writeFileStore(Lines& list, const Prvky& store)
{
    list.emplace_back("[soubory]");
    list.push_back(intToStr(store.count()));
    for (UkSoubor* e : store.items<UkSoubor>()) {
        writeRecordHead(list, *e->record);
        list.push_back(e->record->type);
        writeComment(list, *e->record);
    }
}

void writeGroups(Lines& list, const Prvky& groups)
{
    list.emplace_back("[skupiny]");
    list.push_back(intToStr(groups.count()));
    std::vector<int> numbers;
    for (Group* g : groups.items<Group>()) {
        list.push_back(g->name);
        numbers.clear();
        for (UkGrClovek* m : g->members.items<UkGrClovek>())
            if (m->person())
                numbers.push_back(m->person()->number);
        list.push_back(intToStr(static_cast<long long>(numbers.size())));
        for (int n : numbers)
            list.push_back(intToStr(n));
    }
}

void writePerson(Lines& list, const Clovek& p)
{
    list.emplace_back("<osoba>");
    writeNumberPair(list, "[cislo]", p.number);
    writeTextPair(list, "[identifikator]", p.identifier);
    writeFlagPair(list, "[zamek]", p.lock);
    writeTextPair(list, "[jmeno]", p.firstName);
    writeTextPair(list, "[prijmeni]", p.surname);
    writeTextPair(list, "[rodnePrijmeni]", p.birthSurname);
    writeFlagPair(list, "[pohlavi]", p.sex);
    writeTextPair(list, "[titulPred]", p.titlesBefore);
    writeTextPair(list, "[titulZa]", p.titlesAfter);
    writeFlagPair(list, "[zije]", p.alive);
    writeDatumParts(list, "[narozDen]", "[narozMesic]", "[narozRok]", p.birth);
    writeTextPair(list, "[narozMisto]", p.birthPlace);
    writeFlagPair(list, "[narozAsi]", p.birth.about);
    writeNumberPair(list, "[narozTolerance]", p.birth.tolerance);
    if (!p.alive) {
        writeDatumParts(list, "[smrtDen]", "[smrtMesic]", "[smrtRok]", p.death);
        writeTextPair(list, "[smrtMisto]", p.deathPlace);
        writeTextPair(list, "[smrtPohreb]", p.burial);
        writeTextPair(list, "[smrtPricina]", p.deathCause);
        writeFlagPair(list, "[smrtAsi]", p.death.about);
        writeNumberPair(list, "[smrtTolerance]", p.death.tolerance);
    }
    writeFlagPair(list, "[hlava]", p.hasPortrait);
    if (p.father)
        writeNumberPair(list, "[otec]", p.father->number);
    if (p.mother)
        writeNumberPair(list, "[matka]", p.mother->number);
    writePeriods(list, "[bydliste]", p.residences);
    writePeriods(list, "[vzdelani]", p.educations);
    writePeriods(list, "[povolani]", p.occupations);
    writeTextPair(list, "[vyznani]", p.religion);
    writeTextPair(list, "[krest]", p.baptism);
    writeTextPair(list, "[kmotr1]", p.godparent1);
    writeTextPair(list, "[kmotr2]", p.godparent2);
    writeTextPair(list, "[narodnost]", p.nationality);
    writeTextPair(list, "[statniPrislusnost]", p.citizenship);
    writeTextPair(list, "[email1]", p.email1);
    writeTextPair(list, "[email2]", p.email2);
    writeTextPair(list, "[telefon1]", p.phone1);
    writeTextPair(list, "[telefon2]", p.phone2);
    writeTextPair(list, "[www1]", p.web1);
    writeTextPair(list, "[www2]", p.web2);
    list.emplace_back("[datumVlozeni]");
    list.push_back(dateTimeToStr(p.created));
    writeTextPair(list, "[user1]", p.user1);
    writeTextPair(list, "[user2]", p.user2);
    writeTextPair(list, "[user3]", p.user3);
    writeTextPair(list, "[user4]", p.user4);
    writeTextPair(list, "[user5]", p.user5);
    writeCountedLines(list, "[doplnujiciTexty]", p.furtherTexts);
    writeCountedLines(list, "[matriky]", p.registerNotes);
    writeNumberList<UkFotka>(list, "[foto]", p.photos);
    writeNumberList<UkDokument>(list, "[dokumenty]", p.documents);
    writeNumberList<UkSoubor>(list, "[soubory]", p.files);
}

// The order key of the partner's entry for the partnership.
int orderKeyIn(const Clovek& partner, const Svatba* s)
{
    for (UkSvatba* e : partner.partnerships.items<UkSvatba>())
        if (e->partnership == s)
            return e->orderKey;
    return 0;
}

void writePartnership(Lines& list, const Svatba& s)
{
    list.emplace_back("<svatba>");
    writeNumberPair(list, "[partner1]", s.partner1->number);
    writeNumberPair(list, "[partner2]", s.partner2->number);
    writeNumberPair(list, "[tag1]", orderKeyIn(*s.partner1, &s));
    writeNumberPair(list, "[tag2]", orderKeyIn(*s.partner2, &s));
    writeNumberPair(list, "[typ]", s.type);
    if (s.type == 0)
        return;
    writeDatumParts(list, "[obradDen]", "[obradMesic]", "[obradRok]", s.wedding);
    writeTextPair(list, "[svatbaMisto]", s.place);
    writeTextPair(list, "[oddavajiciKnez]", s.officiant);
    writeTextPair(list, "[svedkove]", s.witnesses);
    writeFlagPair(list, "[obradAsi]", s.wedding.about);
    writeNumberPair(list, "[obradTolerance]", s.wedding.tolerance);
    if (s.type == 2)
        writeDatumParts(list, "[rozvodDen]", "[rozvodMesic]", "[rozvodRok]", s.divorce);
}

} // namespace

void writeTextPair(std::vector<std::string>& list, std::string_view key, const std::string& text)
{
    if (text.empty())
        return;
    list.emplace_back(key);
    list.push_back(text);
}

void writeFlagPair(std::vector<std::string>& list, std::string_view key, bool flag)
{
    list.emplace_back(key);
    list.emplace_back(flag ? "1" : "0");
}

void writeNumberPair(std::vector<std::string>& list, std::string_view key, long long number)
{
    list.emplace_back(key);
    list.push_back(intToStr(number));
}

void writePeriodPair(std::vector<std::string>& list, std::string_view key,
                     const CasoveObdobi& entry)
{
    list.emplace_back(key);
    list.push_back(entry.text);
    list.push_back(entry.from);
    list.push_back(entry.to);
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

std::vector<std::string> savedStateBody(Rod& tree, int activeNumber, WaitWindow& wait)
{
    Lines list;
    list.reserve(static_cast<size_t>(tree.personCount()) * 48 + 64);
    list.emplace_back("<obecne>");
    writeNumberPair(list, "[aktivni]", activeNumber);
    for (auto [key, text] : {std::pair{"[nazev]", &tree.treeName}, {"[autor]", &tree.author},
                             {"[vytvoreno]", &tree.createdText},
                             {"[spolupracovali]", &tree.collaborators},
                             {"[rodUser1]", &tree.userCaption1}, {"[rodUser2]", &tree.userCaption2},
                             {"[rodUser3]", &tree.userCaption3}, {"[rodUser4]", &tree.userCaption4},
                             {"[rodUser5]", &tree.userCaption5}}) {
        list.emplace_back(key);
        list.push_back(*text);
    }
    writeCountedLines(list, "[dalsiUdaje]", tree.furtherData);
    writePictureStore<UkFotka>(list, "[fotky]", tree.photoStore);
    writePictureStore<UkDokument>(list, "[dokumenty]", tree.documentStore);
    writeFileStore(list, tree.fileStore);
    writeGroups(list, tree.groups);

    tree.forEachPerson([&](Clovek* p) {
        wait.advance(1);
        writePerson(list, *p);
    });

    // Each partnership once, where the walk first meets it; all persons stand before it.
    renumberPartnerships(tree);
    tree.forEachPerson([&](Clovek* p) {
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            Svatba* s = e->partnership;
            if (!s || s->visited)
                continue;
            s->visited = 1;
            // A record without two partners cannot be written; a load would drop it anyway.
            if (s->hasBothPartners())
                writePartnership(list, *s);
        }
    });
    list.emplace_back();
    return list;
}

std::string savedStateBytes(const std::vector<std::string>& body)
{
    // Each line is converted straight into the file's bytes, so the body is held once, not as
    // text and as bytes besides: a big tree's body is tens of megabytes, and every fresh page
    // costs. Line by line gives the same bytes as the whole text at once: a line end is never
    // part of a character, and the blanks stand for bytes that are the same in both encodings.
    std::string file;
    for (std::string_view header : {savedStateTitle, savedStateNote, savedStateVersion,
                                    std::string_view()}) {
        file += header;
        file += "\r\n";
    }
    size_t size = file.size() + 2;
    for (const std::string& line : body)
        size += line.size() + 2;
    file.reserve(size);
    for (const std::string& line : body) {
        std::string bytes = utf8ToCp1250(line);
        for (char& c : bytes)
            if (c == '\r' || c == '\n' || c == '\0')
                c = ' ';
        bytes += "\r\n";
        shiftBody(bytes);
        file += bytes;
    }
    file += "\r\n";
    return file;
}

void writeSavedState(const std::vector<std::string>& body, const std::string& fileName)
{
    writeFileAtomic(fileName, savedStateBytes(body));
}

std::vector<std::string> copyTreeMedia(const Rod& tree, const std::string& workingFolder,
                                       const std::string& into, const std::string& previous,
                                       WaitWindow& wait)
{
    std::vector<std::string> missing;
    auto copy = [&](const std::string& name) {
        // The copies are flushed together when the save commits.
        if (copyMedium(workingFolder, into, name, false))
            return;
        missing.push_back(joinPath(workingFolder, name));
        if (!previous.empty())
            copyMedium(previous, into, name, false);
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

SaveResult saveTreeFile(Rod& tree, const Clovek* current, TreeFileEnvironment& env)
{
    SaveResult result;
    const std::string companion =
        companionFolderForSave(tree.fileName, env.programFolder, env.workingFolder);
    if (companion.empty()) {
        result.unsuitableName = true;
        return result;
    }
    TreePairSave save(tree.fileName, companion);
    if (!save.ready()) {
        result.error = save.folder();
        return result;
    }
    const std::string previous = env.previousTreeFile == tree.fileName ? save.currentFolder() : "";
    result.missingMedia = copyTreeMedia(tree, env.workingFolder, save.folder(), previous, env.wait);
    const int active = current ? current->number : tree.activePersonNumber;
    try {
        // The body's lines are freed before the bytes are written.
        std::string bytes = savedStateBytes(savedStateBody(tree, active, env.wait));
        save.commit(bytes);
    } catch (const Exception& e) {
        result.error = e.Message();
        return result;
    }
    result.written = true;
    return result;
}
