#pragma once
// Holds the memory map's cell editor to at most two hexadecimal digits, in
// upper case, whichever way text arrives (keys, paste, drop).
#include <QValidator>

namespace zx {

class HexCellValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace zx
