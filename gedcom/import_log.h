#pragma once
// The log of a GEDCOM import: one line per problem, "řádek " + line + ": " + message. A big file
// logs several lines per person, most of them the same few messages on other lines, so a line is
// kept as its line number and the number of its message, each message text once. A line read back
// is the text it was given, letter for letter.
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ImportLog {
public:
    ImportLog() = default;
    ImportLog(std::initializer_list<std::string> lines);
    ImportLog(ImportLog&&) noexcept = default;
    ImportLog& operator=(ImportLog&&) noexcept = default;
    ImportLog(const ImportLog& other);
    ImportLog& operator=(const ImportLog& other);

    // "řádek " + lineNumber + ": " + message.
    void add(int lineNumber, std::string_view message);
    // A line as it is written.
    void push_back(std::string_view line);

    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    std::string operator[](size_t i) const;
    // Line `i` into `line`, reusing its storage.
    void lineInto(size_t i, std::string& line) const;
    // The numbered lines in the order of their numbers, those of one number as they came; a line
    // without a number stays before them when it came before every numbered one, else goes last.
    void sortByLine();
    std::string front() const { return (*this)[0]; }
    std::string back() const { return (*this)[count_ - 1]; }
    void clear();

    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = std::string;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string;

        const_iterator() = default;
        std::string operator*() const { return (*log_)[i_]; }
        const_iterator& operator++()
        {
            ++i_;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator was = *this;
            ++i_;
            return was;
        }
        bool operator==(const const_iterator& o) const { return i_ == o.i_; }

    private:
        friend class ImportLog;
        const_iterator(const ImportLog* log, size_t i) : log_(log), i_(i) { }
        const ImportLog* log_ = nullptr;
        size_t i_ = 0;
    };
    using value_type = std::string;
    using iterator = const_iterator;
    using size_type = size_t;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, count_}; }

    // Every line, as a list of texts.
    std::vector<std::string> lines() const;

    bool operator==(const ImportLog& o) const;
    bool operator==(const std::vector<std::string>& o) const;

private:
    // A line whose number is `wholeLine` is its message alone, as push_back was given it.
    static constexpr int32_t wholeLine = INT32_MIN;
    struct Entry {
        int32_t line;
        uint32_t text;
    };
    // Entries sit in blocks of a fixed size that never move: a growing log is not copied over
    // and over into fresh memory.
    static constexpr size_t blockBits = 14;
    static constexpr size_t blockSize = size_t(1) << blockBits;

    void append(int32_t line, std::string_view text);
    uint32_t textNumber(std::string_view text);
    uint32_t keep(std::string_view kept);
    const Entry& entry(size_t i) const { return blocks_[i >> blockBits][i & (blockSize - 1)]; }

    std::vector<std::unique_ptr<Entry[]>> blocks_;
    size_t count_ = 0;
    // The message texts, in pages that never move, so the views of the index stay valid.
    std::vector<std::unique_ptr<char[]>> pages_;
    size_t pageUsed_ = 0;
    size_t pageSize_ = 0;
    std::vector<std::string_view> texts_;
    std::unordered_map<std::string_view, uint32_t> index_;
};
