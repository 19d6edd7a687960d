#pragma once
// The main window's title and the file-name part of a path.
#include <QString>

namespace zx {

class AppCore;

// The characters after the last '/' (or '\'); the whole text without one, an
// empty text when the path ends with one.
QString GetFileName(const QString& path);

// "ZX-4100 " + band text + "File Name:" + file name + "]"; without a band
// text for the image's band code, neither it nor the label.
QString MakeMainCaption(const AppCore& core);

}  // namespace zx

namespace zx {

// " Channel Information [ Channel - n ]" (" 信道信息 [ 信道 - n ]").
QString ChannelWindowCaption(int channel, bool chinese);
// The fixed channel-1 form New, Open and the language switch write:
// " Channel Information [ Channel-1 ]" (" 信道信息 [ 信道 - 1 ]").
QString ChannelWindowFixedCaption(bool chinese);

}  // namespace zx
