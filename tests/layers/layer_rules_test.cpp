// The folders and who may use whom, read from the sources: a file may include the headers of its
// own layer and of the layers its row names, nothing else. A layer that reaches up makes the
// libraries link in a circle and lets a headless part drive windows, which nothing else catches
// until the tests of some other folder break in an unrelated way.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// One row per layer, named by its folder: the layers it may include. A file belongs to the row
// of the deepest folder holding it that has one ("toolkit/qt/x.cpp" to "toolkit/qt"). A new
// top-level folder needs a row here (the check fails for one that has none), as app/ would if
// the composed main window moved out of it. "Qt" stands for Qt's own headers.
const std::map<std::string, std::set<std::string>, std::less<>> mayUse = {
    {"system", {}},
    {"toolkit", {"system"}},
    {"toolkit/qt", {"toolkit", "system", "Qt"}},
    {"model", {"system"}},
    {"storage", {"model", "system"}},
    {"forms", {"toolkit", "system"}},
    {"shell", {"storage", "forms", "model", "toolkit", "system"}},
    {"editor", {"shell", "storage", "forms", "model", "toolkit", "system"}},
    {"reports", {"shell", "model", "toolkit", "system"}},
    {"gedcom", {"shell", "model", "toolkit", "system"}},
    {"app",
     {"editor", "reports", "gedcom", "shell", "storage", "forms", "model", "toolkit", "system", "toolkit/qt",
      "Qt"}},
};

// Within a layer, files that must not include each other both ways: {lower, upper} means the
// upper may include the lower and never the reverse.
const std::vector<std::pair<std::string, std::string>> oneWay = {
    {"system/text", "system/codec"},
};

// Top-level folders that are not part of the product: tests, benchmarks and fuzzers may use
// every layer.
const std::set<std::string, std::less<>> notProduct = {"tests", "bench", "fuzz", "cmake", "scripts", "docs"};

// "toolkit/form.h" -> "toolkit/form".
std::string moduleOf(std::string_view path)
{
    const size_t dot = path.rfind('.');
    return std::string(path.substr(0, dot));
}

// The layer of a file or header path relative to the source folder ("shell/hlavni.h"), or empty
// when it is no file of ours.
std::string layerOf(std::string_view path)
{
    for (size_t slash = path.rfind('/'); slash != std::string_view::npos && slash > 0;
         slash = path.rfind('/', slash - 1)) {
        const std::string_view folder = path.substr(0, slash);
        if (!mayUse.contains(folder))
            continue;
        return std::string(folder);
    }
    return {};
}

struct Include {
    std::string target; // as written between the quotes or angle brackets
    bool angled = false;
    int line = 0;
};

std::vector<Include> includesOf(const fs::path& file)
{
    std::vector<Include> out;
    std::ifstream in(file);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        size_t p = text.find_first_not_of(" \t");
        if (p == std::string::npos || text[p] != '#')
            continue;
        p = text.find_first_not_of(" \t", p + 1);
        if (p == std::string::npos || text.compare(p, 7, "include") != 0)
            continue;
        p = text.find_first_of("\"<", p + 7);
        if (p == std::string::npos)
            continue;
        const size_t end = text.find(text[p] == '"' ? '"' : '>', p + 1);
        if (end == std::string::npos)
            continue;
        out.push_back({text.substr(p + 1, end - p - 1), text[p] == '<', line});
    }
    return out;
}

// The layer an include reaches: ours by its folder, Qt by its headers' names, empty for the
// standard library and the other libraries every layer may use.
std::string layerOfInclude(const Include& include)
{
    if (include.angled)
        return include.target.starts_with('Q') ? "Qt" : std::string();
    return layerOf(include.target);
}

std::vector<fs::path> sourcesOf(const fs::path& root, const std::string& folder)
{
    std::vector<fs::path> files;
    if (!fs::is_directory(root / folder))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST(LayerRules, NoFileIncludesALayerItsLayerMayNotUse)
{
    const fs::path root = KINVELOR_SOURCE_DIR;
    ASSERT_TRUE(fs::is_directory(root / "system")) << root;

    std::vector<std::string> folders;
    for (const auto& entry : fs::directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && !name.starts_with('.') && !name.starts_with("build") &&
            !notProduct.contains(name))
            folders.push_back(name);
    }
    std::sort(folders.begin(), folders.end());

    std::map<std::string, std::set<std::string>> moduleIncludes;
    std::vector<std::string> faults;
    for (const std::string& folder : folders) {
        const std::vector<fs::path> files = sourcesOf(root, folder);
        // A folder of sources that no row names would escape every rule.
        if (!files.empty() && !mayUse.contains(folder))
            faults.push_back(folder + "/ has no row in the layer table");
        for (const fs::path& file : files) {
            const std::string path = fs::relative(file, root).generic_string();
            const std::string layer = layerOf(path);
            const auto row = mayUse.find(layer);
            if (row == mayUse.end())
                continue;
            for (const Include& include : includesOf(file)) {
                if (!include.angled)
                    moduleIncludes[moduleOf(path)].insert(moduleOf(include.target));
                const std::string target = layerOfInclude(include);
                if (target.empty() || target == layer || row->second.contains(target))
                    continue;
                faults.push_back(path + ":" + std::to_string(include.line) + " (" + layer + ") includes " +
                                 include.target + " (" + target + ")");
            }
        }
    }
    for (const auto& [lower, upper] : oneWay)
        if (moduleIncludes[lower].contains(upper))
            faults.push_back(lower + " includes " + upper + ", which may use it, never the reverse");

    std::string all;
    for (const std::string& fault : faults)
        all += "\n  " + fault;
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults against the layer table:" << all;
}
