#include "reports/html_lines.h"

#include "platform/codec.h"

void HtmlLines::push_back(std::string_view line)
{
    appendAsCp1250(bytes_, line);
    bytes_ += "\r\n";
}

void HtmlLines::joined(std::initializer_list<std::string_view> parts)
{
    for (std::string_view part : parts)
        appendAsCp1250(bytes_, part);
    bytes_ += "\r\n";
}

void HtmlLines::joined(std::string_view before, const Cp1250Text& text, std::string_view after)
{
    appendAsCp1250(bytes_, before);
    bytes_ += text.bytes;
    appendAsCp1250(bytes_, after);
    bytes_ += "\r\n";
}

void HtmlLines::add(std::initializer_list<std::string_view> lines)
{
    for (std::string_view line : lines)
        push_back(line);
}
