// Sort keys agree with the collation's own comparison, and cached keys follow the locale.
#include "system/collation.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

int sign(int v)
{
    return (v > 0) - (v < 0);
}

struct CollationKeys : testing::Test {
    void TearDown() override { setCollationLocale(""); }
};

} // namespace

TEST_F(CollationKeys, KeysCompareAsTheirTexts)
{
    const std::vector<std::string> texts = {
        "", " ", "a", "A", "á", "Á", "ab", "abc", "Abc", "c", "č", "Č", "ch", "Ch", "CH", "h", "hz", "i",
        "Novák Jan", "novák jan", "Novák Jana", "Nováková", "Nowak", "Šebek", "Sebek", "ž", "z", "10", "9",
        "09", "10a", "-5", "(3)", "５", "x\xff", "x\xfe", "\xc3", std::string("a\0b", 3), "ß", "ss", "😀",
        // Longer than any room a key is first made in.
        std::string(70, 'a') + "Č", std::string(70, 'a') + "C", std::string(300, 'z') + "\xff"};
    for (const char* locale : {"cs", "en"}) {
        setCollationLocale(locale);
        for (const std::string& a : texts)
            for (const std::string& b : texts) {
                std::string ka = collationKey(a), kb = collationKey(b);
                EXPECT_EQ(sign(ka.compare(kb)), sign(compareCollated(a, b)))
                    << locale << " [" << a << "] [" << b << "]";
            }
    }
}

TEST_F(CollationKeys, AHeldKeyIsRemadeWhenTheTextOrTheLocaleChanges)
{
    setCollationLocale("cs");
    SharedCollationKeys keys;
    uint32_t ch = keys.hold(SharedCollationKeys::none, "chata");
    const uint32_t h = keys.hold(SharedCollationKeys::none, "hora");
    EXPECT_GT(std::string(keys.key(ch)), std::string(keys.key(h))); // "ch" after "h" in Czech
    EXPECT_EQ(keys.key(ch), collationKey("chata"));
    ch = keys.hold(ch, "bouda");
    EXPECT_LT(std::string(keys.key(ch)), std::string(keys.key(h)));
    ch = keys.hold(ch, "chata");
    setCollationLocale("en");
    std::string_view last;
    EXPECT_FALSE(keys.lastKey(ch, last)); // made under another locale
    // Holders hold their texts again after the change, and nothing of the old locale is shared.
    ch = keys.hold(ch, "chata");
    const uint32_t h2 = keys.hold(SharedCollationKeys::none, "hora");
    EXPECT_TRUE(keys.lastKey(ch, last));
    EXPECT_LT(std::string(keys.key(ch)), std::string(keys.key(h2)));
    EXPECT_EQ(keys.key(ch), collationKey("chata"));
    EXPECT_NE(h2, h);
    EXPECT_EQ(keys.size(), 3u);
    keys.release(h);
    EXPECT_EQ(keys.size(), 2u);
}

TEST_F(CollationKeys, AHeldKeyFollowsTextsThatShareAPrefixOrAreEmpty)
{
    setCollationLocale("cs");
    SharedCollationKeys keys;
    uint32_t held = SharedCollationKeys::none;
    std::string_view last;
    const std::vector<std::string> texts = {"Novák Jan", "Novák Jana",           "Novák", "",
                                            "Novák",     std::string("a\0b", 3), "a"};
    for (const std::string& text : texts) {
        held = keys.hold(held, text);
        EXPECT_EQ(keys.key(held), collationKey(text)) << text;
        ASSERT_TRUE(keys.lastKey(held, last));
        EXPECT_EQ(last, collationKey(text)) << text;
        EXPECT_EQ(keys.size(), 1u);
    }
}

// Holders take and let go of texts in any order: each reads the key of its own text, texts of
// equal keys share one, and the table holds exactly the keys still held, across a change of the
// locale (after which every holder holds its text again, as the list's sort does) and the
// packing of the keys anew.
TEST_F(CollationKeys, SharedKeysFollowTheirHolders)
{
    setCollationLocale("cs");
    SharedCollationKeys keys;
    std::mt19937 rng(3);
    constexpr uint32_t none = SharedCollationKeys::none;
    std::vector<uint32_t> held(200, none);
    std::vector<std::string> texts(held.size());
    const std::vector<std::string> words = {"chata", "Chata", "hora", "", "Novák", "novák"};
    for (int step = 1; step <= 12000; ++step) {
        const size_t h = rng() % held.size();
        if (rng() % 4 == 0) {
            keys.release(held[h]);
            held[h] = none;
        } else {
            // Long texts soon leave more room let go than the packing tolerates.
            texts[h] = rng() % 2 ? words[rng() % words.size()]
                                 : std::string(rng() % 3 ? 1 : 2000, 't') + std::to_string(rng() % 500);
            held[h] = keys.hold(held[h], texts[h]);
        }
        if (step == 6000) {
            setCollationLocale("en");
            for (size_t i = 0; i < held.size(); ++i)
                if (held[i] != none)
                    held[i] = keys.hold(held[i], texts[i]);
        }
        if (step % 100 == 0)
            keys.tidy();
        if (step % 1000 != 0)
            continue;
        std::map<std::string, uint32_t> distinct;
        for (size_t i = 0; i < held.size(); ++i) {
            if (held[i] == none)
                continue;
            ASSERT_EQ(keys.key(held[i]), collationKey(texts[i])) << texts[i];
            ASSERT_EQ(distinct.emplace(collationKey(texts[i]), held[i]).first->second, held[i]) << texts[i];
        }
        ASSERT_EQ(keys.size(), distinct.size()) << step;
    }
    std::string_view key;
    EXPECT_FALSE(keys.lastKey(none, key));
}

// A list long enough to be keyed in several threads: every holder gets the key of its own text,
// texts of equal keys share one, and holding again after some texts changed, after a change of
// the locale and with keys longer than a block of keys, still gives each its own.
TEST_F(CollationKeys, AllHoldersOfALongListGetTheirOwnKeys)
{
    setCollationLocale("cs");
    SharedCollationKeys keys;
    std::mt19937 rng(11);
    const std::vector<std::string> words = {"chata", "Chata", "hora", "", "Novák", "novák", "Čapek", "ch"};
    const size_t n = 4 * SharedCollationKeys::kParallelFrom + 17;
    std::vector<std::string> texts(n);
    std::vector<uint32_t> held(n, SharedCollationKeys::none);
    auto check = [&](const char* round) {
        std::map<std::string, uint32_t> distinct;
        for (size_t i = 0; i < n; ++i) {
            const std::string key = collationKey(texts[i]);
            ASSERT_EQ(keys.key(held[i]), key) << round << " " << i;
            ASSERT_EQ(distinct.emplace(key, held[i]).first->second, held[i]) << round << " " << i;
        }
        ASSERT_EQ(keys.size(), distinct.size()) << round;
    };
    auto holdAll = [&] { keys.holdAll(held, [&](size_t i, std::string& text) { text = texts[i]; }); };
    for (size_t i = 0; i < n; ++i)
        texts[i] = words[rng() % words.size()] + std::to_string(rng() % (i % 3 ? 50 : 100000));
    // A few keys longer than a block of keys.
    texts[5] = std::string(size_t(3) << 19, 'k');
    texts[n - 2] = std::string(size_t(3) << 19, 'k') + "z";
    holdAll();
    check("first");
    for (size_t i = 0; i < n; i += 1 + rng() % 5)
        texts[i] = words[rng() % words.size()] + std::to_string(rng() % 70);
    holdAll();
    check("changed");
    keys.tidy();
    check("tidied");
    setCollationLocale("en");
    holdAll();
    check("other locale");
}
