// Writes a realistic tree file of the given number of persons (bench/realistic_tree.h), as the
// program's Save writes it, for the benchmarks and tree_roundtrip:
//   make_tree_file PERSONS OUT.rod [SEED]
//   make_tree_file --partners PARTNERS OUT.rod
// The second writes one man with that many wives, each a person of her own: what a hostile
// GEDCOM file makes of a person with as many FAMS lines.
#include "bench/realistic_tree.h"
#include "bench/tree_file_folders.h"
#include "bench/tree_parts.h"
#include "storage/tree_writer.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    const bool partners = argc == 4 && std::string(argv[1]) == "--partners";
    const int count = argc < 3 ? 0 : int(std::strtol(argv[partners ? 2 : 1], nullptr, 10));
    if (argc < 3 || argc > 4 || count <= 0) {
        std::fprintf(stderr, "usage: make_tree_file PERSONS OUT.rod [SEED]\n"
                             "       make_tree_file --partners PARTNERS OUT.rod\n");
        return 2;
    }
    const std::string file = fs::absolute(argv[partners ? 3 : 2]).string();
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
