// Writes a realistic tree file of the given number of persons (bench/realistic_tree.h), as the
// program's Save writes it, for the benchmarks and tree_roundtrip:
//   make_tree_file PERSONS OUT.rod [SEED]
#include "bench/realistic_tree.h"
#include "bench/tree_file_folders.h"
#include "storage/tree_writer.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: make_tree_file PERSONS OUT.rod [SEED]\n");
        return 2;
    }
    const int persons = std::atoi(argv[1]);
    const std::string file = fs::absolute(argv[2]).string();
    const unsigned seed = argc == 4 ? unsigned(std::strtoul(argv[3], nullptr, 10)) : 42u;

    Rod tree(file);
    bench::RealisticTree(tree, seed).build(persons);
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
