#include "core/ui/HexCellValidator.h"

#include "core/MemoryMapRules.h"

namespace zx {

QValidator::State HexCellValidator::validate(QString& input, int& /*pos*/) const
{
    if (!IsHexCellText(input))
        return Invalid;
    input = input.toUpper();
    return Acceptable;
}

}  // namespace zx
