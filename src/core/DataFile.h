#pragma once
// The data file: exactly 1040 bytes, the marker "QZ5120", ten fill bytes 0xFF
// and the 1024 image bytes in address order. No checksum.
#include <QByteArray>

#include "core/RadioImage.h"

namespace zx {

inline constexpr int kDataFileSize = 1040;
inline constexpr int kDataFileHeaderSize = 16;
inline constexpr char kFileMarker[] = "QZ5120";
inline constexpr int kFileMarkerSize = 6;

enum class DataFileError {
    None,
    WrongLength,  // not exactly 1040 bytes
    WrongMarker,  // the first six bytes are not "QZ5120" (upper case)
};

struct DataFileContents {
    DataFileError error = DataFileError::None;
    RadioImage image;  // valid only when error is None
    bool ok() const { return error == DataFileError::None; }
};

// The 1040 bytes that store the image.
QByteArray BuildDataFile(const RadioImage& image);

// Validates the whole file before anything is taken from it; bytes 6-15 are
// not looked at.
DataFileContents ParseDataFile(const QByteArray& bytes);

}  // namespace zx
