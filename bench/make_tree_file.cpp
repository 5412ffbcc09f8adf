// Writes a realistic tree file of the given number of persons (bench/realistic_tree.h), as the
// program's Save writes it, for the benchmarks and tree_roundtrip:
//   make_tree_file PERSONS OUT.rod [SEED]
#include "bench/realistic_tree.h"
#include "model/text_source.h"
#include "storage/media_folders.h"
#include "storage/tree_writer.h"
#include "storage/wait_window.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class DefaultTexts : public TextSource {
public:
    std::string langText(const std::string&, const std::string&, const std::string& d) override
    {
        return d;
    }
    std::string readText(const std::string&, const std::string&, const std::string& d) override
    {
        return d;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: make_tree_file PERSONS OUT.rod [SEED]\n");
        return 2;
    }
    const int persons = std::atoi(argv[1]);
    const std::string file = fs::absolute(argv[2]).string();
    const unsigned seed = argc == 4 ? unsigned(std::strtoul(argv[3], nullptr, 10)) : 42u;

    std::string program = (fs::temp_directory_path() / "kinvelor-maketree-XXXXXX").string();
    if (!::mkdtemp(program.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    program += "/";
    const std::string working = program + "temp/";
    resetWorkingFolder(working, program);
    DefaultTexts texts;
    WaitWindow wait;
    TreeFileEnvironment env{working, program, wait, texts};
    Rod tree(file);
    bench::RealisticTree(tree, seed).build(persons);
    const SaveResult result = saveTreeFile(tree, tree.firstPerson, env);
    fs::remove_all(program);
    if (!result.written) {
        std::fprintf(stderr, "make_tree_file: %s not written: %s\n", file.c_str(),
                     result.error.c_str());
        return 1;
    }
    std::printf("persons=%d bytes=%ju\n", tree.personCount(), uintmax_t(fs::file_size(file)));
    return 0;
}
