#pragma once
// A text of the model that takes four bytes: nothing while empty, and while written the number
// of a counted text in one table (a big tree holds millions of these fields, so half the room of
// a pointer adds up to megabytes). A counted text is shared by every field that holds the same short text (the same first
// names, places, surnames and date parts recur across a tree of 100,000 persons). Long texts
// get one of their own. It reads as the `std::string` it stands for (`const std::string&`,
// `empty()`, comparisons) and is written by assignment or `edit()`, which gives the field a text
// of its own first, so a change never shows in another field.
//
// The model lives on the program's one thread: the counts and the table of shared texts are
// not guarded.
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

class SparseText {
public:
    SparseText() = default;
    SparseText(std::string_view text) { assign(text); }
    SparseText(const std::string& text) { assign(text); }
    SparseText(const char* text) { assign(text); }
    SparseText(const SparseText& other) : index_(other.index_) { hold(); }
    SparseText(SparseText&& other) noexcept : index_(other.index_)
    {
        if (other.index_)
            ++writes_;
        other.index_ = 0;
    }
    ~SparseText() { release(); }
    SparseText& operator=(const SparseText& other);
    SparseText& operator=(SparseText&& other) noexcept;

    SparseText& operator=(const std::string& text) { return ++writes_, assign(text); }
    SparseText& operator=(const char* text) { return ++writes_, assign(text); }
    SparseText& operator=(std::string_view text) { return ++writes_, assign(text); }

    const std::string& str() const { return index_ ? at(index_).text : none(); }
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }
    // The text to change in place; the field takes a text of its own first.
    std::string& edit();

    bool empty() const { return !index_ || at(index_).text.empty(); }
    size_t size() const { return index_ ? at(index_).text.size() : 0; }
    size_t length() const { return size(); }
    const char* c_str() const { return str().c_str(); }
    const char* data() const { return str().data(); }
    char operator[](size_t i) const { return str()[i]; }
    char front() const { return str().front(); }
    char back() const { return str().back(); }
    std::string substr(size_t pos, size_t n = std::string::npos) const { return str().substr(pos, n); }
    size_t find(std::string_view what, size_t pos = 0) const { return str().find(what, pos); }
    size_t find(char what, size_t pos = 0) const { return str().find(what, pos); }
    bool starts_with(std::string_view prefix) const { return str().starts_with(prefix); }
    int compare(std::string_view other) const { return str().compare(other); }
    std::string::const_iterator begin() const { return str().begin(); }
    std::string::const_iterator end() const { return str().end(); }
    void clear()
    {
        ++writes_;
        release();
    }
    SparseText& operator+=(std::string_view more);
    SparseText& operator+=(char more) { return *this += std::string_view(&more, 1); }

    // The same text, held once: a cheap test before comparing letters.
    bool sharesTextWith(const SparseText& other) const { return index_ == other.index_; }
    // The number the text is held under: two fields with the same number hold the same text
    // (0 for none). Every number is below `slotLimit()` until a text is next written.
    uint32_t slot() const { return index_; }
    static uint32_t slotLimit();
    // How many shared texts the table holds now, for tests.
    static size_t sharedCount();
    // How many times any text was written (assigned, edited, cleared or moved away) since the
    // start: what is made from texts stays true while this stays the same.
    static uint64_t writeCount() { return writes_; }

    friend bool operator==(const SparseText& a, const SparseText& b)
    {
        return a.index_ == b.index_ || a.str() == b.str();
    }
    friend bool operator==(const SparseText& a, std::string_view b) { return a.str() == b; }
    friend bool operator==(const SparseText& a, const char* b) { return a.str() == b; }
    friend bool operator==(const SparseText& a, const std::string& b) { return a.str() == b; }
    friend auto operator<=>(const SparseText& a, const SparseText& b) { return a.str() <=> b.str(); }
    friend auto operator<=>(const SparseText& a, std::string_view b)
    {
        return std::string_view(a.str()) <=> b;
    }
    friend auto operator<=>(const SparseText& a, const std::string& b) { return a.str() <=> b; }
    friend auto operator<=>(const SparseText& a, const char* b)
    {
        return std::string_view(a.str()) <=> std::string_view(b);
    }
    friend std::string operator+(const std::string& a, const SparseText& b) { return a + b.str(); }
    friend std::string operator+(const SparseText& a, const std::string& b) { return a.str() + b; }
    friend std::string operator+(const char* a, const SparseText& b) { return a + b.str(); }
    friend std::string operator+(const SparseText& a, const char* b) { return a.str() + b; }
    friend std::string operator+(const SparseText& a, const SparseText& b) { return a.str() + b.str(); }
    friend std::string operator+(const SparseText& a, char b) { return a.str() + b; }
    friend std::string operator+(char a, const SparseText& b) { return a + b.str(); }
    friend std::ostream& operator<<(std::ostream& out, const SparseText& text);

    struct Text {
        std::string text;
        uint32_t holders = 0;
        bool shared = false; // listed in the table of shared texts
    };

private:
    SparseText& assign(std::string_view text);
    void hold() const
    {
        if (index_)
            ++at(index_).holders;
    }
    void release();
    // The empty text of every empty field; made before any code runs, so reading it needs no
    // call (a big tree's save reads tens of millions of empty fields).
    static const std::string& none() { return none_; }
    static inline const std::string none_;
    // The number of a new text in the table; a number let go of earlier is used again first.
    static uint32_t place(std::string text, bool shared);

    // The table is blocks of texts that never move, so a read is two steps and a text read
    // stays where it is while the table grows. Number 0 stands for "no text".
    static constexpr unsigned kBlockBits = 10;
    static Text& at(uint32_t index) { return blocks_[index >> kBlockBits][index & ((1u << kBlockBits) - 1)]; }
    static inline Text** blocks_ = nullptr;
    static inline uint64_t writes_ = 0;
    uint32_t index_ = 0;
};

static_assert(sizeof(SparseText) == 4, "a text field takes the room of its number");
