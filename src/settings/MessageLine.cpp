#include "settings/MessageLine.h"

#include "core/ImageLayout.h"
#include "core/OneByteText.h"
#include "core/RadioImage.h"

namespace zx {

int MessageLineAddress(int index) { return layout::EmbeddedMessage + layout::kMessageLineSize * index; }

QString LoadMessageLine(const RadioImage& image, int index)
{
    QByteArray bytes = image.toByteArray(MessageLineAddress(index), kMessageLineChars);
    if (const qsizetype end = bytes.indexOf('\xFF'); end >= 0)
        bytes.truncate(end);
    return OneByteCharacters(bytes);
}

void StoreMessageLine(RadioImage& image, int index, const QString& text)
{
    QByteArray line = OneByteCodesPrefix(text.left(kMessageLineChars));
    line.append(kMessageLineChars - line.size(), '\xFF');
    image.write(MessageLineAddress(index), line);
}

bool MessageCharacterAccepted(int length, bool hasSelection) { return length < kMessageLineChars || hasSelection; }

}  // namespace zx
