// The loader of the current format: a saved tree comes back whole, and a damaged file is
// refused without a crash, a hang, a leak or a write outside the working folder.
#include "storage/tree_loader.h"

#include "model/media_names.h"
#include "model/person_fields.h"
#include "storage/tree_writer.h"
#include "tree_file_test_base.h"
#include "tree_fixtures.h"

#include <filesystem>
#include <memory>
#include <sstream>

class TreeLoader : public TreeFileTest {
protected:
    // Saves the full tree with its media and answers its text.
    std::string saveFullTree(const std::string& fileName)
    {
        Rod tree(fileName);
        Clovek* shown = buildFullTree(tree);
        for (const auto& [name, bytes] : fullTreeMedia())
            putWorking(name, bytes);
        EXPECT_TRUE(saveTreeFile(tree, shown, env));
        tree.activePersonNumber = shown->number;
        return treeText(tree);
    }
    // A tree file holding these body lines.
    std::string writeBody(const std::string& name, std::vector<std::string> lines)
    {
        lines.emplace_back();
        std::ofstream(saved(name), std::ios::binary) << savedStateBytes(lines);
        return saved(name);
    }
    // The same with the lines' bytes as they stand, where the writer would blank some.
    std::string writeRawBody(const std::string& name, const std::vector<std::string>& lines)
    {
        std::string body;
        for (const std::string& line : lines)
            body += line + "\r\n";
        body += "\r\n";
        shiftBody(body);
        std::ofstream(saved(name), std::ios::binary | std::ios::trunc) << savedStateTitle << "\r\n"
                                                                       << savedStateNote << "\r\n"
                                                                       << savedStateVersion << "\r\n\r\n"
                                                                       << body << "\r\n";
        return saved(name);
    }
    static std::vector<std::string> header()
    {
        return {"<obecne>", "[aktivni]", "0", "[fotky]",   "0", "[dokumenty]",
                "0",        "[soubory]", "0", "[skupiny]", "0"};
    }
    static std::vector<std::string> person(int number, const std::string& name)
    {
        return {"<osoba>", "[cislo]", std::to_string(number), "[jmeno]", name};
    }
    static std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts)
    {
        std::vector<std::string> all;
        for (const auto& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    }
};

TEST_F(TreeLoader, ASavedTreeComesBackWithEveryFieldAndMedium)
{
    const std::string expected = saveFullTree(saved("plny.rod"));
    resetWorkingFolder(env.workingFolder, env.programFolder);

    Rod loaded(saved("plny.rod"));
    loadCurrentFormat(loaded, env);
    EXPECT_EQ(treeText(loaded), expected);
    EXPECT_TRUE(script.messages().empty());
    for (const auto& [name, bytes] : fullTreeMedia())
        EXPECT_EQ(readBytes(env.workingFolder + name), bytes) << name;
    // Persons come back in the reverse order of the file, that is the saved chain's order.
    std::vector<int> order;
    loaded.forEachPerson([&](Clovek* p) { order.push_back(p->number); });
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 7}));
    ASSERT_NE(loaded.activePerson(), nullptr);
    EXPECT_EQ(loaded.activePerson()->number, 7);

    // And a second round writes the same bytes once more.
    const std::string first = readBytes(saved("plny.rod"));
    loaded.fileName = saved("znovu.rod");
    loaded.forEachPerson([&](Clovek* p) { p->hasPortrait = p->number == 7; });
    Rod again(saved("plny.rod"));
    resetWorkingFolder(env.workingFolder, env.programFolder);
    loadCurrentFormat(again, env);
    again.fileName = saved("znovu.rod");
    ASSERT_TRUE(saveTreeFile(again, again.activePerson(), env));
    Rod third(saved("znovu.rod"));
    loadCurrentFormat(third, env);
    EXPECT_EQ(treeText(third), expected);
}

namespace {

// What a field of the table holds, as text, read through the table's own accessor.
std::string fieldValue(const Clovek& p, const PersonFieldInfo& f)
{
    std::ostringstream o;
    switch (f.kind) {
    case FieldKind::text:
        o << f.text.of(p);
        break;
    case FieldKind::flag:
        o << int(p.*f.flag);
        break;
    case FieldKind::number:
        o << p.*f.number;
        break;
    case FieldKind::datePart:
        o << (p.*f.date).*f.datePart;
        break;
    case FieldKind::dateAbout:
        o << int((p.*f.date).*f.dateAbout);
        break;
    case FieldKind::dateTolerance:
        o << (p.*f.date).*f.dateTolerance;
        break;
    case FieldKind::parent:
        o << ((p.*f.parent) ? (p.*f.parent)->number : -1);
        break;
    case FieldKind::period:
        for (CasoveObdobi* e : (p.*f.list).items<CasoveObdobi>())
            o << e->text << '(' << e->from << '-' << e->to << ')';
        break;
    case FieldKind::created:
        o << dateTimeToStr(p.created);
        break;
    case FieldKind::lines:
        for (std::string_view line : p.lines(f.noteList))
            o << line << ';';
        break;
    case FieldKind::mediaLinks:
        o << (p.*f.list).count();
        break;
    }
    return o.str();
}

} // namespace

// Each field is given a value of its own through the table, so a field the writer puts under a
// key that the loader reads as something else, or not at all, shows by its name.
TEST_F(TreeLoader, EveryFieldOfThePersonTableComesBackFromTheFile)
{
    Rod tree(saved("pole.rod"));
    tree.photoStore.append(std::make_unique<UkFotka>(new Fotka(0)));
    tree.documentStore.append(std::make_unique<UkDokument>(new Dokument(1)));
    tree.fileStore.append(std::make_unique<UkSoubor>(new Soubor(2)));
    Clovek* parents[2] = {makePerson("Otec", "X"), makePerson("Matka", "X", 0)};
    Clovek* p = makePerson("", "");
    for (Clovek* q : {parents[0], parents[1], p})
        tree.addNewPerson(std::unique_ptr<Clovek>(q));
    int n = 0;
    for (const PersonFieldInfo& f : personFields) {
        const std::string value = "v" + std::to_string(++n);
        switch (f.kind) {
        case FieldKind::text:
            f.text.set(*p, value);
            break;
        case FieldKind::flag:
            p->*f.flag = !(p->*f.flag);
            break;
        case FieldKind::number:
            p->*f.number = 40 + n;
            break;
        case FieldKind::datePart:
            (p->*f.date).*f.datePart = value;
            break;
        case FieldKind::dateAbout:
            (p->*f.date).*f.dateAbout = 1;
            break;
        case FieldKind::dateTolerance:
            (p->*f.date).*f.dateTolerance = n;
            break;
        case FieldKind::parent:
            p->*f.parent = parents[f.field == PersonField::mother];
            break;
        case FieldKind::period:
            (p->*f.list).append(std::unique_ptr<Prvek>(period(value, "1900", "1910")));
            break;
        case FieldKind::created:
            p->created = encodeDate(2001, 2, 3) + encodeTime(4, 5, 6);
            break;
        case FieldKind::lines:
            p->setLines(f.noteList, std::vector<std::string>{value, ""});
            break;
        case FieldKind::mediaLinks:
            if (f.field == PersonField::photos)
                p->photos.append(std::make_unique<UkFotka>(tree.findPhoto(0)));
            else if (f.field == PersonField::documents)
                p->documents.append(std::make_unique<UkDokument>(tree.findDocument(1)));
            else if (f.field == PersonField::files)
                p->files.append(std::make_unique<UkSoubor>(tree.findFile(2)));
            else
                ADD_FAILURE() << f.fileKey << " links no store this test knows";
            break;
        }
    }
    const Clovek fresh;
    for (const PersonFieldInfo& f : personFields)
        EXPECT_NE(fieldValue(*p, f), fieldValue(fresh, f)) << f.fileKey << " was not given a value";
    ASSERT_TRUE(saveTreeFile(tree, p, env));

    Rod loaded(saved("pole.rod"));
    loadCurrentFormat(loaded, env);
    const Clovek* back = loaded.findPersonByNumber(p->number);
    ASSERT_NE(back, nullptr);
    for (const PersonFieldInfo& f : personFields)
        EXPECT_EQ(fieldValue(*back, f), fieldValue(*p, f)) << f.fileKey;
}

// Before 30.12.1899 the days count backwards and the time of day forwards.
TEST_F(TreeLoader, CreationTimesBefore1900SurviveTenSaves)
{
    const TDateTime times[] = {encodeDate(1800, 1, 1) - encodeTime(12, 0, 0),
                               encodeDate(1, 1, 1) - encodeTime(23, 59, 59)};
    {
        Rod tree(saved("stary.rod"));
        for (TDateTime t : times) {
            Clovek* p = makePerson("Jan", "Starý");
            p->created = t;
            tree.addNewPerson(std::unique_ptr<Clovek>(p));
        }
        ASSERT_TRUE(saveTreeFile(tree, tree.firstPerson, env));
    }
    for (int save = 1; save <= 10; ++save) {
        Rod tree(saved("stary.rod"));
        loadCurrentFormat(tree, env);
        ASSERT_TRUE(saveTreeFile(tree, tree.firstPerson, env));
    }
    Rod tree(saved("stary.rod"));
    loadCurrentFormat(tree, env);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(dateTimeToStr(tree.findPersonByNumber(i)->created), dateTimeToStr(times[i]));
    EXPECT_EQ(dateTimeToStr(times[0]), "1.1.1800 12:00:00");
    EXPECT_EQ(dateTimeToStr(times[1]), "1.1.0001 23:59:59");
}

TEST_F(TreeLoader, TheHandMadeFileLoadsAndMissingCopiesAreReportedOnce)
{
    std::filesystem::copy_file(KINVELOR_TEST_DATA "/maly_strom.rod", saved("maly.rod"));
    std::filesystem::create_directories(saved("maly/FOTO"));
    std::ofstream(saved("maly/FOTO/FOTO0.JPG")) << "copied from Windows";
    Rod tree(saved("maly.rod"));
    const LoadReport report = loadCurrentFormat(tree, env);

    EXPECT_EQ(tree.personCount(), 3);
    EXPECT_EQ(tree.treeName, "Rod Nováků");
    EXPECT_EQ(tree.furtherData[1], "Tab\tuvnitř");
    EXPECT_EQ(tree.findPersonByNumber(0)->user1, "˙kon");
    EXPECT_EQ(readBytes(env.workingFolder + "foto/foto0.jpg"), "copied from Windows");
    // The attached file has no stored copy: it is reported, and kept with its links.
    EXPECT_EQ(report.missingMedia, std::vector<std::string>{saved("maly/") + "soubory/soubor2.pdf"});
    EXPECT_EQ(tree.fileStore.count(), 1);
    EXPECT_EQ(tree.findPersonByNumber(0)->files.count(), 1);
    EXPECT_EQ(tree.findPersonByNumber(0)->photos.count(), 1);
    Clovek* karel = tree.findPersonByNumber(2);
    EXPECT_EQ(karel->father, tree.findPersonByNumber(0));
    EXPECT_EQ(karel->mother, tree.findPersonByNumber(1));
    EXPECT_EQ(karel->identifier, "");
}

TEST_F(TreeLoader, ABodyOverAMillionBytesIsReadWhole)
{
    Rod tree(saved("velky.rod"));
    for (int i = 0; i < 3000; ++i) {
        Clovek* p = makePerson("Jméno" + std::to_string(i), "Příjmení");
        p->setFurtherTexts(std::vector<std::string>(3, std::string(100, 'x')));
        tree.addNewPerson(std::unique_ptr<Clovek>(p));
    }
    tree.findPersonByNumber(0)->user5 = "poslední";
    ASSERT_TRUE(saveTreeFile(tree, tree.firstPerson, env));
    tree.activePersonNumber = tree.firstPerson->number;
    ASSERT_GT(std::filesystem::file_size(tree.fileName), 1'000'000u);

    Rod loaded(tree.fileName);
    loadCurrentFormat(loaded, env);
    EXPECT_EQ(loaded.personCount(), 3000);
    EXPECT_TRUE(treeText(loaded) == treeText(tree));
    EXPECT_EQ(loaded.findPersonByNumber(0)->user5, "poslední");
}

TEST_F(TreeLoader, AFileCutShortAnywhereIsRefusedAsDamaged)
{
    saveFullTree(saved("plny.rod"));
    const std::string whole = readBytes(saved("plny.rod"));
    // The body (and with it every block) ends 6 bytes before the file: its last line end, the
    // final empty line's and the file's own CR LF.
    for (size_t size = 0; size + 3 < whole.size(); ++size) {
        std::ofstream(saved("cut.rod"), std::ios::binary | std::ios::trunc) << whole.substr(0, size);
        Rod tree(saved("cut.rod"));
        EXPECT_THROW(loadCurrentFormat(tree, env), EDamagedTreeFile) << size;
    }
    for (size_t size = whole.size() - 3; size <= whole.size(); ++size) {
        std::ofstream(saved("cut.rod"), std::ios::binary | std::ios::trunc) << whole.substr(0, size);
        Rod tree(saved("cut.rod"));
        EXPECT_NO_THROW(loadCurrentFormat(tree, env)) << size;
    }
}

TEST_F(TreeLoader, NumbersThatAreNotNumbersAndImpossibleCountsAreRefused)
{
    const std::vector<std::vector<std::string>> bad = {
        joined({header(), {"<osoba>", "[cislo]", "sedm"}}),
        joined({header(), {"<osoba>", "[cislo]", " 7"}}),
        joined({header(), {"<osoba>", "[cislo]", "99999999999"}}),
        joined({{"<obecne>", "[fotky]", "-1"}}),
        joined({{"<obecne>", "[fotky]", "2147483647", "0", "a", "b", "0"}}),
        joined({{"<obecne>", "[skupiny]", "1", "G", "1000000000", "1"}}),
        joined({header(), person(0, "A"), {"[doplnujiciTexty]", "2000000000", "x"}}),
        joined({header(), person(0, "A"), {"<svatba>", "[tag1]", "1.5"}}),
    };
    for (size_t i = 0; i < bad.size(); ++i) {
        Rod tree(writeBody("zly.rod", bad[i]));
        EXPECT_THROW(loadCurrentFormat(tree, env), EDamagedTreeFile) << i;
    }
    // A file that is no tree file at all.
    std::ofstream(saved("cizi.rod"), std::ios::binary) << "\xFF\xD8\xFF\xE0 JFIF";
    Rod foreign(saved("cizi.rod"));
    EXPECT_THROW(loadCurrentFormat(foreign, env), EDamagedTreeFile);
    Rod missing(saved("neni.rod"));
    EXPECT_THROW(loadCurrentFormat(missing, env), EInOutError);
}

namespace {

std::string repeated(const std::string& text, int times)
{
    std::string all;
    while (times-- > 0)
        all += text;
    return all;
}

} // namespace

// Every line of the body is accounted for: whatever a writer does not write refuses the file,
// with the line where reading stopped (the body's first line is the file's fifth).
TEST_F(TreeLoader, ALineNoWriterWritesRefusesTheFileWithItsLine)
{
    const auto full = [](int number) {
        return std::vector<std::string>{"<osoba>", "[cislo]", std::to_string(number), "[zamek]", "0"};
    };
    const std::string ffs(8, '\xFF');
    const std::vector<std::pair<std::vector<std::string>, int>> bad = {
        {joined({header(), person(0, "A"), {"[neznamy]", "hodnota"}}), 21}, // unknown key
        {joined({header(), person(0, "A"), {"Novák"}}), 21}, // a value where a key belongs
        {joined({header(), person(0, "A"), {"[prijmeni]", "[pohlavi]", "1"}}), 23}, // a key taken as a value
        {joined({{"<obecne>", "[jmeno]", "nikdo"}, header()}), 6}, // a person's key in the general block
        {joined({header(), person(0, "A"), {"[nazev]", "x"}}), 21}, // the general block's in a person's
        {joined({header(), person(0, "A"), {"[fotky]", "0"}}), 21},
        {joined({header(), person(0, "A"), {"[typ]", "1"}}), 21}, // a partnership's in a person's
        {joined({header(), person(0, "A"), {"<svatba>", "[jmeno]", "B"}}), 22},
        {joined({header(), person(0, "A"), {"<svatba>"}, person(1, "B")}), 22},
        {joined({header(), {"<obecne>"}}), 16},
        {joined({header(), person(0, "A"), {"[cislo]", "7"}}), 21}, // a key twice
        {joined({header(), person(0, "A"), {"[matka]", "1", "[matka]", "2"}}), 23},
        {joined({header(), full(0), full(1), person(2, "C")}), 31}, // a block without a key the others have
        {joined({header(), person(0, "A"), full(1)}), 26},
        {joined({header(), person(0, "A"), {"[pohlavi]", "yes"}}), 22}, // a flag neither 1 nor 0
        {joined({header(), {""}, person(0, "A")}), 17}, // an empty line before the body's end
        {joined({header(), person(0, "A"), {"", "[jmeno]", "B"}}), 22},
        {joined({header(), person(0, "A" + std::string(1, '\0') + "B")}), 20}, // a NUL byte
        {joined({header(), person(0, "A" + ffs)}), 20}, // zeroed bytes
        {joined({header(),
                 person(0, "A"),
                 {"[datumVlozeni]", "1.1.2000"},
                 person(1, "B"),
                 {"[datumVlozeni]", "1.1.2000" + std::string(3, '\xF0') + "[jmeno]"}}),
         29}, // a creation time that cannot be read among ones that can
    };
    for (size_t i = 0; i < bad.size(); ++i) {
        Rod tree(writeRawBody("zly.rod", bad[i].first));
        try {
            loadCurrentFormat(tree, env);
            ADD_FAILURE() << i << " opened";
        } catch (const EDamagedTreeFile& e) {
            EXPECT_EQ(e.line, bad[i].second) << i << " " << e.what();
        }
        // Read as far as it can be, the same line is the first one named.
        Rod lenient(tree.fileName);
        const LoadReport report = loadCurrentFormat(lenient, env, true);
        ASSERT_FALSE(report.damage.empty()) << i;
        EXPECT_EQ(report.damage.front().line, bad[i].second) << i;
    }
    // What a writer does write: flags "0", any text in a value, "˙" any number of times (past
    // seven in a row as references), a creation time no system reads, as long as the others
    // cannot be read either.
    Rod tree(writeBody("dobry.rod", joined({header(),
                                            person(0, "[jmeno]"),
                                            {"[pohlavi]", "0", "[prijmeni]", repeated("˙", 9),
                                             "[datumVlozeni]", "není datum"},
                                            person(1, "B"),
                                            {"[pohlavi]", "1", "[datumVlozeni]", "ani tohle"}})));
    setClock([] { return encodeDate(2020, 2, 2); });
    loadCurrentFormat(tree, env);
    setClock({});
    Clovek* a = tree.findPersonByNumber(0);
    EXPECT_EQ(a->firstName, "[jmeno]");
    EXPECT_EQ(a->surname, repeated("˙", 9));
    EXPECT_EQ(a->created, encodeDate(2020, 2, 2));
}

// A body whose line ends lost their LF (or kept only it) never opens as an empty tree.
TEST_F(TreeLoader, ABodyWithCrAloneReadsAsWithCrLfAndOneWithLfAloneIsRefused)
{
    const std::string expected = saveFullTree(saved("plny.rod"));
    const std::string whole = readBytes(saved("plny.rod"));
    const size_t body = whole.find("\r\n\r\n") + 4;
    for (const char* end : {"\x0E", "\x0B"}) {
        std::string bytes = whole.substr(0, body);
        for (size_t i = body; i < whole.size(); ++i) {
            if (whole.compare(i, 2, "\x0E\x0B") == 0) {
                bytes += end;
                ++i;
            } else {
                bytes += whole[i];
            }
        }
        std::ofstream(saved("konce.rod"), std::ios::binary | std::ios::trunc) << bytes;
        Rod tree(saved("konce.rod"));
        if (*end == '\x0E') {
            loadCurrentFormat(tree, env);
            EXPECT_EQ(treeText(tree), expected);
        } else {
            EXPECT_THROW(loadCurrentFormat(tree, env), EDamagedTreeFile);
        }
    }
}

TEST_F(TreeLoader, APartnershipNeedsTwoDistinctExistingPartners)
{
    auto block = [](std::vector<std::string> keys) {
        keys.insert(keys.begin(), "<svatba>");
        return keys;
    };
    Rod tree(writeBody(
        "svatby.rod",
        joined({header(), person(0, "A"), person(1, "B"), person(2, "C"),
                block({"[partner1]", "0", "[partner2]", "0", "[tag1]", "0", "[tag2]", "0", "[typ]", "1",
                       "[svatbaAsi]", "0", "[svatbaTolerance]", "1"}),
                block({"[partner1]", "0", "[partner2]", "9", "[tag1]", "0", "[tag2]", "0", "[typ]", "0"}),
                block({"[tag2]", "0", "[tag1]", "1", "[partner2]", "2", "[partner1]", "0", "[typ]", "1",
                       "[svatbaAsi]", "1", "[svatbaTolerance]", "6"}),
                block({"[partner1]", "1", "[partner2]", "0", "[tag1]", "0", "[tag2]", "0", "[typ]", "0"})})));
    loadCurrentFormat(tree, env);
    Clovek* a = tree.findPersonByNumber(0);
    ASSERT_EQ(a->partnerships.count(), 2);
    // Sorted by the order keys: B's partnership (key 0) before C's (key 1).
    Svatba* first = static_cast<UkSvatba*>(a->partnerships.first())->partnership;
    Svatba* second = static_cast<UkSvatba*>(a->partnerships.last())->partnership;
    EXPECT_EQ(first->otherPartner(a)->number, 1);
    EXPECT_EQ(second->otherPartner(a)->number, 2);
    EXPECT_EQ(second->wedding.about, 1);
    EXPECT_EQ(second->wedding.tolerance, 6);
    EXPECT_EQ(tree.findPersonByNumber(2)->partnerships.count(), 1);
}

TEST_F(TreeLoader, AStoreBeforeTheFirstPersonAndAPersonsListAfterIt)
{
    std::filesystem::create_directories(saved("media/dokumenty"));
    std::ofstream(saved("media/dokumenty/dokument4.jpg")) << "d";
    Rod tree(writeBody("media.rod", joined({{"<obecne>", "[dokumenty]", "1", "4", "List", "1900", "0"},
                                            person(0, "A"),
                                            {"[dokumenty]", "2", "4", "5"}})));
    loadCurrentFormat(tree, env);
    ASSERT_NE(tree.findDocument(4), nullptr);
    ASSERT_EQ(tree.findPersonByNumber(0)->documents.count(), 1); // 5 names no record
}

// Read as far as it can be, a list given twice holds its later entries as a value given twice
// does; a store keeps every picture it names and one record of each number.
TEST_F(TreeLoader, AListGivenTwiceHoldsTheLaterOneAndAStoreKeepsOneRecordPerNumber)
{
    const auto photo = [](int number, const std::string& name) {
        return std::vector<std::string>{std::to_string(number), name, "1900", "0"};
    };
    Rod tree(writeBody("dvakrat.rod", joined({{"<obecne>", "[aktivni]", "0", "[fotky]", "2"},
                                              photo(3, "Dům"),
                                              photo(4, "Zahrada"),
                                              {"[dokumenty]", "2"},
                                              photo(5, "List"),
                                              photo(5, "Křestní list"),
                                              {"[soubory]", "0", "[skupiny]", "0", "[fotky]", "1"},
                                              photo(3, "Dům u lesa"),
                                              {"[dalsiUdaje]", "1", "stará", "[dalsiUdaje]", "1", "nová"},
                                              person(0, "A"),
                                              {"[doplnujiciTexty]", "2", "a1", "a2", "[doplnujiciTexty]", "1",
                                               "b1", "[foto]", "1", "3", "[foto]", "2", "4", "3",
                                               "[dokumenty]", "1", "5", "[dokumenty]", "0"}})));
    EXPECT_THROW(loadCurrentFormat(tree, env), EDamagedTreeFile);
    Rod lenient(tree.fileName);
    const LoadReport report = loadCurrentFormat(lenient, env, true);
    Clovek* a = lenient.findPersonByNumber(0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->furtherTexts().toVector(), std::vector<std::string>{"b1"});
    EXPECT_EQ(lenient.furtherData, std::vector<std::string>{"nová"});
    std::vector<int> photos;
    for (UkFotka* e : a->photos.items<UkFotka>())
        photos.push_back(e->record->number);
    EXPECT_EQ(photos, (std::vector<int>{4, 3}));
    EXPECT_EQ(a->documents.count(), 0);
    ASSERT_EQ(lenient.photoStore.count(), 2);
    EXPECT_EQ(lenient.findPhoto(3)->name, "Dům u lesa");
    EXPECT_EQ(lenient.findPhoto(3)->refCount, 2); // the store's and A's
    ASSERT_EQ(lenient.documentStore.count(), 1);
    EXPECT_EQ(lenient.findDocument(5)->name, "Křestní list");
    std::vector<std::pair<TreeDamage, std::string>> noted;
    for (const DamageNote& n : report.damage)
        noted.emplace_back(n.damage, n.key + n.text);
    EXPECT_EQ(noted,
              (std::vector<std::pair<TreeDamage, std::string>>{{TreeDamage::recordTwice, "[dokumenty]5"},
                                                               {TreeDamage::storeTwice, "[fotky]"},
                                                               {TreeDamage::keyTwice, "[dalsiUdaje]"},
                                                               {TreeDamage::keyTwice, "[doplnujiciTexty]"},
                                                               {TreeDamage::keyTwice, "[foto]"},
                                                               {TreeDamage::keyTwice, "[dokumenty]"}}));
}

TEST_F(TreeLoader, AnAttachedFilesTypeNeverLeadsOutOfItsFolder)
{
    std::filesystem::create_directories(saved("typ/soubory"));
    std::ofstream(saved("typ/soubory/soubor4")) << "data";
    std::ofstream(saved("x")) << "outside";
    Rod tree(writeBody("typ.rod", joined({{"<obecne>", "[soubory]", "2", "4", "a", "", "../x", "0", "5", "b",
                                           "", "../../../x", "0"}})));
    const LoadReport report = loadCurrentFormat(tree, env);
    ASSERT_EQ(tree.fileStore.count(), 2); // the one without a copy is kept, and reported
    EXPECT_EQ(readBytes(env.workingFolder + "soubory/soubor4"), "data");
    EXPECT_EQ(readBytes(saved("x")), "outside");
    EXPECT_FALSE(fileExists(env.workingFolder + "x"));
    EXPECT_EQ(report.missingMedia, std::vector<std::string>{saved("typ/") + "soubory/soubor5"});
}

TEST_F(TreeLoader, AMissingPortraitKeepsTheFlag)
{
    std::filesystem::create_directories(saved("hlavy/hlavy"));
    std::ofstream(saved("hlavy/hlavy/hlava1.jpg")) << "face";
    Rod tree(writeBody(
        "hlavy.rod", joined({header(), person(0, "A"), {"[hlava]", "1"}, person(1, "B"), {"[hlava]", "1"}})));
    const LoadReport report = loadCurrentFormat(tree, env);
    EXPECT_EQ(tree.findPersonByNumber(0)->hasPortrait, 1);
    EXPECT_EQ(tree.findPersonByNumber(1)->hasPortrait, 1);
    EXPECT_EQ(readBytes(env.workingFolder + "hlavy/hlava1.jpg"), "face");
    EXPECT_EQ(report.missingMedia.size(), 1u);
    EXPECT_TRUE(script.messages().empty());
}

TEST_F(TreeLoader, ATreeOpenedWithoutItsFolderKeepsItsMediaThroughASave)
{
    const std::string expected = saveFullTree(saved("strom.rod"));
    std::filesystem::rename(saved("strom"), root / "zaloha");
    resetWorkingFolder(env.workingFolder, env.programFolder);

    Rod opened(saved("strom.rod"));
    const LoadReport report = loadCurrentFormat(opened, env);
    EXPECT_EQ(report.missingMedia.size(), fullTreeMedia().size());
    EXPECT_EQ(treeText(opened), expected);
    env.previousTreeFile = opened.fileName;
    ASSERT_TRUE(saveTreeFile(opened, opened.activePerson(), env));

    // The folder is put back: every record shows its copy again.
    std::filesystem::remove_all(saved("strom"));
    std::filesystem::rename(root / "zaloha", saved("strom"));
    Rod again(saved("strom.rod"));
    EXPECT_TRUE(loadCurrentFormat(again, env).missingMedia.empty());
    EXPECT_EQ(treeText(again), expected);
    for (const auto& [name, bytes] : fullTreeMedia())
        EXPECT_EQ(readBytes(env.workingFolder + name), bytes) << name;
}

TEST(TreeFileVersion, TheVersionLineChoosesTheLoader)
{
    EXPECT_EQ(classifyVersionLine("verze 1.0.18"), TreeFileKind::Current);
    EXPECT_EQ(classifyVersionLine("verze 1.0.12"), TreeFileKind::Current);
    EXPECT_EQ(classifyVersionLine("verze 1.1.99"), TreeFileKind::Current);
    EXPECT_EQ(classifyVersionLine("verze 1.0.13"), TreeFileKind::Old);
    EXPECT_EQ(classifyVersionLine("verze 1.0.16"), TreeFileKind::Old);
    EXPECT_EQ(classifyVersionLine("verze 1.0.05"), TreeFileKind::TooOld);
    EXPECT_EQ(classifyVersionLine("verze 1.0.1x"), TreeFileKind::Damaged);
    EXPECT_EQ(classifyVersionLine("16"), TreeFileKind::Damaged);
    EXPECT_EQ(classifyVersionLine("05"), TreeFileKind::Damaged);
    EXPECT_EQ(classifyVersionLine(""), TreeFileKind::Damaged);
}

// The version line is asked for before every open: of a file far bigger than the memory only
// its start is read, and lines as long as one likes are still taken as they stand.
TEST_F(TreeLoader, TheVersionLineIsReadFromTheFilesStartAlone)
{
    const std::string big = saved("big.rod");
    std::ofstream(big, std::ios::binary) << "Lipoveta\r\n"
                                         << std::string(70000, 'x') << "\r\nverze 1.0.18\r\nbody";
    std::filesystem::resize_file(big, uintmax_t(1) << 40); // sparse: nothing is written
    EXPECT_EQ(readVersionLine(big), "verze 1.0.18");

    const std::string longLine = saved("long.rod");
    std::ofstream(longLine, std::ios::binary) << "a\nb\n"
                                              << std::string(1000, '7') << "\r" << std::string(200000, '8');
    EXPECT_EQ(readVersionLine(longLine), std::string(1000, '7'));
    std::ofstream(longLine, std::ios::binary) << "a\nb\n" << std::string(999, '7') << "\r";
    EXPECT_EQ(readVersionLine(longLine), std::string(999, '7'));
    std::ofstream(longLine, std::ios::binary) << "a\n" << std::string(100000, 'b');
    EXPECT_THROW(readVersionLine(longLine), EDamagedTreeFile);
}

TEST_F(TreeLoader, APartnershipStateOutsideItsThreeValuesIsTheDamagedValueZero)
{
    Rod tree(
        writeBody("typ.rod", joined({header(),
                                     person(0, "A"),
                                     person(1, "B"),
                                     {"<svatba>", "[partner1]", "0", "[partner2]", "1", "[typ]", "257"},
                                     {"<svatba>", "[partner1]", "1", "[partner2]", "0", "[typ]", "-1"},
                                     {"<svatba>", "[partner1]", "0", "[partner2]", "1", "[typ]", "2"}})));
    loadCurrentFormat(tree, env);
    std::vector<int> types;
    for (UkSvatba* e : tree.findPersonByNumber(0)->partnerships.items<UkSvatba>())
        types.push_back(static_cast<int>(e->partnership->type));
    std::sort(types.begin(), types.end());
    EXPECT_EQ(types, (std::vector<int>{0, 0, 2}));
}

TEST_F(TreeLoader, ParentsAreLinkedByNumberOnceEveryPersonIsRead)
{
    Rod tree(writeBody("rodice.rod",
                       joined({header(),
                               // The child comes first and names parents read after it.
                               person(0, "Dítě"),
                               {"[otec]", "1", "[matka]", "2"},
                               person(1, "Otec"),
                               {"[otec]", "99", "[matka]", "2"},
                               person(2, "Matka"),
                               // The same number twice: the one a walk from the head meets first wins.
                               person(2, "Druhá")})));
    loadCurrentFormat(tree, env);
    ASSERT_EQ(tree.personCount(), 4);
    Clovek* child = tree.findPersonByNumber(0);
    Clovek* secondTwo = tree.firstPerson;
    ASSERT_EQ(secondTwo->firstName, "Druhá");
    EXPECT_EQ(child->father, tree.findPersonByNumber(1));
    EXPECT_EQ(child->mother, secondTwo);
    EXPECT_EQ(tree.findPersonByNumber(1)->father, nullptr); // names nobody
    EXPECT_EQ(tree.findPersonByNumber(1)->mother, secondTwo);

    // Cut short right after a parent's number: refused, and nothing is left half linked.
    std::vector<std::string> cut = joined({header(), person(0, "A"), person(1, "B"), {"[otec]", "0"}});
    std::string bytes = savedStateBytes(cut);
    bytes.resize(bytes.size() - 6);
    std::ofstream(saved("useknuty.rod"), std::ios::binary) << bytes;
    Rod damaged(saved("useknuty.rod"));
    EXPECT_THROW(loadCurrentFormat(damaged, env), EDamagedTreeFile);
}

TEST_F(TreeLoader, EveryLetterComesBackAndTypedReferencesStayText)
{
    Rod tree(saved("pismena.rod"));
    Clovek* shown = buildFullTree(tree);
    for (const auto& [name, bytes] : fullTreeMedia())
        putWorking(name, bytes);
    tree.treeName = "Rod Рюриковичей";
    Clovek* p = tree.findPersonByNumber(2);
    p->firstName = "Øystein Åge";
    p->surname = "Кузнецов";
    p->birthPlace = "Rønne, Bornholm";
    p->titlesBefore = "Prétendant à la couronne";
    p->email1 = "jan@novak.cz";
    p->user2 = "&#65; a &#38; a &";
    p->setFurtherTexts({"€ „uvozovky“ 日本 😀", "&#1046;"});
    ASSERT_TRUE(saveTreeFile(tree, shown, env));
    tree.activePersonNumber = shown->number;
    const std::string expected = treeText(tree);

    std::string body = readBytes(saved("pismena.rod"));
    body = body.substr(body.find("\r\n\r\n") + 4);
    unshiftBody(body);
    EXPECT_NE(body.find("R&#248;nne, Bornholm"), std::string::npos);
    EXPECT_NE(body.find("Pr\xE9tendant &#224; la couronne"), std::string::npos);
    EXPECT_NE(body.find("&#38;#65; a &#38;#38; a &\r\n"), std::string::npos);
    EXPECT_EQ(body.find("?ystein"), std::string::npos);

    resetWorkingFolder(env.workingFolder, env.programFolder);
    Rod loaded(saved("pismena.rod"));
    loadCurrentFormat(loaded, env);
    EXPECT_EQ(treeText(loaded), expected);

    // A file of an earlier version holds only what Windows-1250 holds; a reference there was
    // typed, unless it names a letter that no such file could hold.
    auto writeOlder = [&](const std::string& name, const std::string& firstName) {
        std::string text;
        for (const std::string& line : joined({header(), person(0, firstName)}))
            text += line + "\r\n";
        text += "\r\n";
        shiftBody(text);
        std::ofstream(saved(name), std::ios::binary)
            << "Kinvelor - ulozeny stav - nemente!\r\nKinvelor\r\nverze 1.0.18\r\n\r\n"
            << text << "\r\n";
    };
    writeOlder("starsi.rod", "&#65;&#0248;&#x416;&#;&#1046");
    writeOlder("starsi2.rod", "\xE1&#225;&#1046;");
    Rod older(saved("starsi.rod"));
    loadCurrentFormat(older, env);
    EXPECT_EQ(std::string(older.findPersonByNumber(0)->firstName), "&#65;&#0248;&#x416;&#;&#1046");
    Rod older2(saved("starsi2.rod"));
    loadCurrentFormat(older2, env);
    EXPECT_EQ(std::string(older2.findPersonByNumber(0)->firstName), "á&#225;Ж");
}
