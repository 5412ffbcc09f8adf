// BMP pictures.
#include "system/bmp.h"
#include "fuzz_support.h"
#include "system/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        decodeBmp(inputOf(data, size));
    } catch (const Exception&) {
    }
    return 0;
}
