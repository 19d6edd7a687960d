#include "core/ui/HelpWindow.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/AppCore.h"

// The help pages live in the static zxui library; their resource initializer
// must be pulled in explicitly.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace zx {

namespace {
QPointer<HelpWindow>& Instance()
{
    static QPointer<HelpWindow> window;
    return window;
}
}  // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window)
{
    InitHelpResources();
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HelpWindow"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 520);
}

HelpWindow* HelpWindow::instance(bool create)
{
    QPointer<HelpWindow>& window = Instance();
    if (!window && create)
        window = new HelpWindow;
    return window;
}

QString HelpWindow::PagePath(const QString& page, bool chinese)
{
    return QStringLiteral(":/help/%1/%2.html").arg(chinese ? QStringLiteral("zh") : QStringLiteral("en"), page);
}

bool HelpWindow::PageExists(const QString& page, bool chinese)
{
    InitHelpResources();
    return !page.isEmpty() && QFile::exists(PagePath(page, chinese));
}

bool HelpWindow::ShowPage(const QString& page, bool chinese)
{
    const bool found = PageExists(page, chinese);
    page_ = found ? page : kGeneralHelpPage;
    chinese_ = chinese;
    browser_->setSource(QUrl(QStringLiteral("qrc") + PagePath(page_, chinese_)));
    setWindowTitle(browser_->documentTitle());
    show();
    raise();
    activateWindow();
    return found;
}

QUrl HelpWindow::currentSource() const { return browser_->source(); }

void ShowHelpTopic(QWidget* caller, const QString& page)
{
    Q_UNUSED(caller);  // the help window stands on its own beside the program
    HelpWindow* help = HelpWindow::instance();
    // While a modal dialog runs, every other window is blocked; the help
    // window becomes the dialog's own window so F1 in a dialog can be read.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != help && help->parentWidget() != modal) {
        const QRect geometry = help->geometry();
        help->setParent(modal, Qt::Window);
        help->setGeometry(geometry);
    }
    // Callers may name the page as the help file does, "readradio.htm".
    QString name = page;
    if (name.endsWith(QLatin1String(".htm")))
        name.chop(4);
    help->ShowPage(name, Core().LanguageChinese);
}

}  // namespace zx
