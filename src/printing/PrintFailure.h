#pragma once
// Why a printout stopped. Every step of a printout reports a failure by
// throwing one; the run that drove it catches it, aborts the document and
// shows it, so no printout ends half printed.
#include <QString>

namespace zx {

struct PrintFailure {
    enum class Kind {
        NoPrinter,  // no printer and no PDF file could be used
        Device,     // the print system failed: `description` is its error text
        Value,      // a value of the image has no printable form: label and bytes
        Arithmetic  // a grid position outside the printer's coordinates
    };
    Kind kind = Kind::Device;
    QString description;
};

}  // namespace zx
