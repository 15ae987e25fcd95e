// JPEG pictures through libjpeg. libjpeg reports fatal errors through a callback that must not
// return; ours jumps back to the decoder with longjmp, so no C++ object with a destructor may
// live in the frame that calls setjmp: everything is kept in one context owned by the caller.
#include "platform/qt/picture_codecs.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace platform::codecs {
namespace {

// Progressive files may hold any number of scans, each a pass over the whole image; real ones
// have about ten.
constexpr int kMaxScans = 500;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

struct JpegContext {
    jpeg_decompress_struct info;
    ErrorManager error;
    jpeg_progress_mgr progress;
    PixelImage image;
    std::vector<uint8_t> cmykRow;
};

[[noreturn]] void Abort(j_common_ptr info, const char* message)
{
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    std::snprintf(error->message, sizeof error->message, "%s", message);
    std::longjmp(error->jump, 1);
}

[[noreturn]] void ErrorExit(j_common_ptr info)
{
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// Warnings about damaged data are tolerated, as viewers do, but running out of data, at the end
// of the file or of a scan, is not: libjpeg would make up the rest of the picture, as large as
// the header claims, from nothing.
void EmitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    if (info->err->msg_code == JWRN_JPEG_EOF || info->err->msg_code == JWRN_HIT_MARKER)
        ErrorExit(info);
    ++info->err->num_warnings;
}

void OutputMessage(j_common_ptr) {}

void MonitorProgress(j_common_ptr info)
{
    if (info->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        Abort(info, "JPEG has too many scans");
}

bool IsCmyk(const jpeg_decompress_struct& info)
{
    return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

// libjpeg writes four bytes a pixel in the order asked for; this order makes them 0xAARRGGBB
// words in memory.
J_COLOR_SPACE PixelWordOrder()
{
    return std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
}

// CMYK files from Adobe applications store inverted values (255 = no ink); others store ink.
uint32_t CmykToArgb(const uint8_t* cmyk, bool inverted)
{
    uint32_t channel[4];
    for (int i = 0; i < 4; ++i)
        channel[i] = inverted ? cmyk[i] : 255u - cmyk[i];
    const uint32_t k = channel[3];
    const uint32_t red = (channel[0] * k + 127) / 255, green = (channel[1] * k + 127) / 255,
                   blue = (channel[2] * k + 127) / 255;
    return 0xFF000000 | red << 16 | green << 8 | blue;
}

void ReadCmykRow(JpegContext& context, uint32_t* out)
{
    jpeg_decompress_struct& info = context.info;
    JSAMPROW row = context.cmykRow.data();
    jpeg_read_scanlines(&info, &row, 1);
    for (JDIMENSION x = 0; x < info.output_width; ++x)
        out[x] = CmykToArgb(context.cmykRow.data() + 4 * x, info.saw_Adobe_marker);
}

void ReadRows(JpegContext& context)
{
    jpeg_decompress_struct& info = context.info;
    const bool cmyk = IsCmyk(info);
    if (cmyk)
        context.cmykRow.resize(size_t(info.output_width) * 4);
    // The pixels grow row by row, so a file whose data stops early never costs the full size.
    std::vector<uint32_t>& pixels = context.image.pixels;
    while (info.output_scanline < info.output_height) {
        const size_t offset = size_t(info.output_scanline) * info.output_width;
        pixels.resize(offset + info.output_width);
        uint32_t* out = pixels.data() + offset;
        if (cmyk) {
            ReadCmykRow(context, out);
            continue;
        }
        JSAMPROW row = reinterpret_cast<JSAMPROW>(out);
        jpeg_read_scanlines(&info, &row, 1);
    }
}

void ReadHeaderChecked(JpegContext& context, std::string_view bytes)
{
    jpeg_decompress_struct& info = context.info;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        Abort(reinterpret_cast<j_common_ptr>(&info), "JPEG holds no image");
    if (int64_t(info.image_width) * info.image_height > kMaxPicturePixels)
        Abort(reinterpret_cast<j_common_ptr>(&info), "picture is too large");
    info.out_color_space = IsCmyk(info) ? JCS_CMYK : PixelWordOrder();
}

// Runs libjpeg over BYTES into CONTEXT.image; false with CONTEXT.error.message on failure.
bool RunDecoder(JpegContext& context, std::string_view bytes)
{
    jpeg_decompress_struct& info = context.info;
    info.err = jpeg_std_error(&context.error.base);
    context.error.base.error_exit = ErrorExit;
    context.error.base.emit_message = EmitMessage;
    context.error.base.output_message = OutputMessage;
    if (setjmp(context.error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    context.progress.progress_monitor = MonitorProgress;
    info.progress = &context.progress;
    ReadHeaderChecked(context, bytes);
    jpeg_start_decompress(&info);
    context.image.width = int(info.output_width);
    context.image.height = int(info.output_height);
    ReadRows(context);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

PictureDecodeResult DecodeJpeg(std::string_view bytes)
{
    if (bytes.empty())
        return Failure("JPEG is empty");
    auto context = std::make_unique<JpegContext>();
    if (!RunDecoder(*context, bytes))
        return Failure(context->error.message);
    PixelImage& image = context->image;
    if (image.width <= 0 || image.height <= 0)
        return Failure("JPEG has an invalid size");
    PictureDecodeResult result;
    result.picture = std::make_unique<Picture>(PictureFormat::Jpeg, image.width, image.height,
                                               std::move(image.pixels), std::string(bytes));
    return result;
}

} // namespace platform::codecs
