#pragma once
// The radio information: the reply the radio gives to "NRK" and what the
// radio information dialog makes of it and of the loaded image.
#include <cstdint>

#include <QByteArray>
#include <QString>

#include "core/SharedState.h"

namespace zx {

inline const QString kProductName = QStringLiteral("ZX-4100");
inline const QString kRadioVersionText = QStringLiteral("V1.01");

// Copies the reply into `info` byte for byte from index 0, as many bytes as
// it has (at most 34); bytes it does not reach keep their values.
void GetDJJInfo(RadioInfoBytes& info, const QByteArray& reply);

// Reply bytes 2-8, a blank, byte 14, a blank, bytes 18-25: 18 characters,
// each byte the Latin-1 character of its code.
QString RadioSerialNumber(const RadioInfoBytes& info);

struct ModelBandText {
    QString model;  // "ZX-4100"
    QString band;   // "VHF: 136-174 MHz"
};
// The product name and the band of the image's band code; a code the table
// does not know shows as "UHF: 400-480 MHz".
ModelBandText GetModelBandText(std::uint8_t bandCode);

}  // namespace zx
