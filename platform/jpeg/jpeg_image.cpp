#include "jpeg_image.h"

#include <csetjmp>
#include <cstdio>

#include <QSysInfo>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// No icon is larger; a larger size is taken for a damaged or hostile header, whose decoding
// would only cost memory.
constexpr JDIMENSION MaxSide = 4096;

// The bytes of a QImage::Format_RGB32 pixel in memory, the padding byte 0xff: libjpeg writes
// the picture straight in the format the screen takes, and it needs no conversion after.
constexpr J_COLOR_SPACE ScreenOrder =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// libjpeg's default error handler ends the process; this one jumps back instead.
struct TJpegError {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void JumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->back, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Data that ends early would decode to a picture filled out with grey: it is damaged, too.
// Other warnings (stray bytes between markers and the like) leave a sound picture.
void StopAtEarlyEnd(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        JumpBack(info);
}

// Everything between setjmp and a jump lives outside this frame, so nothing is skipped
// that would need destroying.
bool DecodeInto(jpeg_decompress_struct& info, TJpegError& error, const QByteArray& bytes,
                QImage& image)
{
    if (setjmp(error.back))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > MaxSide || info.image_height > MaxSide)
        return false;
    info.out_color_space = ScreenOrder;
    jpeg_start_decompress(&info);
    if (info.output_components != 4)
        return false;
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    TJpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpBack;
    error.manager.output_message = IgnoreMessage;
    error.manager.emit_message = StopAtEarlyEnd;
    QImage image;
    const bool decoded = DecodeInto(info, error, bytes, image);
    jpeg_destroy_decompress(&info);
    return decoded ? image : QImage();
}
