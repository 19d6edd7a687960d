#include "core/DataFile.h"

#include <algorithm>

namespace zx {

QByteArray BuildDataFile(const RadioImage& image)
{
    QByteArray bytes;
    bytes.reserve(kDataFileSize);
    bytes.append(kFileMarker, kFileMarkerSize);
    bytes.append(kDataFileHeaderSize - kFileMarkerSize, char(0xFF));
    const auto& data = image.bytes();
    bytes.append(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
    return bytes;
}

DataFileContents ParseDataFile(const QByteArray& bytes)
{
    DataFileContents result;
    if (bytes.size() != kDataFileSize) {
        result.error = DataFileError::WrongLength;
        return result;
    }
    if (!bytes.startsWith(QByteArray::fromRawData(kFileMarker, kFileMarkerSize))) {
        result.error = DataFileError::WrongMarker;
        return result;
    }
    RadioImage::Bytes data;
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.constData()) + kDataFileHeaderSize, data.size(),
                data.begin());
    result.image.assign(data);
    return result;
}

}  // namespace zx
