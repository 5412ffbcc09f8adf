#include "storage/body_out.h"

#include "storage/tree_file_format.h"
#include "system/codec.h"

#include <charconv>

namespace {

constexpr size_t pieceSize = size_t(1) << 20;
// CR LF as they stand in the body: each byte one higher.
constexpr std::string_view shiftedLineEnd = "\x0e\x0b";

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
    for (std::string_view header : {savedStateTitle, savedStateNote, savedStateVersion, std::string_view()}) {
        buffer_ += header;
        buffer_ += "\r\n";
    }
}

void BodyBytes::line(std::string_view text)
{
    const size_t start = buffer_.size();
    appendAsCp1250WithReferences(buffer_, text);
    // One pass without branches over the line's bytes: the save of a big tree shifts hundreds
    // of megabytes here, and a loop of this shape runs many bytes a step.
    auto* bytes = reinterpret_cast<unsigned char*>(buffer_.data());
    for (size_t i = start, end = buffer_.size(); i < end; ++i) {
        const unsigned char c = bytes[i];
        const bool breaksLine = c == '\r' || c == '\n' || c == '\0';
        bytes[i] = static_cast<unsigned char>((breaksLine ? ' ' : c) + 1);
    }
    buffer_ += shiftedLineEnd;
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
