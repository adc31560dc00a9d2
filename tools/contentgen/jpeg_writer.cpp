#include "jpeg_writer.h"

#include <QImage>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include <jpeglib.h>

namespace contentsrc {

namespace {

[[noreturn]] void OnJpegError(j_common_ptr info)
{
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    throw std::runtime_error(std::string("JPEG encoding failed: ") + message);
}

} // namespace

void WriteJpeg(const QImage& image, const std::filesystem::path& file, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(file.c_str(), "wb"), &std::fclose);
    if (!out)
        throw std::runtime_error("cannot write " + file.string());

    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = OnJpegError;
    jpeg_create_compress(&info);
    try {
        jpeg_stdio_dest(&info, out.get());
        info.image_width = static_cast<JDIMENSION>(rgb.width());
        info.image_height = static_cast<JDIMENSION>(rgb.height());
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, quality, TRUE);
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
    } catch (...) {
        jpeg_destroy_compress(&info);
        throw;
    }
    jpeg_destroy_compress(&info);
}

} // namespace contentsrc
