#pragma once
// The transfer dialog of a Read or Write run as a user runs it: OK clicked,
// then waited for until the dialog closes at the exchange's end.
#include <gtest/gtest.h>

#include <QObject>
#include <QTest>

#include "common/Patience.h"
#include "link/ui/ConnectForm.h"
#include "link/ui/TransferCommands.h"

namespace zx::test {

inline ConnectFormRunner OkToTheEnd()
{
    return [](ConnectForm& form) {
        bool closed = false;
        QObject::connect(&form, &ConnectForm::unloaded, [&] { closed = true; });
        form.show();
        QTest::mouseClick(form.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(WaitUntil([&] { return closed; }));
    };
}

}  // namespace zx::test
