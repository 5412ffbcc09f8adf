#include "reports/html_lines.h"

void HtmlLines::push_back(std::string_view line)
{
    bytes_ += line;
    bytes_ += "\r\n";
}

void HtmlLines::joined(std::initializer_list<std::string_view> parts)
{
    for (std::string_view part : parts)
        bytes_ += part;
    bytes_ += "\r\n";
}

void HtmlLines::add(std::initializer_list<std::string_view> lines)
{
    for (std::string_view line : lines)
        push_back(line);
}
