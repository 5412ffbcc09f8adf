#include "system/jpeg.h"

#include "system/exceptions.h"
#include "system/fileio.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

#if !defined(JCS_EXTENSIONS)
#error "libjpeg-turbo's RGBA pixel layouts are needed (libjpeg62-turbo-dev)"
#endif

// libjpeg reports fatal errors by calling error_exit, which must not return. We leave it with
// longjmp back into the step that called libjpeg. Each step below holds no C++ object with a
// destructor, so the jump skips nothing; C++ work happens only between the steps.

namespace {

struct JpegErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void leaveOnError(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings are silent; a file cut short is an error, not a picture with a grey bottom.
void onMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        leaveOnError(cinfo);
}

void installErrors(JpegErrors& errors)
{
    jpeg_std_error(&errors.pub);
    errors.pub.error_exit = leaveOnError;
    errors.pub.emit_message = onMessage;
    errors.message[0] = '\0';
}

struct Decoder {
    jpeg_decompress_struct cinfo{};
    JpegErrors errors;
};

bool readHeader(Decoder& d, const unsigned char* data, unsigned long size)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&d.cinfo);
    jpeg_mem_src(&d.cinfo, data, size);
    jpeg_read_header(&d.cinfo, TRUE);
    d.cinfo.out_color_space = JCS_EXT_RGBA; // libjpeg-turbo fills the fourth byte with 255
    return true;
}

bool readPixels(Decoder& d, unsigned char* rows, size_t stride)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_start_decompress(&d.cinfo);
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = rows + size_t(d.cinfo.output_scanline) * stride;
        jpeg_read_scanlines(&d.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

// Compressed bytes collect in a malloc'd buffer that we own and free, also after an error.
struct Sink {
    jpeg_destination_mgr pub;
    unsigned char* data = nullptr;
    size_t capacity = 0;
    size_t size = 0;
};

void sinkInit(j_compress_ptr cinfo)
{
    auto* sink = reinterpret_cast<Sink*>(cinfo->dest);
    sink->capacity = 65536;
    sink->data = static_cast<unsigned char*>(std::malloc(sink->capacity));
    if (!sink->data)
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    sink->pub.next_output_byte = sink->data;
    sink->pub.free_in_buffer = sink->capacity;
}

boolean sinkGrow(j_compress_ptr cinfo)
{
    auto* sink = reinterpret_cast<Sink*>(cinfo->dest);
    auto* bigger = static_cast<unsigned char*>(std::realloc(sink->data, sink->capacity * 2));
    if (!bigger)
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    sink->data = bigger;
    sink->pub.next_output_byte = bigger + sink->capacity;
    sink->pub.free_in_buffer = sink->capacity;
    sink->capacity *= 2;
    return TRUE;
}

void sinkTerm(j_compress_ptr cinfo)
{
    auto* sink = reinterpret_cast<Sink*>(cinfo->dest);
    sink->size = sink->capacity - sink->pub.free_in_buffer;
}

struct Encoder {
    jpeg_compress_struct cinfo{};
    JpegErrors errors;
    Sink sink;
};

bool compress(Encoder& e, const TBitmap& bitmap, int quality)
{
    if (setjmp(e.errors.jump))
        return false;
    jpeg_create_compress(&e.cinfo);
    e.sink.pub.init_destination = sinkInit;
    e.sink.pub.empty_output_buffer = sinkGrow;
    e.sink.pub.term_destination = sinkTerm;
    e.cinfo.dest = &e.sink.pub;
    e.cinfo.image_width = JDIMENSION(bitmap.Width());
    e.cinfo.image_height = JDIMENSION(bitmap.Height());
    e.cinfo.input_components = 4;
    e.cinfo.in_color_space = JCS_EXT_RGBA;
    jpeg_set_defaults(&e.cinfo);
    jpeg_set_quality(&e.cinfo, quality, TRUE);
    jpeg_start_compress(&e.cinfo, TRUE);
    const size_t stride = size_t(bitmap.Width()) * 4;
    while (e.cinfo.next_scanline < e.cinfo.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(bitmap.bits()) + size_t(e.cinfo.next_scanline) * stride;
        jpeg_write_scanlines(&e.cinfo, &row, 1);
    }
    jpeg_finish_compress(&e.cinfo);
    return true;
}

[[noreturn]] void badJpeg(const char* why)
{
    throw EInvalidGraphic(std::string("Damaged or unsupported JPEG picture: ") + why);
}

// The decoded size, checked before the pixels take memory (a few bytes may declare 65535 x 65535).
void checkSize(const jpeg_decompress_struct& cinfo, TBitmap& bitmap)
{
    if (cinfo.image_width > unsigned(kMaxPictureSide) || cinfo.image_height > unsigned(kMaxPictureSide))
        badJpeg("picture too large");
    bitmap.SetSize(int(cinfo.image_width), int(cinfo.image_height));
}

} // namespace

TBitmap decodeJpeg(std::string_view bytes)
{
    if (bytes.empty())
        badJpeg("empty file");
    Decoder d;
    d.cinfo.err = &d.errors.pub;
    installErrors(d.errors);
    TBitmap bitmap;
    bool ok = readHeader(d, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    try {
        if (ok)
            checkSize(d.cinfo, bitmap);
    } catch (...) {
        jpeg_destroy_decompress(&d.cinfo);
        throw;
    }
    ok = ok && readPixels(d, bitmap.bits(), size_t(bitmap.Width()) * 4);
    jpeg_destroy_decompress(&d.cinfo);
    if (!ok)
        badJpeg(d.errors.message);
    return bitmap;
}

std::string encodeJpeg(const TBitmap& bitmap, int quality)
{
    if (bitmap.Empty())
        throw EInvalidGraphic("An empty picture cannot be saved");
    Encoder e;
    e.cinfo.err = &e.errors.pub;
    installErrors(e.errors);
    const bool ok = compress(e, bitmap, std::clamp(quality, 1, 100));
    jpeg_destroy_compress(&e.cinfo);
    std::string out;
    if (ok)
        out.assign(reinterpret_cast<const char*>(e.sink.data), e.sink.size);
    std::free(e.sink.data);
    if (!ok)
        badJpeg(e.errors.message);
    return out;
}

void TJPEGImage::LoadFromFile(const std::string& path)
{
    LoadFromBytes(readPictureFile(path));
}

void TJPEGImage::LoadFromBytes(std::string_view bytes)
{
    bitmap_ = decodeJpeg(bytes);
    original_.assign(bytes);
}

std::string TJPEGImage::SaveToBytes() const
{
    return original_.empty() ? encodeJpeg(bitmap_, CompressionQuality) : original_;
}

void TJPEGImage::SaveToFile(const std::string& path) const
{
    writeFileAtomic(path, SaveToBytes());
}

void TJPEGImage::Assign(const TBitmap& bitmap)
{
    bitmap_ = bitmap;
    original_.clear();
}
