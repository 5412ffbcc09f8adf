#include "storage/body_out.h"

#include "platform/codec.h"
#include "storage/tree_file_format.h"

#include <charconv>

namespace {

constexpr size_t pieceSize = size_t(1) << 20;

} // namespace

void BodyOut::number(long long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    line(std::string_view(digits, static_cast<size_t>(end - digits)));
}

BodyBytes::BodyBytes(Put put) : put_(std::move(put))
{
    buffer_.reserve(pieceSize + 4096);
    for (std::string_view header : {savedStateTitle, savedStateNote, savedStateVersion,
                                    std::string_view()}) {
        buffer_ += header;
        buffer_ += "\r\n";
    }
}

void BodyBytes::line(std::string_view text)
{
    const size_t start = buffer_.size();
    appendAsCp1250WithReferences(buffer_, text);
    buffer_ += "\r\n";
    const size_t end = buffer_.size() - 2;
    for (size_t i = start; i < buffer_.size(); ++i) {
        char& c = buffer_[i];
        if (i < end && (c == '\r' || c == '\n' || c == '\0'))
            c = ' ';
        c = static_cast<char>(static_cast<unsigned char>(c) + 1);
    }
    if (buffer_.size() >= pieceSize) {
        put_(buffer_);
        buffer_.clear();
    }
}

void BodyBytes::finish()
{
    buffer_ += "\r\n";
    put_(buffer_);
    buffer_.clear();
}
