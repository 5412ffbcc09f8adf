#pragma once
// A text most persons leave empty: while empty it takes the room of one pointer instead of a
// whole string, and a string of its own once written. A tree of 100,000 persons carries some
// twenty such fields per person, nearly all empty. It reads as the `std::string` it stands for
// (`const std::string&`, `empty()`, comparisons) and is written by assignment or `edit()`.
#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

class SparseText {
public:
    SparseText() = default;
    SparseText(const SparseText& other) { *this = other; }
    SparseText(SparseText&&) noexcept = default;
    SparseText& operator=(const SparseText& other) { return *this = other.str(); }
    SparseText& operator=(SparseText&&) noexcept = default;

    SparseText& operator=(const std::string& text) { return *this = std::string_view(text); }
    SparseText& operator=(const char* text) { return *this = std::string_view(text); }
    SparseText& operator=(std::string_view text);
    SparseText& operator=(std::string&& text);

    const std::string& str() const { return text_ ? *text_ : none(); }
    operator const std::string&() const { return str(); }
    operator std::string_view() const { return str(); }
    // The text to change in place; an empty one takes its own string from here on.
    std::string& edit();

    bool empty() const { return !text_ || text_->empty(); }
    size_t size() const { return text_ ? text_->size() : 0; }
    const char* c_str() const { return str().c_str(); }
    void clear() { text_.reset(); }

    friend bool operator==(const SparseText& a, const SparseText& b) { return a.str() == b.str(); }
    friend bool operator==(const SparseText& a, std::string_view b) { return a.str() == b; }
    friend bool operator==(const SparseText& a, const char* b) { return a.str() == b; }
    friend bool operator==(const SparseText& a, const std::string& b) { return a.str() == b; }
    friend std::string operator+(const std::string& a, const SparseText& b) { return a + b.str(); }
    friend std::string operator+(const SparseText& a, const std::string& b) { return a.str() + b; }
    friend std::string operator+(const char* a, const SparseText& b) { return a + b.str(); }
    friend std::string operator+(const SparseText& a, const char* b) { return a.str() + b; }
    friend std::ostream& operator<<(std::ostream& out, const SparseText& text);

private:
    static const std::string& none();
    std::unique_ptr<std::string> text_;
};
