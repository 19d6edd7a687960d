#include "signalling/NamedSpinField.h"

namespace zx {

SpinFieldParams NamedSpinField(const SpinFieldNames& names, int min, int max, int step, int maxTypedLength,
                               std::function<QString(int value)> shownText)
{
    SpinFieldParams p;
    p.textBoxName = QString::fromLatin1(names.box);
    p.upDownName = QString::fromLatin1(names.updown);
    p.helpContextId = names.helpId;
    p.min = min;
    p.max = max;
    p.step = step;
    p.shownText = std::move(shownText);
    p.maxTypedLength = maxTypedLength;
    return p;
}

}  // namespace zx
