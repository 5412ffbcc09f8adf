// A damaged tree file opens whole or not at all: blocks of a generated tree zeroed or inverted
// at every 2 KiB either refuse the file or leave every person, partnership and picture as saved;
// a refused one read as far as it can be always names what it read otherwise.
#include "bench/realistic_tree.h"
#include "model/media.h"
#include "model/media_names.h"
#include "model/uk_clovek.h"
#include "storage/tree_loader.h"
#include "storage/tree_writer.h"
#include "tree_file_test_base.h"
#include "tree_fixtures.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// Who is who and what pictures they have; names and places are text a damage may change
// without the file being able to tell.
std::string structureOf(const Rod& tree)
{
    std::map<int, std::string> persons;
    for (Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        std::ostringstream o;
        o << (p->father ? p->father->number : -1) << ' ' << (p->mother ? p->mother->number : -1)
          << " portrait " << int(p->hasPortrait) << " photos";
        for (UkFotka* e : p->photos.items<UkFotka>())
            o << ' ' << e->record->number;
        o << " documents";
        for (UkDokument* e : p->documents.items<UkDokument>())
            o << ' ' << e->record->number;
        o << " partners";
        for (UkSvatba* e : p->partnerships.items<UkSvatba>())
            o << ' ' << e->partnership->otherPartner(p)->number << '/' << int(e->partnership->type);
        persons[p->number] += o.str() + ';';
    }
    std::ostringstream o;
    for (const auto& [number, text] : persons)
        o << number << ": " << text << '\n';
    for (UkFotka* e : tree.photoStore.items<UkFotka>())
        o << "photo " << e->record->number << '\n';
    for (UkDokument* e : tree.documentStore.items<UkDokument>())
        o << "document " << e->record->number << '\n';
    return o.str();
}

} // namespace

class DamagedTree : public TreeFileTest { };

TEST_F(DamagedTree, ZeroedOrInvertedBlocksRefuseTheFileOrChangeNoPersonAndNoPicture)
{
    Rod tree(saved("strom.rod"));
    bench::RealisticTree(tree, 3).build(120);
    int n = 0;
    for (Clovek* p = tree.firstPerson; p; p = p->chainNext, ++n) {
        if (n % 4)
            continue;
        auto* photo = new Fotka(n);
        photo->name = "Fotka " + std::to_string(n);
        tree.photoStore.append(std::make_unique<UkFotka>(photo));
        p->photos.append(std::make_unique<UkFotka>(photo));
        putWorking(photoFileName(n), "photo");
        auto* document = new Dokument(n);
        tree.documentStore.append(std::make_unique<UkDokument>(document));
        p->documents.append(std::make_unique<UkDokument>(document));
        putWorking(documentFileName(n), "document");
        p->hasPortrait = 1;
        putWorking(portraitFileName(p->number), "face");
    }
    ASSERT_TRUE(saveTreeFile(tree, tree.firstPerson, env));
    const std::string whole = readBytes(tree.fileName);
    const std::string expected = structureOf(tree);
    ASSERT_GT(whole.size(), 40'000u);

    int tried = 0, refused = 0, same = 0;
    std::vector<std::string> changed;
    for (size_t at = 0; at < whole.size(); at += 2048)
        for (size_t size : {1, 100, 4096})
            for (bool invert : {false, true}) {
                std::string bytes = whole;
                for (size_t i = at; i < std::min(at + size, bytes.size()); ++i)
                    bytes[i] = invert ? char(~bytes[i]) : '\0';
                std::ofstream(saved("poskozeny.rod"), std::ios::binary | std::ios::trunc) << bytes;
                ++tried;
                Rod damaged(saved("poskozeny.rod"));
                try {
                    loadCurrentFormat(damaged, env);
                } catch (const EDamagedTreeFile& e) {
                    ++refused;
                    // Read as far as it can be (offered where a line is to blame), it never
                    // opens without naming what it read otherwise.
                    Rod lenient(saved("poskozeny.rod"));
                    if (e.line > 0 && loadCurrentFormat(lenient, env, true).damage.empty())
                        changed.push_back(std::to_string(at) + " read without a word");
                    continue;
                }
                if (structureOf(damaged) == expected)
                    ++same;
                else
                    changed.push_back(std::to_string(at) + (invert ? " inverted " : " zeroed ") +
                                      std::to_string(size));
            }
    EXPECT_EQ(changed, std::vector<std::string>{});
    std::printf("blocks tried %d, refused %d, opened unchanged %d\n", tried, refused, same);
}
