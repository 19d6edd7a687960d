#pragma once
// The key assignment and embedded message windows opened from the real main
// window's Edit menu, with the channel list open beside them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/ImageLayout.h"
#include "settings/SettingsWindowFixture.h"

namespace zx::test {

class KeysMessageTest : public SettingsWindowTest {
protected:
    static QByteArray Hex(const QByteArray& bytes) { return bytes.toHex(' ').toUpper(); }
    static QByteArray Ff(int count) { return QByteArray(count, '\xFF'); }
};

}  // namespace zx::test
