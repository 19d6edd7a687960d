#include "core/DocumentCommands.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/AppCore.h"
#include "core/ErrorBox.h"
#include "core/DataFile.h"
#include "core/MainCaption.h"
#include "core/StringTable.h"
#include "core/Workspace.h"
#include "platform/Prompt.h"

namespace zx {

namespace {

const QString kProgramTitle = QStringLiteral("ZX-4100");

QString FolderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

// A folder that exists but takes no new file: the save writes its new file
// beside the target before it replaces the target.
bool FolderRefusesNewFiles(const QString& path)
{
    const QString folder = FolderOf(path);
    return QFileInfo(folder).isDir() && ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0;
}

// A file the system would not let us read: which one and why, as the save
// failures say it.
QString OpenFailureText(const QString& path, const QString& reason)
{
    return LangText("无法打开 %1：%2。", "%1 could not be opened: %2.").arg(QDir::toNativeSeparators(path), reason);
}

QString SaveFailureText(const QString& path, const QString& reason, bool existed, bool folderRefuses)
{
    QString text = LangText("无法保存 %1：%2。", "%1 could not be saved: %2.")
                       .arg(QDir::toNativeSeparators(path), reason);
    if (folderRefuses)
        text += LangText("\r\n无法在文件夹 %1 中创建新文件；保存时先在原文件旁写入新文件，再替换原文件。",
                         "\r\nNo new file can be created in the folder %1; saving writes a new file beside "
                         "the old one before it replaces it.")
                    .arg(QDir::toNativeSeparators(FolderOf(path)));
    text += existed ? LangText("\r\n磁盘上的文件未改变。", "\r\nThe file on disk is unchanged.")
                    : LangText("\r\n没有写入任何文件。", "\r\nNo file was written.");
    return text;
}

}  // namespace

DocumentCommands::DocumentCommands(Workspace& workspace) : workspace_(workspace) {}

QString DocumentCommands::FileFilter()
{
    return LangText("QDF 数据文件 (*.dat)", "QDF Data Files(*.dat)");
}

QString DocumentCommands::InitialDirectory() const
{
    const QString& last = Core().document.LastDirectory;
    return last.isEmpty() ? QCoreApplication::applicationDirPath() : last;
}

void DocumentCommands::ShowOpenError(const QString& text) const
{
    ShowErrorBox(text, workspace_.DialogOwner());
}

void DocumentCommands::ShowChannelSlot()
{
    WindowSlotTable& table = Core().windowSlots;
    table.setWindowMenuVisible(true);
    table.setSlotVisible(0, true);
    table.setSlotCaption(0, ChannelWindowFixedCaption(Core().LanguageChinese));
}

void DocumentCommands::NewDocument()
{
    MessageRequest box;
    box.text = LangText("所有数据将被清除.", "All data will be cleared.");
    box.title = LangText("警告", "Warning");
    box.icon = MsgIcon::Exclamation;
    box.buttons = MsgButtons::OkCancel;
    box.defaultButton = MsgResult::Cancel;
    box.parent = workspace_.DialogOwner();
    if (Ask(box) != MsgResult::Ok)
        return;

    AppCore& core = Core();
    workspace_.CloseEditorWindows();
    workspace_.ShowChannelWindow();
    workspace_.RestoreChannelWindow();
    core.InitAllFrameData();
    TakeSnapshot();
    ShowReplacedImage(kDefaultDataFileName, false);
}

bool DocumentCommands::OpenDocument()
{
    AppCore& core = Core();
    FileRequest request;
    request.kind = FileRequest::Kind::Open;
    request.directory = InitialDirectory();
    request.filter = FileFilter();
    request.parent = workspace_.DialogOwner();
    lastInitDir_ = request.directory;
    const QString path = AskFileName(request);
    if (path.isEmpty())
        return false;

    workspace_.CloseEditorWindows();
    workspace_.ShowChannelWindow();
    workspace_.RestoreChannelWindow();

    // The whole file is read and validated before anything is replaced; a
    // file that cannot be read is reported, so the user never believes it
    // was opened.
    // Opened without blocking: a FIFO or a device would otherwise hold the
    // program in open() until a writer or a carrier came. Only a regular
    // file of the right size is read at all.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        ShowOpenError(OpenFailureText(path, qt_error_string(errno)));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool directory = S_ISDIR(info.st_mode);
        ::close(fd);
        ShowOpenError(OpenFailureText(path, directory ? qt_error_string(EISDIR)
                                                      : LangText("不是普通文件", "Not a regular file")));
        return false;
    }
    if (info.st_size != kDataFileSize) {
        ::close(fd);
        ShowOpenError(LangText("文件类型不正确。", "Incorrect File Type."));
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ShowOpenError(OpenFailureText(path, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.read(kDataFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        ShowOpenError(OpenFailureText(path, file.errorString()));
        return false;
    }
    file.close();
    const DataFileContents contents = ParseDataFile(bytes);
    if (!contents.ok()) {
        ShowOpenError(LangText("文件类型不正确。", "Incorrect File Type."));
        return false;
    }

    core.image = contents.image;
    core.document.LastDirectory = FolderOf(path);
    const RadioImage& image = core.image;
    const std::uint8_t ownFleet = image.at(layout::OwnFleet);
    if (image.at(layout::PttIdType) != 1
        || (ownFleet != 0x00 && ownFleet != 0xFF && image.at(layout::OwnIdHigh) != 0xFF))
        core.checks.OwnFleetIdError = false;
    core.SetBandLimitsFromImage();
    core.ApplyEightChannelRule();
    workspace_.LayoutChannelGrid(GridHeaderCaller::FileOpen);
    TakeSnapshot();
    ShowReplacedImage(path, true);
    return true;
}

void DocumentCommands::ShowReplacedImage(const QString& path, bool hasFile)
{
    workspace_.DecodeAllChannels();
    Core().document.DataFilePath = path;
    Core().document.hasFile = hasFile;
    workspace_.RemakeTitle();
    ShowChannelSlot();
    workspace_.ResetGridCursor();
}

SaveResult DocumentCommands::MnuFileSave_Click()
{
    DocumentState& doc = Core().document;
    if (!doc.hasFile) {
        FileRequest request;
        request.kind = FileRequest::Kind::Save;
        request.fileName = kDefaultDataFileName;
        request.directory = lastInitDir_;
        request.filter = FileFilter();
        request.confirmOverwrite = true;
        request.parent = workspace_.DialogOwner();
        const QString path = AskFileName(request);
        if (path.isEmpty()) {
            SaveCancelled = true;
            return SaveResult::Cancelled;
        }
        doc.DataFilePath = path;
        doc.hasFile = true;
    } else {
        MessageRequest box;
        box.text = LangText("改写警告!\r\n保存文件名:", "Overwrite Warning!\r\nSave File Name:")
                   + GetFileName(doc.DataFilePath);
        box.title = LangText("警告", "Warning");
        box.icon = MsgIcon::Exclamation;
        box.buttons = MsgButtons::OkCancel;
        box.defaultButton = MsgResult::Cancel;
        box.parent = workspace_.DialogOwner();
        if (Ask(box) != MsgResult::Ok) {
            SaveCancelled = true;
            return SaveResult::Cancelled;
        }
    }
    SaveCancelled = false;
    return WriteDataFile() ? SaveResult::Written : SaveResult::WriteFailed;
}

SaveResult DocumentCommands::MnuFileSaveAs_Click()
{
    DocumentState& doc = Core().document;
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.fileName = GetFileName(doc.DataFilePath);
    request.directory = InitialDirectory();
    request.filter = FileFilter();
    request.confirmOverwrite = true;
    request.parent = workspace_.DialogOwner();
    lastInitDir_ = request.directory;
    const QString path = AskFileName(request);
    if (path.isEmpty())
        return SaveResult::Cancelled;
    doc.DataFilePath = path;
    doc.hasFile = true;
    doc.LastDirectory = FolderOf(path);
    return WriteDataFile() ? SaveResult::Written : SaveResult::WriteFailed;
}

bool DocumentCommands::WriteDataFile()
{
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target only when everything was written, so the previous file
    // survives any failure whole.
    // Unbuffered, so a short write (a full disk) shows in write()'s count
    // instead of vanishing in a later flush.
    const QString path = Core().document.DataFilePath;
    const bool existed = QFileInfo::exists(path);
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const bool created = ok;
    if (ok) {
        const QByteArray bytes = BuildDataFile(Core().image);
        qint64 done = 0;
        while (done < bytes.size()) {
            // A short write is retried, so the failure that stopped it is
            // reported with its own reason.
            const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
            if (n <= 0)
                break;
            done += n;
        }
        ok = done == bytes.size() && file.commit();
    }
    if (!ok) {
        const QString reason = file.errorString();
        file.cancelWriting();
        MessageRequest box;
        box.text = SaveFailureText(path, reason, existed, !created && FolderRefusesNewFiles(path));
        box.title = kProgramTitle;
        box.icon = MsgIcon::Exclamation;
        box.buttons = MsgButtons::Ok;
        box.defaultButton = MsgResult::Ok;
        box.parent = workspace_.DialogOwner();
        Ask(box);
        return false;
    }
    TakeSnapshot();
    workspace_.RemakeTitle();
    return true;
}

void DocumentCommands::TakeSnapshot()
{
    Core().document.snapshot = Core().image;
}

bool DocumentCommands::DocumentChanged()
{
    AppCore& core = Core();
    RadioImage& saved = core.document.snapshot;
    saved.set(layout::PttIdType, core.image.at(layout::PttIdType));
    saved.set(layout::ModelVariant, core.image.at(layout::ModelVariant));
    return !(saved == core.image);
}

bool DocumentCommands::OfferSaveAtExit()
{
    if (!DocumentChanged())
        return true;
    MessageRequest box;
    box.text = LangText("文件已更改,是否保存?", "Do you wish to save the changes in \"ZX-4100.DAT\" ?");
    box.title = Core().LanguageChinese ? QString::fromUtf8("警告") : kProgramTitle;
    box.icon = MsgIcon::Exclamation;
    box.buttons = MsgButtons::YesNoCancel;
    box.defaultButton = MsgResult::Yes;
    box.parent = workspace_.DialogOwner();
    switch (Ask(box)) {
    case MsgResult::Yes:
        // A failed write keeps the program running, so nothing unsaved is lost.
        return MnuFileSave_Click() == SaveResult::Written;
    case MsgResult::No:
        return true;
    default:
        return false;
    }
}

}  // namespace zx
