#pragma once
// The values kept between runs: an INI file in the user's configuration
// folder (~/.config/ZOLT/ZX-4100.ini), group "BackUp", plus the port map
// overrides in group "Ports".
#include <memory>

#include <QSettings>

namespace zx {

std::unique_ptr<QSettings> OpenSettings();

}  // namespace zx
