#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

#include "common/Patience.h"
#include "common/QtPrinters.h"
#include "common/RecordingWorkspace.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/DataFile.h"
#include "core/DocumentCommands.h"
#include "core/MainCaption.h"

using namespace zx;
using zx::test::ScriptedPrompts;

namespace {

class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        core.InitAllFrameData();
        commands.TakeSnapshot();
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QByteArray ReadFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static RadioImage OtherImage(std::uint8_t band, std::uint8_t variant)
    {
        RadioImage image;
        image.setModelBandCode(band);
        image.setModelVariant(variant);
        InitAllFrameData(image);
        image.setBcdFrequency(layout::ChannelRecord(1), 45012500);
        return image;
    }

    // The document as the user sees it: everything a refused Open must keep.
    struct DocumentView {
        RadioImage image;
        RadioImage snapshot;
        QString path;
        bool hasFile;
        QString lastDirectory;
        bool operator==(const DocumentView&) const = default;
    };
    DocumentView View() const
    {
        return {core.image, core.document.snapshot, core.document.DataFilePath, core.document.hasFile,
                core.document.LastDirectory};
    }

    QTemporaryDir dir;
    AppCore core;
    ScriptedPrompts prompts;
    test::RecordingWorkspace workspace;
    DocumentCommands commands{workspace};
};

}  // namespace

TEST_F(DocumentCommandsTest, SaveOfAnUnnamedDocumentAsksForANameAndWritesTheFile)
{
    const QString path = Path("radio.dat");
    prompts.chooseFile(path);
    EXPECT_EQ(commands.MnuFileSave_Click(), SaveResult::Written);

    ASSERT_EQ(prompts.fileRequests().size(), 1u);
    const FileRequest& r = prompts.fileRequests()[0];
    EXPECT_EQ(r.kind, FileRequest::Kind::Save);
    EXPECT_EQ(r.fileName, "ZX-4100.dat");
    EXPECT_EQ(r.filter, "QDF Data Files(*.dat)");
    EXPECT_TRUE(r.confirmOverwrite);
    EXPECT_TRUE(prompts.messages().empty());

    EXPECT_EQ(ReadFile(path), BuildDataFile(core.image));
    EXPECT_FALSE(commands.SaveCancelled);
    EXPECT_EQ(core.document.DataFilePath, path);
    EXPECT_TRUE(core.document.hasFile);
    EXPECT_TRUE(core.document.LastDirectory.isEmpty()) << "Save through its dialog leaves LastDirectory";
    EXPECT_EQ(workspace.calls, QStringList({"RemakeTitle"}));
}

TEST_F(DocumentCommandsTest, SaveOfANamedDocumentAsksBeforeOverwriting)
{
    core.document.DataFilePath = Path("named.dat");
    core.document.hasFile = true;
    WriteFile(core.document.DataFilePath, QByteArray(2000, 'x'));
    core.image.set(0x134, 0x42);

    prompts.answer(MsgResult::Ok);
    EXPECT_EQ(commands.MnuFileSave_Click(), SaveResult::Written);
    ASSERT_EQ(prompts.messages().size(), 1u);
    const MessageRequest& m = prompts.messages()[0];
    EXPECT_EQ(m.text, "Overwrite Warning!\r\nSave File Name:named.dat");
    EXPECT_EQ(m.title, "Warning");
    EXPECT_EQ(m.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(m.defaultButton, MsgResult::Cancel);
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_TRUE(prompts.fileRequests().empty());

    const QByteArray written = ReadFile(core.document.DataFilePath);
    EXPECT_EQ(written.size(), 1040) << "a longer file is replaced whole";
    EXPECT_EQ(written, BuildDataFile(core.image));
    EXPECT_FALSE(commands.DocumentChanged()) << "the write takes the snapshot";

    // The file written is one Open accepts.
    const RadioImage saved = core.image;
    core.image.fill(0);
    prompts.chooseFile(core.document.DataFilePath);
    EXPECT_TRUE(commands.OpenDocument());
    EXPECT_EQ(core.image, saved);
}

TEST_F(DocumentCommandsTest, CancelOnTheOverwriteQuestionWritesNothing)
{
    core.document.DataFilePath = Path("named.dat");
    core.document.hasFile = true;
    WriteFile(core.document.DataFilePath, "old");
    prompts.answer(MsgResult::Cancel);
    EXPECT_EQ(commands.MnuFileSave_Click(), SaveResult::Cancelled);
    EXPECT_TRUE(commands.SaveCancelled);
    EXPECT_EQ(ReadFile(core.document.DataFilePath), "old");
    EXPECT_TRUE(workspace.calls.isEmpty());
}

TEST_F(DocumentCommandsTest, CancelInTheSaveDialogSetsSaveCancelled)
{
    prompts.chooseFile(QString());
    EXPECT_EQ(commands.MnuFileSave_Click(), SaveResult::Cancelled);
    EXPECT_TRUE(commands.SaveCancelled);
    EXPECT_EQ(core.document.DataFilePath, "ZX-4100.dat");
    EXPECT_FALSE(core.document.hasFile);
}

TEST_F(DocumentCommandsTest, AFailedWriteIsReportedAndChangesNeitherSnapshotNorTitle)
{
    core.image.set(0x134, 0x42);
    const RadioImage snapshotBefore = core.document.snapshot;
    const QString path = Path("missing-folder/radio.dat");
    prompts.chooseFile(path);
    EXPECT_EQ(commands.MnuFileSave_Click(), SaveResult::WriteFailed);

    ASSERT_EQ(prompts.messages().size(), 1u);
    const MessageRequest& m = prompts.messages()[0];
    EXPECT_EQ(m.text, path + " could not be saved: No such file or directory.\r\nNo file was written.");
    EXPECT_EQ(m.title, "ZX-4100");
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_FALSE(commands.SaveCancelled) << "the write had started";
    EXPECT_EQ(core.document.DataFilePath, path) << "keeps the path just chosen";
    EXPECT_EQ(core.document.snapshot, snapshotBefore);
    EXPECT_TRUE(workspace.calls.isEmpty()) << "no new title";
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(DocumentCommandsTest, AFailedWriteLeavesThePreviousFileWhole)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop the superuser";
    const QString folder = Path("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/radio.dat";
    const QByteArray old = BuildDataFile(OtherImage(0x01, 0xF8));
    WriteFile(path, old);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    core.document.DataFilePath = path;
    core.document.hasFile = true;
    prompts.answer(MsgResult::Ok);
    EXPECT_EQ(commands.MnuFileSave_Click(), SaveResult::WriteFailed);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(prompts.messages().size(), 2u);
    // The file, the system's reason, the folder that takes no new file, and
    // that nothing changed on disk.
    const QString text = prompts.messages()[1].text;
    EXPECT_TRUE(text.startsWith(path + " could not be saved: ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(".\r\nNo new file can be created in the folder " + folder +
                              "; saving writes a new file beside the old one before it replaces it.\r\n"
                              "The file on disk is unchanged."))
        << text.toStdString();
    EXPECT_EQ(ReadFile(path), old);
}

TEST_F(DocumentCommandsTest, AWriteThatRunsOutOfSpaceLeavesThePreviousFileWhole)
{
    const QString path = Path("radio.dat");
    const QByteArray old(2000, 'o');
    WriteFile(path, old);
    core.document.DataFilePath = path;
    core.document.hasFile = true;
    core.image.set(0x134, 0x42);

    // A file-size limit below 1040 bytes makes the write itself fail.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    prompts.answer(MsgResult::Ok);
    const SaveResult result = commands.MnuFileSave_Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, SaveResult::WriteFailed);
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(prompts.messages()[1].text,
              path + " could not be saved: File too large.\r\nThe file on disk is unchanged.");
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"radio.dat"}) << "no temporary file left";
    EXPECT_TRUE(commands.DocumentChanged());
}

TEST_F(DocumentCommandsTest, SaveAsTakesTheFolderAsLastDirectory)
{
    core.document.LastDirectory = dir.path();
    const QString folder = Path("sub");
    ASSERT_TRUE(QDir().mkpath(folder));
    prompts.chooseFile(folder + "/copy.dat");
    EXPECT_EQ(commands.MnuFileSaveAs_Click(), SaveResult::Written);
    ASSERT_EQ(prompts.fileRequests().size(), 1u);
    EXPECT_EQ(prompts.fileRequests()[0].fileName, "ZX-4100.dat");
    EXPECT_EQ(prompts.fileRequests()[0].directory, dir.path());
    EXPECT_EQ(core.document.LastDirectory, folder);
    EXPECT_EQ(core.document.DataFilePath, folder + "/copy.dat");
    EXPECT_EQ(ReadFile(folder + "/copy.dat"), BuildDataFile(core.image));
}

TEST_F(DocumentCommandsTest, CancelledSaveAsChangesNothing)
{
    commands.SaveCancelled = true;
    prompts.chooseFile(QString());
    EXPECT_EQ(commands.MnuFileSaveAs_Click(), SaveResult::Cancelled);
    EXPECT_EQ(core.document.DataFilePath, "ZX-4100.dat");
    EXPECT_TRUE(core.document.LastDirectory.isEmpty());
    EXPECT_TRUE(commands.SaveCancelled);
}

TEST_F(DocumentCommandsTest, OpenReplacesTheDocumentInOrder)
{
    const RadioImage file = OtherImage(0x21, 0xF9);  // an 8-channel model
    QByteArray bytes = BuildDataFile(file);
    for (int i = 6; i < 16; ++i)
        bytes[i] = static_cast<char>(0x30 + i);
    const QString folder = Path("data");
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteFile(folder + "/eight.dat", bytes);
    core.BandLowerMHz = 1;
    core.BandUpperMHz = 2;

    prompts.chooseFile(folder + "/eight.dat");
    EXPECT_TRUE(commands.OpenDocument());

    const FileRequest& r = prompts.fileRequests().at(0);
    EXPECT_EQ(r.kind, FileRequest::Kind::Open);
    EXPECT_EQ(r.filter, "QDF Data Files(*.dat)");
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(core.image, file);
    EXPECT_EQ(core.document.snapshot, file);
    EXPECT_EQ(core.document.DataFilePath, folder + "/eight.dat");
    EXPECT_TRUE(core.document.hasFile);
    EXPECT_EQ(core.document.LastDirectory, folder);
    EXPECT_TRUE(core.EightChannelModel);
    EXPECT_EQ(core.BandLowerMHz, DefaultBandTable(0x21).lowerMHz);
    EXPECT_EQ(core.BandUpperMHz, DefaultBandTable(0x21).upperMHz);
    EXPECT_EQ(workspace.calls, QStringList({"CloseEditorWindows", "ShowChannelWindow", "RestoreChannelWindow", "LayoutChannelGrid(8)", "DecodeAllChannels", "RemakeTitle", "ResetGridCursor"}));
    const WindowSlotTable& table = core.windowSlots;
    EXPECT_TRUE(table.windowMenuVisible());
    EXPECT_TRUE(table.slot(0).visible);
    EXPECT_EQ(table.slot(0).caption, " Channel Information [ Channel-1 ]");
}

TEST_F(DocumentCommandsTest, CancelInTheOpenDialogChangesNothing)
{
    const DocumentView before = View();
    prompts.chooseFile(QString());
    EXPECT_FALSE(commands.OpenDocument());
    EXPECT_TRUE(workspace.calls.isEmpty()) << "the editor windows stay open";
    EXPECT_EQ(View(), before);
    EXPECT_EQ(prompts.fileRequests().at(0).directory, QCoreApplication::applicationDirPath());
}

namespace {
enum class Bad { Short, Long, LowerMarker, Directory, Vanished, Unreadable, Fifo, Device, Huge };
struct OpenRefusal {
    const char* name;
    Bad kind;
};
void PrintTo(const OpenRefusal& c, std::ostream* os) { *os << c.name; }
}  // namespace

class OpenRefusalTest : public DocumentCommandsTest, public ::testing::WithParamInterface<OpenRefusal> {};

TEST_P(OpenRefusalTest, IsReportedAndKeepsTheDocument)
{
    const QByteArray good = BuildDataFile(OtherImage(0x01, 0xF8));
    QString path = Path("bad.dat");
    QString expectedText = "Incorrect File Type.";
    switch (GetParam().kind) {
    case Bad::Short: WriteFile(path, good.left(1039)); break;
    case Bad::Long: WriteFile(path, good + QByteArray(1, '\0')); break;
    case Bad::LowerMarker: WriteFile(path, QByteArray(good).replace(0, 6, "qz5120")); break;
    case Bad::Directory:
        path = Path("folder.dat");
        ASSERT_TRUE(QDir().mkpath(path));
        expectedText = path + " could not be opened: Is a directory.";
        break;
    case Bad::Vanished:
        path = Path("gone.dat");
        expectedText = path + " could not be opened: No such file or directory.";
        break;
    case Bad::Unreadable:
        if (geteuid() == 0)
            GTEST_SKIP() << "the superuser reads any file";
        WriteFile(path, good);
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        expectedText = path + " could not be opened: Permission denied.";
        break;
    case Bad::Fifo:
        // Opening a FIFO for reading waits for a writer: the open must not.
        path = Path("pipe.dat");
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        expectedText = path + " could not be opened: Not a regular file.";
        break;
    case Bad::Device:
        path = "/dev/null";
        expectedText = "/dev/null could not be opened: Not a regular file.";
        break;
    case Bad::Huge: {
        // Refused by its size, before a byte of it is read: a terabyte (of
        // holes) that no machine reads or holds in time.
        WriteFile(path, good);
        QFile f(path);
        ASSERT_TRUE(f.resize(qint64(1) << 40));
        break;
    }
    }
    core.document.LastDirectory = "/somewhere";
    const DocumentView before = View();
    prompts.chooseFile(path);
    // A watchdog frees an open that blocks on the FIFO, so the fault fails
    // the test instead of hanging it.
    std::atomic<bool> finished{false};
    std::atomic<bool> watchdogFired{false};
    std::thread watchdog([&] {
        for (int i = 0; i < zx::test::kHangGuardMs / 10 && !finished; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!finished && GetParam().kind == Bad::Fifo) {
            watchdogFired = true;
            const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
    });
    QElapsedTimer clock;
    clock.start();
    const bool opened = commands.OpenDocument();
    finished = true;
    watchdog.join();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(watchdogFired) << "Open blocked";
    EXPECT_LT(clock.elapsed(), zx::test::kHangGuardMs);

    ASSERT_EQ(prompts.messages().size(), 1u);
    const MessageRequest& m = prompts.messages()[0];
    EXPECT_EQ(m.text, expectedText);
    EXPECT_EQ(m.title, "Error");
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(View(), before);
    EXPECT_EQ(workspace.calls, QStringList({"CloseEditorWindows", "ShowChannelWindow", "RestoreChannelWindow"})) << "no new title, no decode";
}

INSTANTIATE_TEST_SUITE_P(Cases, OpenRefusalTest,
                         ::testing::Values(OpenRefusal{"Bytes1039", Bad::Short}, OpenRefusal{"Bytes1041", Bad::Long},
                                           OpenRefusal{"LowerCaseMarker", Bad::LowerMarker},
                                           OpenRefusal{"Directory", Bad::Directory},
                                           OpenRefusal{"Vanished", Bad::Vanished},
                                           OpenRefusal{"Unreadable", Bad::Unreadable},
                                           OpenRefusal{"Fifo", Bad::Fifo}, OpenRefusal{"Device", Bad::Device},
                                           OpenRefusal{"FourGigabytes", Bad::Huge}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentCommandsTest, OpenClearsOwnFleetIdErrorOnlyWhenTheFileAllowsIt)
{
    struct Case {
        std::uint8_t pttType, ownFleet, ownIdHigh;
        bool expected;
    };
    const Case cases[] = {
        {0x00, 0xFF, 0xFF, false},  // not FleetSync
        {0x01, 0x05, 0x00, false},  // FleetSync with a fleet and an ID
        {0x01, 0xFF, 0x00, true},   // no own fleet
        {0x01, 0x00, 0x00, true},   // fleet 0
        {0x01, 0x05, 0xFF, true},   // no own ID
    };
    int n = 0;
    for (const Case& c : cases) {
        RadioImage image = OtherImage(0x21, 0xF8);
        image.set(layout::PttIdType, c.pttType);
        image.set(layout::OwnFleet, c.ownFleet);
        image.set(layout::OwnIdHigh, c.ownIdHigh);
        const QString path = Path(QStringLiteral("f%1.dat").arg(n++));
        WriteFile(path, BuildDataFile(image));
        core.checks.OwnFleetIdError = true;
        prompts.chooseFile(path);
        ASSERT_TRUE(commands.OpenDocument());
        EXPECT_EQ(core.checks.OwnFleetIdError, c.expected) << int(c.pttType) << " " << int(c.ownFleet);
    }
}

TEST_F(DocumentCommandsTest, OpenOfAnEightChannelFileLaysTheGridOutForItsChannels)
{
    // A stand-in for the channel grid: a header row plus one row per channel,
    // column 1 the receive frequency.
    struct GridWorkspace : test::RecordingWorkspace {
        QTableWidget grid{17, 2};
        void LayoutChannelGrid(GridHeaderCaller caller) override
        {
            RecordingWorkspace::LayoutChannelGrid(caller);
            grid.setRowCount(Core().ChannelCount() + 1);
        }
        void DecodeAllChannels() override
        {
            RecordingWorkspace::DecodeAllChannels();
            for (int ch = 1; ch < grid.rowCount(); ++ch) {
                const qint64 f = Core().image.bcdFrequency(layout::ChannelRecord(ch));
                grid.setItem(ch, 1, new QTableWidgetItem(f < 0 ? QString() : QString::number(f / 1e5, 'f', 5)));
            }
        }
    } gridWorkspace;
    DocumentCommands commands(gridWorkspace);
    QTableWidget& grid = gridWorkspace.grid;
    const QString path = Path("eight.dat");
    WriteFile(path, BuildDataFile(OtherImage(0x21, 0xF9)));
    prompts.chooseFile(path);
    ASSERT_TRUE(commands.OpenDocument());
    EXPECT_EQ(grid.rowCount(), 9);
    EXPECT_EQ(grid.item(1, 1)->text(), "450.12500");
}

TEST_F(DocumentCommandsTest, PttIdTypeAndVariantAloneAreNoChange)
{
    core.image.set(layout::PttIdType, core.image.at(layout::PttIdType) ^ 1);
    core.image.set(layout::ModelVariant, 0xF9);
    EXPECT_FALSE(commands.DocumentChanged());
    core.image.set(0x134, core.image.at(0x134) ^ 1);
    EXPECT_TRUE(commands.DocumentChanged());
}

TEST_F(DocumentCommandsTest, ExitWithOnlyThePttIdTypeChangedOffersNothing)
{
    core.image.set(layout::PttIdType, 0x01);
    EXPECT_TRUE(commands.OfferSaveAtExit());
    EXPECT_TRUE(prompts.messages().empty());
}

TEST_F(DocumentCommandsTest, ExitOfferAnswers)
{
    struct Case {
        MsgResult answer;
        bool proceeds;
    };
    for (const Case c : {Case{MsgResult::No, true}, Case{MsgResult::Cancel, false}}) {
        prompts.clear();
        core.image.set(0x134, 0x55);
        prompts.answer(c.answer);
        EXPECT_EQ(commands.OfferSaveAtExit(), c.proceeds);
        ASSERT_EQ(prompts.messages().size(), 1u);
        const MessageRequest& m = prompts.messages()[0];
        EXPECT_EQ(m.text, "Do you wish to save the changes in \"ZX-4100.DAT\" ?");
        EXPECT_EQ(m.title, "ZX-4100");
        EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    }
}

TEST_F(DocumentCommandsTest, ExitOfferYesSavesThenExits)
{
    core.image.set(0x134, 0x55);
    prompts.answer(MsgResult::Yes);
    prompts.chooseFile(Path("exit.dat"));
    EXPECT_TRUE(commands.OfferSaveAtExit());
    EXPECT_EQ(ReadFile(Path("exit.dat")), BuildDataFile(core.image));
}

TEST_F(DocumentCommandsTest, AFailedWriteAtExitKeepsTheProgramRunning)
{
    core.image.set(0x134, 0x55);
    const RadioImage image = core.image;
    prompts.answer(MsgResult::Yes);
    prompts.chooseFile(Path("missing-folder/exit.dat"));
    EXPECT_FALSE(commands.OfferSaveAtExit());
    ASSERT_EQ(prompts.messages().size(), 2u) << "the offer, then the write failure";
    EXPECT_EQ(prompts.messages()[1].title, "ZX-4100");
    EXPECT_FALSE(prompts.messages()[1].text.isEmpty());
    EXPECT_EQ(core.image, image);
    EXPECT_FALSE(QFile::exists(Path("missing-folder/exit.dat")));
    EXPECT_TRUE(commands.DocumentChanged()) << "still offered next time";
}

TEST_F(DocumentCommandsTest, ExitOfferOverwriteQuestionDecidesForASavedFile)
{
    core.document.DataFilePath = Path("kept.dat");
    core.document.hasFile = true;
    core.image.set(0x134, 0x55);
    prompts.answer(MsgResult::Yes);     // save the changes
    prompts.answer(MsgResult::Cancel);  // overwrite question
    EXPECT_FALSE(commands.OfferSaveAtExit());
    EXPECT_TRUE(commands.SaveCancelled);
    EXPECT_FALSE(QFile::exists(Path("kept.dat")));
    prompts.answer(MsgResult::Yes);
    prompts.answer(MsgResult::Ok);
    EXPECT_TRUE(commands.OfferSaveAtExit());
    EXPECT_EQ(ReadFile(Path("kept.dat")), BuildDataFile(core.image));
}

TEST_F(DocumentCommandsTest, CancelledSaveAtExitKeepsTheProgramRunning)
{
    core.image.set(0x134, 0x55);
    prompts.answer(MsgResult::Yes);
    prompts.chooseFile(QString());
    EXPECT_FALSE(commands.OfferSaveAtExit());
}

TEST_F(DocumentCommandsTest, NewAsksFirstAndCancelChangesNothing)
{
    core.image.set(0x134, 0x55);
    const DocumentView before = View();
    prompts.answer(MsgResult::Cancel);
    commands.NewDocument();
    const MessageRequest& m = prompts.messages().at(0);
    EXPECT_EQ(m.text, "All data will be cleared.");
    EXPECT_EQ(m.title, "Warning");
    EXPECT_EQ(m.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(m.defaultButton, MsgResult::Cancel);
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(View(), before);
    EXPECT_TRUE(workspace.calls.isEmpty());
}

TEST_F(DocumentCommandsTest, NewBuildsTheDefaultImageOfTheModel)
{
    core.image.set(layout::ModelBandCode, 0x01);
    core.image.set(0x134, 0x55);
    core.document.DataFilePath = Path("x.dat");
    core.document.hasFile = true;
    core.windowSlots.setWindowMenuVisible(false);
    prompts.answer(MsgResult::Ok);
    commands.NewDocument();
    RadioImage expected;
    expected.setModelBandCode(0x01);
    expected.setModelVariant(0xF8);
    InitAllFrameData(expected);
    EXPECT_EQ(core.image, expected);
    EXPECT_EQ(core.document.snapshot, core.image);
    EXPECT_EQ(core.document.DataFilePath, "ZX-4100.dat");
    EXPECT_FALSE(core.document.hasFile);
    EXPECT_EQ(workspace.calls, QStringList({"CloseEditorWindows", "ShowChannelWindow", "RestoreChannelWindow", "DecodeAllChannels", "RemakeTitle", "ResetGridCursor"}));
    EXPECT_TRUE(core.windowSlots.windowMenuVisible());
    EXPECT_EQ(core.windowSlots.slot(0).caption, " Channel Information [ Channel-1 ]");
}

TEST_F(DocumentCommandsTest, ChineseTexts)
{
    core.LanguageChinese = true;
    prompts.answer(MsgResult::Cancel);
    commands.NewDocument();
    EXPECT_EQ(prompts.messages().at(0).text, QString::fromUtf8("所有数据将被清除."));
    EXPECT_EQ(prompts.messages().at(0).title, QString::fromUtf8("警告"));

    WriteFile(Path("bad.dat"), "short");
    prompts.chooseFile(Path("bad.dat"));
    commands.OpenDocument();
    EXPECT_EQ(prompts.fileRequests().at(0).filter, QString::fromUtf8("QDF 数据文件 (*.dat)"));
    EXPECT_EQ(prompts.messages().at(1).text, QString::fromUtf8("文件类型不正确。"));
    EXPECT_EQ(prompts.messages().at(1).title, QString::fromUtf8("错误"));

    core.document.DataFilePath = Path("named.dat");
    core.document.hasFile = true;
    prompts.answer(MsgResult::Cancel);
    commands.MnuFileSave_Click();
    EXPECT_EQ(prompts.messages().at(2).text, QString::fromUtf8("改写警告!\r\n保存文件名:named.dat"));

    core.image.set(0x134, 0x55);
    prompts.answer(MsgResult::Cancel);
    commands.OfferSaveAtExit();
    EXPECT_EQ(prompts.messages().at(3).text, QString::fromUtf8("文件已更改,是否保存?"));
    EXPECT_EQ(prompts.messages().at(3).title, QString::fromUtf8("警告"));
    EXPECT_EQ(ChannelWindowFixedCaption(true), QString::fromUtf8(" 信道信息 [ 信道 - 1 ]"));

    prompts.chooseFile("/dev/null");
    commands.OpenDocument();
    EXPECT_EQ(prompts.messages().at(4).text, QString::fromUtf8("无法打开 /dev/null：不是普通文件。"));
}
