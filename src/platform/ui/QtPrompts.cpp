#include "platform/ui/QtPrompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include "platform/Prompt.h"

namespace zx {

namespace {

QMessageBox::StandardButton ToStandard(MsgResult r)
{
    switch (r) {
    case MsgResult::Ok: return QMessageBox::Ok;
    case MsgResult::Cancel: return QMessageBox::Cancel;
    case MsgResult::Yes: return QMessageBox::Yes;
    case MsgResult::No: return QMessageBox::No;
    case MsgResult::Retry: return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

MsgResult FromStandard(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Retry: return MsgResult::Retry;
    default: return MsgResult::Ok;
    }
}

MsgResult ShowMessageBox(const MessageRequest& r)
{
    QMessageBox box(r.parent);
    // Paths, devices and radio texts are shown as typed: markup in them must
    // not turn into headings or pictures, and the line breaks must stay.
    box.setTextFormat(Qt::PlainText);
    box.setText(r.text);
    box.setWindowTitle(r.title);
    switch (r.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    QMessageBox::StandardButtons buttons;
    switch (r.buttons) {
    case MsgButtons::Ok: buttons = QMessageBox::Ok; break;
    case MsgButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MsgButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MsgButtons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case MsgButtons::RetryCancel: buttons = QMessageBox::Retry | QMessageBox::Cancel; break;
    }
    box.setStandardButtons(buttons);
    box.setDefaultButton(ToStandard(r.defaultButton));
    const int answer = box.exec();
    // A box closed with Esc or its close box answers Cancel (or No / Ok when
    // it has no Cancel), as the platform's boxes do.
    return FromStandard(answer);
}

QString ShowFileDialog(const FileRequest& r)
{
    const QString start = FileDialogStartPath(r);
    if (r.kind == FileRequest::Kind::Open)
        return QFileDialog::getOpenFileName(r.parent, r.title, start, r.filter);
    return QFileDialog::getSaveFileName(r.parent, r.title, start, r.filter, nullptr,
                                        r.confirmOverwrite ? QFileDialog::Options()
                                                           : QFileDialog::DontConfirmOverwrite);
}

}  // namespace

void InstallQtPrompts()
{
    SetMessageHandler(ShowMessageBox);
    SetFileHandler(ShowFileDialog);
}

}  // namespace zx
