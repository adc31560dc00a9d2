#pragma once
// Baseline JFIF encoding through libjpeg.
#include <filesystem>

class QImage;

namespace contentsrc {

// Writes `image` as a baseline JPEG file; throws std::runtime_error when it cannot.
void WriteJpeg(const QImage& image, const std::filesystem::path& file, int quality = 88);

} // namespace contentsrc
