#pragma once
// Where the body of a tree file goes, line by line: kept as lines (tests, tools that look at
// them) or encoded straight into the file's bytes and handed on in pieces, so that the save of
// a big tree never holds its file, let alone its file as text and as bytes besides.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class BodyOut {
public:
    virtual ~BodyOut() = default;
    // One line of the program's own text (UTF-8).
    virtual void line(std::string_view text) = 0;
    // A number as its decimal line.
    void number(long long value);
};

// Keeps the lines.
class BodyLines final : public BodyOut {
public:
    explicit BodyLines(std::vector<std::string>& lines) : lines_(lines) { }
    void line(std::string_view text) override { lines_.emplace_back(text); }

private:
    std::vector<std::string>& lines_;
};

// The file's bytes: the header as it stands, then each line as Windows-1250 ended by CR LF and
// shifted, then the file's own last line end. A CR, LF or NUL inside a line would break the
// file, so each becomes a blank. The bytes go to `put` whenever about a mebibyte has gathered,
// and the rest at `finish`; the buffer's pages are reused from piece to piece.
class BodyBytes final : public BodyOut {
public:
    using Put = std::function<void(std::string_view)>;
    explicit BodyBytes(Put put);
    void line(std::string_view text) override;
    void finish();

private:
    // Room for `more` bytes after those gathered; its bytes are written at once, never cleared.
    char* room(size_t more);
    void flush();

    Put put_;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = 0;
    size_t used_ = 0;
    // A line that is not plain ASCII, converted before it is shifted; its room serves each one.
    std::string converted_;
};
