#include "content_test_support.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include "name_record.h"

namespace contenttest {

namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void OnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1);
}

void Quiet(j_common_ptr, int) {}

} // namespace

JpegInfo DecodeJpeg(const void* bytes, size_t size)
{
    JpegInfo result;
    if (!bytes || size == 0)
        return result;
    jpeg_decompress_struct info{};
    ErrorTrap trap{};
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = OnError;
    trap.manager.emit_message = Quiet;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&info);
        return JpegInfo{};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, static_cast<const unsigned char*>(bytes), static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    // The row buffer belongs to libjpeg's pool, so an error jump leaks nothing.
    JSAMPARRAY rows = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * static_cast<JDIMENSION>(info.output_components), 1);
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, rows, 1);
    result.width = static_cast<int>(info.output_width);
    result.height = static_cast<int>(info.output_height);
    result.progressive = info.progressive_mode;
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    result.decoded = trap.manager.num_warnings == 0;
    return result;
}

bool IsWellFormedRtf(const std::string& text)
{
    if (text.rfind("{\\rtf1\\ansi", 0) != 0)
        return false;
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++i;   // an escaped character or the first letter of a control word
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth < 0)
                return false;
            if (depth == 0 && text.find_first_not_of("\r\n", i + 1) != std::string::npos)
                return false;
        } else if (static_cast<unsigned char>(c) >= 0x80 || c == '\0') {
            return false;   // documents stay 7-bit
        }
    }
    return depth == 0;
}

const Year& SourceYear()
{
    static const Year year = [] {
        Year y;
        const std::filesystem::path content = std::filesystem::path(SELV_SOURCE_DIR) / "content";
        y.lives = contentsrc::ReadYear(content / "selvlife/lives", contentsrc::SourceKind::Lives, nullptr, y.warnings);
        const auto common = contentsrc::ReadCommonHymns(content / "selvhymn/hymns/common.txt");
        y.hymns = contentsrc::ReadYear(content / "selvhymn/hymns", contentsrc::SourceKind::Hymns, &common, y.warnings);
        return y;
    }();
    return year;
}

std::vector<std::pair<uint16_t, std::string>> LivesNameRecords()
{
    std::vector<std::pair<uint16_t, std::string>> records;
    for (const contentsrc::Day& day : SourceYear().lives)
        if (day.key < 10000)
            records.emplace_back(day.key, contentsrc::NameRecord(day));
    return records;
}

} // namespace contenttest
