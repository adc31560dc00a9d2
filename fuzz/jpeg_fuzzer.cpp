// The JPEG decoder: any bytes decode without harm, to no picture or to one no larger than
// an icon can be.
#include "fuzz_support.h"
#include "jpeg_image.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzsupport::StartGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QImage image = DecodeJpeg(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!image.isNull() && (image.width() > 4096 || image.height() > 4096))
        fuzzsupport::Broken("no picture is larger than 4096 pixels a side");
    return 0;
}
