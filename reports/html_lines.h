#pragma once
// A page as it is composed: lines appended one after another and kept at once as the bytes of
// the file (UTF-8, each line ended by CR LF). A person page of a big family has tens of
// thousands of lines; one buffer spares as many separate strings.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

class HtmlLines {
public:
    HtmlLines() = default;
    HtmlLines(std::initializer_list<std::string_view> lines) { add(lines); }

    // One line.
    void push_back(std::string_view line);
    // One line made of the parts, in order.
    void joined(std::initializer_list<std::string_view> parts);
    // Several lines.
    void add(std::initializer_list<std::string_view> lines);

    const std::string& bytes() const { return bytes_; }
    // The bytes handed on, the page left empty.
    std::string release() { return std::move(bytes_); }

private:
    std::string bytes_;
};
