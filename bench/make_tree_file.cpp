// Writes a realistic tree file of the given number of persons (bench/realistic_tree.h), as the
// program's Save writes it, for the benchmarks and tree_roundtrip:
//   make_tree_file PERSONS OUT.rod [SEED]
//   make_tree_file --partners PARTNERS OUT.rod
//   make_tree_file --pictures K PERSONS OUT.rod
// The second writes one man with that many wives, each a person of her own: what a hostile
// GEDCOM file makes of a person with as many FAMS lines. The third gives every K-th person a
// portrait, a photo and a document, each a small JPEG of its own, stored in the companion folder.
#include "bench/realistic_tree.h"
#include "bench/tree_file_folders.h"
#include "bench/tree_parts.h"
#include "model/media.h"
#include "model/media_names.h"
#include "model/uk_clovek.h"
#include "storage/tree_writer.h"
#include "system/bitmap.h"
#include "system/jpeg.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// A small JPEG whose pixels, and so whose bytes, no other picture of the tree has.
void writePicture(const std::string& path, int kind, int index)
{
    TBitmap bitmap(16, 12);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            bitmap.setPixel(x, y,
                            Rgba{uint8_t(index * 37 + x * 13), uint8_t((index >> 3) * 11 + y * 17),
                                 uint8_t(kind * 80 + (index & 7) * 9)});
    TJPEGImage jpeg;
    jpeg.Assign(bitmap);
    jpeg.SaveToFile(path);
}

// Every `every`-th person in the chain gets a portrait, a photo and a document in `working`.
void givePictures(Rod& tree, int every, const std::string& working)
{
    int n = 0, record = 0;
    for (Clovek* p = tree.firstPerson; p; p = p->chainNext, ++n) {
        if (n % every)
            continue;
        p->hasPortrait = 1;
        writePicture(working + portraitFileName(p->number), 0, record);
        auto* photo = new Fotka(record);
        photo->name = "Fotka " + std::to_string(record);
        tree.photoStore.append(std::make_unique<UkFotka>(photo));
        p->photos.append(std::make_unique<UkFotka>(photo));
        writePicture(working + photoFileName(record), 1, record);
        auto* document = new Dokument(record);
        document->name = "Dokument " + std::to_string(record);
        tree.documentStore.append(std::make_unique<UkDokument>(document));
        p->documents.append(std::make_unique<UkDokument>(document));
        writePicture(working + documentFileName(record), 2, record);
        ++record;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const bool partners = argc == 4 && std::string(argv[1]) == "--partners";
    const bool pictures = argc == 5 && std::string(argv[1]) == "--pictures";
    const int every = pictures ? int(std::strtol(argv[2], nullptr, 10)) : 1;
    const int count = argc < 3 ? 0 : int(std::strtol(argv[pictures ? 3 : partners ? 2 : 1], nullptr, 10));
    if (argc < 3 || (argc > 4 && !pictures) || count <= 0 || every <= 0) {
        std::fprintf(stderr, "usage: make_tree_file PERSONS OUT.rod [SEED]\n"
                             "       make_tree_file --partners PARTNERS OUT.rod\n"
                             "       make_tree_file --pictures K PERSONS OUT.rod\n");
        return 2;
    }
    const std::string file = fs::absolute(argv[pictures ? 4 : partners ? 3 : 2]).string();
    const unsigned seed = argc == 4 && !partners ? unsigned(std::strtoul(argv[3], nullptr, 10)) : 42u;

    Rod tree(file);
    if (partners) {
        auto man = std::make_unique<Clovek>();
        man->firstName = "Jan";
        man->surname = "Novák";
        Clovek* husband = bench::appendNumbered(tree, std::move(man), 0);
        for (int i = 1; i <= count; ++i) {
            auto wife = std::make_unique<Clovek>();
            wife->firstName = "Marie" + std::to_string(i);
            wife->surname = "Nováková";
            wife->sex = 0;
            bench::marry(husband, bench::appendNumbered(tree, std::move(wife), i));
        }
    } else {
        bench::RealisticTree(tree, seed).build(count);
    }
    SaveResult result;
    try {
        bench::TreeFileFolders folders;
        TreeFileEnvironment env = folders.environment();
        if (pictures)
            givePictures(tree, every, env.workingFolder);
        result = saveTreeFile(tree, tree.firstPerson, env);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_tree_file: %s\n", e.what());
        return 1;
    }
    if (!result.written) {
        std::fprintf(stderr, "make_tree_file: %s not written: %s\n", file.c_str(), result.error.c_str());
        return 1;
    }
    std::printf("persons=%d bytes=%ju\n", tree.personCount(), uintmax_t(fs::file_size(file)));
    return 0;
}
