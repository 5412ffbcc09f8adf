// JPEG pictures as the media tabs and the older loader read them.
#include "system/jpeg.h"
#include "fuzz_support.h"
#include "system/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TJPEGImage picture;
    try {
        picture.LoadFromBytes(inputOf(data, size));
    } catch (const Exception&) {
    }
    return 0;
}
