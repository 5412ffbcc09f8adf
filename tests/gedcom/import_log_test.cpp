// The import log keeps each message text once; every line must still read back as it was given,
// and the log file must hold all of it, however long the log grows.
#include "gedcom/import_driver.h"
#include "gedcom/import_log.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

TEST(GedcomImportLog, LinesReadBackAsGivenAndTheLogFileHoldsThemAll)
{
    ImportLog log;
    std::vector<std::string> expected;
    auto add = [&](int line, const std::string& message) {
        log.add(line, message);
        expected.push_back("řádek " + std::to_string(line) + ": " + message);
    };
    // More lines than one block of entries, more distinct texts than one page of texts, a text
    // longer than a page, texts repeated on other lines, an empty one and whole lines.
    const std::string longText(100000, 'x');
    for (int i = 0; i < 40000; ++i) {
        add(i + 1, "Neexistující nebo v tomto místě nepodporovaný tag (SOUR)");
        if (i % 3 == 0)
            add(i + 1, "osoba @I" + std::to_string(i) + "@ nenalezena");
        if (i == 20000) {
            add(i, longText);
            add(0, "");
            log.push_back("řádek 7, neočekávaný výskyt znaku: \"\x01\".");
            expected.push_back("řádek 7, neočekávaný výskyt znaku: \"\x01\".");
        }
    }
    ASSERT_EQ(log.size(), expected.size());
    EXPECT_EQ(log.lines(), expected);
    size_t i = 0;
    for (const std::string& line : log)
        ASSERT_EQ(line, expected[i++]);
    const ImportLog copy = log;
    EXPECT_TRUE(copy == expected);

    TempFolder folder;
    ImportResult result;
    result.log = std::move(log);
    ASSERT_EQ(writeImportLog(result, folder / "a.ged", folder.path()), folder / "_errors.txt");
    std::ifstream in(folder / "_errors.txt", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::string wanted;
    for (const std::string& line : expected)
        wanted += line + "\r\n";
    EXPECT_EQ(bytes, wanted);
}

} // namespace
