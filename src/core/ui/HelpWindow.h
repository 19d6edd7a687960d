#pragma once
// The help viewer: one window showing the topic pages shipped with the
// program (resources/help/<en|zh>/<page>.html), in the language in force.
#include <QString>
#include <QUrl>
#include <QWidget>

#include "core/HelpTopicTable.h"

class QTextBrowser;

namespace zx {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // The one help window, created on first use; nullptr with create false
    // while none exists.
    static HelpWindow* instance(bool create = true);

    // Shows a page ("keyassign") in the given language and brings the window
    // to the front. Returns false when no such page exists (the window then
    // shows the main page).
    bool ShowPage(const QString& page, bool chinese);

    QString currentPage() const { return page_; }
    bool currentChinese() const { return chinese_; }
    QUrl currentSource() const;
    QTextBrowser* browser() const { return browser_; }

    // The resource path of a page, e.g. ":/help/en/general.html".
    static QString PagePath(const QString& page, bool chinese);
    // True when the page is shipped in that language.
    static bool PageExists(const QString& page, bool chinese);

private:
    HelpWindow();
    QTextBrowser* browser_ = nullptr;
    QString page_;
    bool chinese_ = false;
};

// Opens a topic page of the help in the current language (Core().LanguageChinese):
// "keyassign", or "keyassign.htm" as the help file names it. The caller is the
// window asking; nothing is reported on failure.
void ShowHelpTopic(QWidget* caller, const QString& page);

}  // namespace zx
