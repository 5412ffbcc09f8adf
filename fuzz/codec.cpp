// The Windows-1250 codec at every file boundary: any bytes decode, and what was decoded
// encodes back to as many bytes.
#include "fuzz_support.h"
#include "platform/codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes = inputOf(data, size);
    const std::string text = cp1250ToUtf8(bytes);
    if (utf8ToCp1250(text).size() != bytes.size())
        std::abort();
    utf8ToCp1250(bytes); // the same bytes taken as UTF-8, valid or not
    return 0;
}
