#pragma once
// What the fuzz harnesses share: a program folder of their own (in memory where the system has
// one, so the safe file replacement never waits for a disk), the Czech defaults as the texts,
// and the input written to a file for the readers that take a path.
#include "model/text_source.h"
#include "storage/media_folders.h"
#include "storage/tree_file_format.h"
#include "storage/tree_progress.h"
#include "system/fileio.h"
#include "system/files.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

struct FuzzFolders {
    std::string program;
    std::string working;
    std::string save;

    FuzzFolders()
    {
        std::string pattern =
            (directoryExists("/dev/shm") ? std::string("/dev/shm") : std::string("/tmp")) + "/kv_fuzz_XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        program = pattern + "/";
        working = program + "temp/";
        save = program + "save/";
        createDir(program + "data");
        createDir(program + "data/lang");
        createDir(save);
        createDir(working);
        createMediaFolders(working);
    }
    ~FuzzFolders() { deleteFolderTree(program); }
};

inline FuzzFolders& fuzzFolders()
{
    static FuzzFolders folders;
    return folders;
}

class DefaultTexts : public TextSource {
public:
    std::string langText(const std::string&, const std::string&, const std::string& d) override { return d; }
    std::string readText(const std::string&, const std::string&, const std::string& d) override { return d; }
};

// What the tree-file functions take, over the harness's folders.
struct TreeFuzzEnvironment {
    NoTreeProgress wait;
    DefaultTexts texts;
    TreeFileEnvironment env{fuzzFolders().working, fuzzFolders().program, wait, texts};
};

inline std::string inputOf(const uint8_t* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}
