#include "JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <memory>

namespace twinsweep {

namespace {

// libjpeg reports fatal errors through a callback; we leave the decoder with longjmp.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

void OnFatalError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void IgnoreMessage(j_common_ptr) {}

} // namespace

QImage LoadJpeg(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file)
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnFatalError;
    errors.base.output_message = IgnoreMessage;
    // The picture is reached through a pointer that stays unchanged after setjmp, and
    // nothing with a destructor is created between setjmp and the end of decoding.
    auto result = std::make_unique<QImage>();
    QImage* const image = result.get();
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file.get());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return *image;
}

} // namespace twinsweep
