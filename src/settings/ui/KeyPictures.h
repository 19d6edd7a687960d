#pragma once
// The two pictures of the key assignment window, drawn here: a hand-held
// radio seen from its side, 111 x 256 pixels, with the side key being
// assigned in red, the upper one for PF1 and the lower one for PF2.
#include <QPixmap>

namespace zx {

inline constexpr int kKeyPictureWidth = 111;
inline constexpr int kKeyPictureHeight = 256;

// key 0 is PF1 (upper side key), key 1 PF2 (lower side key).
QPixmap KeyPicture(int key);

}  // namespace zx
