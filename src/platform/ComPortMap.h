#pragma once
// Which device file stands for COM1 to COM20.
//
// Default table:
//   COM1  - COM8   /dev/ttyUSB0 - /dev/ttyUSB7   (USB serial adapters)
//   COM9  - COM12  /dev/ttyACM0 - /dev/ttyACM3   (USB modem-class adapters)
//   COM13 - COM20  /dev/ttyS0   - /dev/ttyS7     (built-in ports)
// A port is overridden by the settings file (group "Ports", key "COM<n>",
// value a device path) and, above that, by the environment variable
// ZX4100_COM<n>.
#include <QString>

namespace zx {

inline constexpr int kFirstComPort = 1;
inline constexpr int kLastComPort = 20;

// The device of the default table; empty outside COM1..COM20.
QString DefaultComDevice(int comPort);

// The device in force for COM<n>: environment, then settings, then default.
QString ComPortDevice(int comPort);

// Whether a device fits in the system's path limit (PATH_MAX, the closing
// zero included). A longer value names no file: it is refused before
// anything else is done with it, however long it is.
bool DevicePathFits(const QString& device);
// The device as messages and tips show it: a value that does not fit in a
// path is cut after its beginning, so that no box has to lay out megabytes.
QString ShownDevice(const QString& device);

}  // namespace zx
