#pragma once
// A tree read from fuzzed input, for the harnesses that take a tree somewhere else (the exports).
// The input is a decoded body, as for the tree reader's harness, so its seeds serve here too;
// the tree is made ready as an open makes it (identifiers, children, siblings).
#include "fuzz_support.h"
#include "model/rod.h"
#include "storage/tree_loader.h"
#include "system/exceptions.h"

#include <memory>

// The tree, or none when the input is no tree file the loader takes.
inline std::unique_ptr<Rod> fuzzedTree(const uint8_t* data, size_t size, TreeFileEnvironment& env)
{
    std::string body = inputOf(data, size);
    shiftBody(body);
    const std::string file = fuzzFolders().save + "strom.rod";
    writeFileAtomic(file,
                    std::string(savedStateTitle) + "\r\nx\r\n" + std::string(savedStateVersion) + "\r\n\r\n" +
                        body + "\r\n",
                    false);
    auto tree = std::make_unique<Rod>(file);
    try {
        loadCurrentFormat(*tree, env);
    } catch (const EDamagedTreeFile&) {
        return nullptr;
    }
    tree->fillEmptyIdentifiers();
    // Children are ordered by birth as an open orders them; nothing of it may raise.
    tree->rebuildChildLists();
    tree->rebuildAllSiblingLists();
    return tree;
}
