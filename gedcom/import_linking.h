#pragma once
// The linking step of the GEDCOM import, once every record is read: persons get their numbers
// and completed surnames, children their parents, couples their partnerships.
class ImportParser;
class LexAn;
class Rod;
struct ImportOptions;

// Answers the number of partnerships made. Problems go to the import log: a cross-reference
// that names no person, a family whose husband is its wife (refused whole), a child link to the
// family's own husband or wife (that link dropped), a second family giving a child another
// parent (the first stays), two families of one parent each that give a child its father and
// its mother (joined, as the child keeps both), and a parent link that would make a person its
// own ancestor (dropped).
int linkImportedFamilies(Rod& tree, ImportParser& parser, const ImportOptions& options, LexAn& log);
