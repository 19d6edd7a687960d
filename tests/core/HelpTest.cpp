#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "common/Patience.h"
#include "common/QtPrinters.h"
#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ui/EditorWindowFrame.h"
#include "core/ui/HelpKeyFilter.h"
#include "core/ui/HelpWindow.h"

using namespace zx;

namespace {

struct IdCase {
    int id;
    int windowId;
    const char* page;
};
void PrintTo(const IdCase& c, std::ostream* os) { *os << c.id << " in " << c.windowId << " -> " << c.page; }

class HelpIdTable : public ::testing::TestWithParam<IdCase> {};

}  // namespace

TEST_P(HelpIdTable, MapsTheIdToItsPage)
{
    EXPECT_EQ(HelpPageForContext(GetParam().id, GetParam().windowId), QString::fromLatin1(GetParam().page));
}

INSTANTIATE_TEST_SUITE_P(
    Ids, HelpIdTable,
    ::testing::Values(
        IdCase{2, 0, "general"}, IdCase{2100, 0, "general"}, IdCase{9500, 0, "general"},
        IdCase{3, 0, "modelinfo"}, IdCase{3100, 3100, "modelinfo"}, IdCase{2500, 0, "print"},
        IdCase{4100, 0, "chinfo"}, IdCase{4109, 4100, "chinfo"}, IdCase{4110, 4100, "chinfo"},
        // The channel editor shares 4101-4110 with the channel list.
        IdCase{4101, 4110, "chedit"}, IdCase{4110, 4110, "chedit"}, IdCase{4117, 4110, "chedit"},
        IdCase{4117, 0, "chedit"}, IdCase{4101, 0, "chinfo"},
        IdCase{4231, 4200, "optfeatures"}, IdCase{4302, 4300, "keyassign"}, IdCase{4407, 4400, "scaninfo"},
        IdCase{4515, 4500, "dtmf"}, IdCase{4611, 4600, "fleetsync"}, IdCase{4700, 4700, "testfreq"},
        IdCase{4800, 4800, "embmsg"}, IdCase{5100, 0, "readradio"}, IdCase{5200, 0, "writeradio"},
        IdCase{5320, 0, "general"}, IdCase{6100, 6100, "radioinfo"}, IdCase{7100, 7100, "commport"},
        IdCase{7200, 7200, "language"}, IdCase{8100, 8100, "treeview"}, IdCase{8300, 0, "general"},
        IdCase{4210, 4200, ""}, IdCase{0, 4200, ""}, IdCase{12345, 0, ""}));

TEST(HelpPages, EveryPageIsShippedInBothLanguages)
{
    const QStringList pages = HelpPageNames();
    EXPECT_EQ(pages.size(), 18);
    for (const char* page : {"general", "chinfo", "chedit", "testfreq", "optfeatures", "keyassign", "scaninfo",
                             "dtmf", "fleetsync", "embmsg", "modelinfo", "treeview", "language", "readradio",
                             "writeradio", "radioinfo", "commport", "print"})
        EXPECT_TRUE(pages.contains(page)) << page;
    const QRegularExpression title("<title>([^<]+)</title>");
    for (const QString& page : pages) {
        QString texts[2];
        for (bool chinese : {false, true}) {
            ASSERT_TRUE(HelpWindow::PageExists(page, chinese)) << page.toStdString() << chinese;
            QFile f(HelpWindow::PagePath(page, chinese));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            EXPECT_TRUE(title.match(text).hasMatch()) << page.toStdString();
            EXPECT_GT(text.size(), 200) << page.toStdString();
            texts[chinese] = text;
        }
        EXPECT_NE(texts[0], texts[1]) << page.toStdString();
        EXPECT_TRUE(texts[1].contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]"))) << page.toStdString();
    }
}

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override { delete HelpWindow::instance(false); }

    static QString Shown()
    {
        HelpWindow* w = HelpWindow::instance(false);
        return w && w->isVisible() ? w->currentSource().toString() : QString();
    }

    AppCore core;
};

}  // namespace

TEST_F(HelpWindowTest, ShowHelpTopicOpensThePageOfTheLanguage)
{
    ShowHelpTopic(nullptr, "keyassign");
    EXPECT_EQ(Shown(), "qrc:/help/en/keyassign.html");
    EXPECT_TRUE(HelpWindow::instance()->browser()->toPlainText().contains("programmable keys"));
    EXPECT_EQ(HelpWindow::instance()->windowTitle(), "Key Assignment");

    core.LanguageChinese = true;
    ShowHelpTopic(nullptr, "keyassign");
    EXPECT_EQ(Shown(), "qrc:/help/zh/keyassign.html");
    EXPECT_EQ(HelpWindow::instance()->windowTitle(), QString::fromUtf8("键设定"));
}

TEST_F(HelpWindowTest, APageNamedWithItsHtmExtensionOpensThatPage)
{
    // The transfer dialog names its two pages "readradio.htm" and "writeradio.htm".
    for (const char* page : {"readradio", "writeradio"}) {
        ShowHelpTopic(nullptr, QString::fromLatin1(page) + ".htm");
        EXPECT_EQ(Shown(), QStringLiteral("qrc:/help/en/%1.html").arg(page));
        EXPECT_EQ(HelpWindow::instance()->currentPage(), page);
    }
}

TEST_F(HelpWindowTest, AnUnknownPageShowsTheMainPage)
{
    EXPECT_FALSE(HelpWindow::instance()->ShowPage("nosuchpage", false));
    EXPECT_EQ(Shown(), "qrc:/help/en/general.html");
}

namespace {

class F1Test : public HelpWindowTest {
protected:
    void SetUp() override
    {
        HelpKeyFilter::Install();
        main.resize(900, 700);
        area = new QMdiArea;
        main.setCentralWidget(area);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main, zx::test::kHangGuardMs));
        QApplication::setActiveWindow(&main);
    }

    EditorWindowFrame* AddWindow(const EditorWindowSetup& setup)
    {
        auto* w = new EditorWindowFrame(setup);
        area->addSubWindow(w);
        w->show();
        return w;
    }

    QMainWindow main;
    QMdiArea* area = nullptr;
};

}  // namespace

TEST_F(F1Test, OnTheMainWindowOpensTheEnglishMainPage)
{
    main.setFocus();
    QTest::keyClick(&main, Qt::Key_F1);
    EXPECT_EQ(Shown(), "qrc:/help/en/general.html");
}

TEST_F(F1Test, OnAControlOpensThePageOfItsId)
{
    EditorWindowFrame* keys = AddWindow({2, -1, 4905, 6600, 1141, "keyassign", 4300});
    auto* combo = new QLineEdit(keys->panel());
    combo->setProperty(kHelpContextIdProperty, 4301);
    QTest::keyClick(combo, Qt::Key_F1);
    EXPECT_EQ(Shown(), "qrc:/help/en/keyassign.html");

    core.LanguageChinese = true;
    QTest::keyClick(keys->cmdClose(), Qt::Key_F1);
    EXPECT_EQ(Shown(), "qrc:/help/zh/keyassign.html");
}

TEST_F(F1Test, TheWindowDecidesBetweenTheChannelListAndTheChannelEditor)
{
    EditorWindowFrame* editor = AddWindow({8, -1, 5640, 6570, 1048, "chedit", 4110, false});
    auto* rx = new QLineEdit(editor->panel());
    rx->setProperty(kHelpContextIdProperty, 4101);
    EditorWindowFrame* list = AddWindow({0, -1, 4000, 9000, 1040, "chinfo", 4100});
    auto* cell = new QLineEdit(list->panel());
    cell->setProperty(kHelpContextIdProperty, 4101);

    QTest::keyClick(rx, Qt::Key_F1);
    EXPECT_EQ(Shown(), "qrc:/help/en/chedit.html");
    QTest::keyClick(cell, Qt::Key_F1);
    EXPECT_EQ(Shown(), "qrc:/help/en/chinfo.html");
}

TEST_F(F1Test, AControlWithoutAnIdTakesItsWindows)
{
    EditorWindowFrame* scan = AddWindow({3, -1, 5175, 5895, 1142, "scaninfo", 4400});
    auto* label = new QLineEdit(scan->panel());
    QTest::keyClick(label, Qt::Key_F1);
    EXPECT_EQ(Shown(), "qrc:/help/en/scaninfo.html");

    // A dialog whose controls carry no ids names its page.
    QDialog transfer(&main);
    transfer.setProperty(kHelpPageProperty, "readradio");
    auto* ok = new QLineEdit(&transfer);
    QTest::keyClick(ok, Qt::Key_F1);
    EXPECT_EQ(Shown(), "qrc:/help/en/readradio.html");
}

TEST_F(F1Test, OnAHighlightedMenuItemOpensItsPage)
{
    QMenu menu(&main);
    menu.addAction("&Optional Features")->setProperty(kHelpContextIdProperty, 4200);
    QAction* dtmf = menu.addAction("&DTMF");
    dtmf->setProperty(kHelpContextIdProperty, 4500);
    menu.popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu, zx::test::kHangGuardMs));
    menu.setActiveAction(dtmf);
    QTest::keyClick(&menu, Qt::Key_F1);
    EXPECT_EQ(Shown(), "qrc:/help/en/dtmf.html");
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(F1Test, InAModalDialogTheHelpWindowIsNotBlocked)
{
    QDialog dialog(&main);
    dialog.setProperty(kHelpPageProperty, "commport");
    auto* option = new QLineEdit(&dialog);
    option->setProperty(kHelpContextIdProperty, 7100);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    QTest::keyClick(option, Qt::Key_F1);
    EXPECT_EQ(Shown(), "qrc:/help/en/commport.html");
    EXPECT_EQ(HelpWindow::instance()->parentWidget(), &dialog);
    EXPECT_TRUE(HelpWindow::instance()->isWindow());
    dialog.hide();

    // Outside the dialog the same help window stands on its own again.
    QTest::keyClick(&main, Qt::Key_F1);
    EXPECT_EQ(HelpWindow::instance()->parentWidget(), nullptr);
    EXPECT_EQ(Shown(), "qrc:/help/en/general.html");
}
