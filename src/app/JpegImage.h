#pragma once
// JPEG pictures decoded with libjpeg.
#include <QImage>
#include <string>

namespace twinsweep {

// The picture in the file, or a null image when it cannot be read or decoded.
QImage LoadJpeg(const std::string& path);

} // namespace twinsweep
