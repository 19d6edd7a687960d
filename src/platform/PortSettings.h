#pragma once
// A serial line setting in the comm control's notation, "9600,N,8,2":
// baud rate, parity letter (N, E, O, M, S), data bits, stop bits.
#include <optional>

#include <QString>

namespace zx {

struct PortSettings {
    int baudRate = 9600;
    QChar parity = QLatin1Char('N');
    int dataBits = 8;
    int stopBits = 1;

    // Parses "9600,N,8,2"; nothing for a text that is not such a setting.
    static std::optional<PortSettings> Parse(const QString& text);
    QString toString() const;

    bool operator==(const PortSettings&) const = default;
};

// The setting of every programming exchange.
inline const QString kProgrammingPortSettings = QStringLiteral("9600,N,8,2");
// The setting of the port probe.
inline const QString kProbePortSettings = QStringLiteral("19200,N,8,1");

}  // namespace zx
