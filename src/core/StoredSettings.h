#pragma once
// The two values kept between runs in group "BackUp": LastModel (the 8 bytes
// of the model identification as hex pairs joined by ':') and Language.
#include <array>
#include <cstdint>
#include <optional>

#include <QString>

namespace zx {

class RadioImage;

inline const QString kDefaultLastModel = QStringLiteral("4B:33:31:36:37:21:F8:FF");

// "4B:33:31:36:37:21:F8:FF" from image bytes 0x1B8-0x1BF.
QString LastModelText(const RadioImage& image);

struct ModelChoice {
    std::uint8_t bandCode;
    std::uint8_t variant;
};
// The band code (characters 16-17) and variant (19-20) of a LastModel text;
// nothing when those are not upper-case hexadecimal digits.
std::optional<ModelChoice> ParseLastModel(const QString& text);

// Start-up: reads LastModel, storing the default text when it is missing or
// unreadable, and returns the model to restore (0x21/0xF8 by default).
ModelChoice RestoreLastModel();

// Exit: writes LastModel from the image and Language ("1" Chinese, "0" English).
void StoreSettingsAtExit(const RadioImage& image, bool chinese);

}  // namespace zx
