// The Windows-1250 codec at every file boundary: any bytes decode, and what was decoded
// encodes back to as many bytes. The tree file's text keeps every character of valid UTF-8,
// and text the code page holds without an "&#" comes out as the plain encoding gives it.
#include "system/codec.h"
#include "fuzz_support.h"
#include "system/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes = inputOf(data, size);
    const std::string text = cp1250ToUtf8(bytes);
    if (utf8ToCp1250(text).size() != bytes.size())
        std::abort();
    utf8ToCp1250(bytes); // the same bytes taken as UTF-8, valid or not

    std::string kept;
    appendAsCp1250WithReferences(kept, text);
    if (bytes.find("&#") == std::string::npos && kept != bytes)
        std::abort();
    if (cp1250WithReferencesToUtf8(kept) != text)
        std::abort();
    bool valid = true;
    for (size_t pos = 0; pos < bytes.size() && valid;) {
        const size_t start = pos;
        valid = nextCodePoint(bytes, pos) != 0xFFFD || bytes.compare(start, pos - start, "\uFFFD") == 0;
    }
    if (valid) {
        std::string asTree;
        appendAsCp1250WithReferences(asTree, bytes);
        if (cp1250WithReferencesToUtf8(asTree) != bytes)
            std::abort();
    }
    cp1250WithReferencesToUtf8(bytes);
    return 0;
}
