#pragma once
// Images tests start from.
#include <cstdint>

#include <QDir>
#include <QFile>
#include <QString>

#include "core/DataFile.h"
#include "core/ModelRules.h"
#include "core/RadioImage.h"

namespace zx::test {

// The default image of a model, as InitAllFrameData builds it.
inline RadioImage DefaultFor(std::uint8_t band, std::uint8_t variant)
{
    RadioImage image;
    image.setModelBandCode(band);
    image.setModelVariant(variant);
    InitAllFrameData(image);
    return image;
}

// Writes the image as the data file `name` in `folder`, made if need be;
// returns its path, or an empty text when it could not be written.
inline QString WriteDataFileIn(const QString& folder, const QString& name, const RadioImage& image)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly))
        return {};
    const QByteArray bytes = BuildDataFile(image);
    return file.write(bytes) == bytes.size() ? path : QString();
}

}  // namespace zx::test
