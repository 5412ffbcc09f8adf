#pragma once
// One text written into one field of many persons at once: a group's members or the whole tree.
#include <string>

class Group;
class Rod;

// The fields bulk fill reaches. The places, religion, nationality and citizenship are replaced;
// a residence, education or occupation entry is appended with empty from and to.
enum class BulkField {
    birthPlace,
    deathPlace,
    burialPlace,
    residence,
    education,
    occupation,
    religion,
    nationality,
    citizenship,
};

// Every member of `group` in member order, or with no group every person of the tree in chain
// order. An empty text is written like any other. Records no undo step. A locked person is left
// as it is; answers how many were left so.
int bulkFill(Rod& tree, const Group* group, BulkField field, const std::string& text);
