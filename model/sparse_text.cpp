#include "model/sparse_text.h"

#include <ostream>

const std::string& SparseText::none()
{
    static const std::string empty;
    return empty;
}

SparseText& SparseText::operator=(std::string_view text)
{
    if (text.empty())
        text_.reset();
    else if (text_)
        text_->assign(text);
    else
        text_ = std::make_unique<std::string>(text);
    return *this;
}

SparseText& SparseText::operator=(std::string&& text)
{
    if (text.empty())
        text_.reset();
    else if (text_)
        *text_ = std::move(text);
    else
        text_ = std::make_unique<std::string>(std::move(text));
    return *this;
}

std::string& SparseText::edit()
{
    if (!text_)
        text_ = std::make_unique<std::string>();
    return *text_;
}

std::ostream& operator<<(std::ostream& out, const SparseText& text)
{
    return out << text.str();
}
