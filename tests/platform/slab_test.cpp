// Objects cut from a shared slab keep apart and keep their values; derived objects of another
// size go to the general allocator and come back to it.
#include "system/slab.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

namespace {

struct Node : SlabAllocated<Node> {
    explicit Node(int v) : value(v) { }
    virtual ~Node() = default;
    int value;
    Node* link = nullptr;
};

// Larger than its base: must not be cut from the base's slab.
struct WideNode : Node {
    explicit WideNode(int v) : Node(v) { }
    char more[200] = {};
};

TEST(Slab, ObjectsKeepTheirValuesAcrossBlocksAndReuse)
{
    std::vector<std::unique_ptr<Node>> nodes;
    for (int i = 0; i < 5000; ++i) // spans several blocks
        nodes.push_back(std::make_unique<Node>(i));
    std::set<const Node*> places;
    for (const auto& n : nodes) {
        EXPECT_EQ(reinterpret_cast<uintptr_t>(n.get()) % alignof(Node), 0u);
        places.insert(n.get());
    }
    EXPECT_EQ(places.size(), nodes.size());
    // Every other one freed and taken again: the new ones must not overlap the survivors.
    for (size_t i = 0; i < nodes.size(); i += 2)
        nodes[i].reset();
    for (size_t i = 0; i < nodes.size(); i += 2)
        nodes[i] = std::make_unique<Node>(-int(i));
    for (size_t i = 0; i < nodes.size(); ++i)
        EXPECT_EQ(nodes[i]->value, i % 2 ? int(i) : -int(i)) << i;
}

TEST(Slab, DerivedObjectOfAnotherSizeIsAllocatedAndFreedThroughItsBase)
{
    std::vector<std::unique_ptr<Node>> nodes;
    for (int i = 0; i < 100; ++i) {
        nodes.push_back(std::make_unique<WideNode>(i));
        static_cast<WideNode&>(*nodes.back()).more[199] = char(i);
        nodes.push_back(std::make_unique<Node>(i));
    }
    for (size_t i = 0; i < nodes.size(); i += 2)
        EXPECT_EQ(static_cast<WideNode&>(*nodes[i]).more[199], char(i / 2));
    nodes.clear(); // deleting through Node* picks the matching release
    Node* again = new Node(7);
    EXPECT_EQ(again->value, 7);
    delete again;
}

} // namespace
