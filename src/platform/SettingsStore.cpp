#include "platform/SettingsStore.h"

namespace zx {

std::unique_ptr<QSettings> OpenSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("ZOLT"), QStringLiteral("ZX-4100"));
}

}  // namespace zx
