// The real message box and file dialog behind the prompt helper: texts are
// shown as typed, and a dialog opens on the folder and name it is given.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "common/QtPrinters.h"
#include "platform/Prompt.h"
#include "platform/ui/QtPrompts.h"

using namespace zx;

namespace {

struct ShownBox {
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    int height = 0;
};

// Shows `text` in the program's real message box and reads its label.
ShownBox ShowRealBox(const QString& text)
{
    const MessageHandler previous = SetMessageHandler({});
    InstallQtPrompts();
    ShownBox shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        shown = {label->textFormat(), label->text(), label->sizeHint().height()};
        box->reject();
    });
    Ask({text, QStringLiteral("ZX-4100"), MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, nullptr});
    SetMessageHandler(previous);
    return shown;
}

TEST(MessageBox, ShowsADevicePathWithMarkupAsTypedOnItsOwnLines)
{
    const QString device = QStringLiteral("/dev/<h1>BIG</h1><img src=\"/usr/share/pixmaps/x.png\">");
    const QString text = QStringLiteral("COM1 (%1) cannot be opened: the device does not exist.\r\n"
                                        "Check that the cable is plugged in.")
                             .arg(device);
    const ShownBox box = ShowRealBox(text);
    EXPECT_EQ(box.format, Qt::PlainText);
    EXPECT_EQ(box.text, text);
    // Two lines, as the text has: the line break is kept.
    const ShownBox oneLine = ShowRealBox(QStringLiteral("COM1"));
    EXPECT_GE(box.height, 2 * oneLine.height - 2);
}

struct StartPathCase {
    const char* directory;
    const char* fileName;
    const char* expected;
};

TEST(FileDialog, StartsOnTheProposedNameInItsFolderJoinedOnce)
{
    const StartPathCase cases[] = {
        {"/home/u/radio", "ZX-4100.dat", "/home/u/radio/ZX-4100.dat"},
        {"/home/u/radio", "", "/home/u/radio"},
        {"", "site.pdf", "site.pdf"},
        // A name that already holds its folder is not joined again.
        {"/home/u/radio", "/home/u/radio/site.pdf", "/home/u/radio/site.pdf"},
        {"/tmp", "/home/u/radio/site.pdf", "/home/u/radio/site.pdf"},
    };
    for (const StartPathCase& c : cases) {
        FileRequest request;
        request.directory = QString::fromUtf8(c.directory);
        request.fileName = QString::fromUtf8(c.fileName);
        EXPECT_EQ(FileDialogStartPath(request), QString::fromUtf8(c.expected)) << c.directory << " + " << c.fileName;
    }
}

}  // namespace
