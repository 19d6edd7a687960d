#include "core/HelpTopicTable.h"

#include <algorithm>
#include <numeric>

namespace zx {

namespace {

std::vector<int> Range(int first, int last)
{
    std::vector<int> ids(static_cast<std::size_t>(last - first + 1));
    std::iota(ids.begin(), ids.end(), first);
    return ids;
}

std::vector<HelpTopic> BuildTable()
{
    return {
        // The main window: menu titles (2) and the commands without a window
        // of their own. The test mode window has no page; F1 there shows the
        // main page, which describes the Program menu and the test window.
        {"MDIForm1", "general", 0,
         {2, 2100, 2200, 2300, 2400, 2600, 2700, 8200, 8300, 9100, 9200, 9300, 9400, 9500, 5301, 5302, 5318,
          5319, 5320, 5321, 5322}},
        {"ChannelForm", "chinfo", 4100, Range(4100, 4110)},
        {"ChannelEditForm", "chedit", 4110, Range(4101, 4117)},
        {"TestChannelForm", "testfreq", 4700, {4700}},
        {"OptionalForm", "optfeatures", 4200,
         {4200, 4201, 4202, 4203, 4204, 4205, 4206, 4207, 4208, 4209, 4211, 4212, 4213, 4214, 4221, 4222, 4223,
          4224, 4225, 4226, 4231}},
        {"KeyAssign", "keyassign", 4300, {4300, 4301, 4302}},
        {"ScanForm", "scaninfo", 4400, Range(4400, 4407)},
        {"DTMFForm", "dtmf", 4500, Range(4500, 4515)},
        {"FleetsyncForm", "fleetsync", 4600, {4600, 4605, 4606, 4607, 4608, 4609, 4610, 4611}},
        {"EmbedInfoForm", "embmsg", 4800, {4800}},
        // Model > Model Information carries 3, the model dialog 3100.
        {"ModelTypeForm", "modelinfo", 3100, {3, 3100}},
        {"TreeViewForm", "treeview", 8100, {8100}},
        {"LanguageForm", "language", 7200, {7200}},
        // The transfer dialog's controls carry no ids; the menu items that
        // start a read or a write lead to its two pages (Test Mode shares
        // 5200 with Write to Radio).
        {"ConnectForm", "readradio", 0, {5100}},
        {"ConnectForm", "writeradio", 0, {5200}},
        {"DJJInfoForm", "radioinfo", 6100, {6100}},
        {"ComForm", "commport", 7100, {7100}},
        {"frmPrintList", "print", 2500, {2500}},
    };
}

bool Lists(const HelpTopic& topic, int id)
{
    return std::find(topic.ids.begin(), topic.ids.end(), id) != topic.ids.end();
}

}  // namespace

const std::vector<HelpTopic>& HelpTopicTable()
{
    static const std::vector<HelpTopic> table = BuildTable();
    return table;
}

QStringList HelpPageNames()
{
    QStringList pages;
    for (const HelpTopic& topic : HelpTopicTable()) {
        const QString page = QString::fromLatin1(topic.page);
        if (!pages.contains(page))
            pages << page;
    }
    return pages;
}

QString HelpPageForContext(int contextId, int windowId)
{
    if (contextId == 0)
        return {};
    const auto& table = HelpTopicTable();
    if (windowId != 0) {
        for (const HelpTopic& topic : table) {
            if (topic.windowId == windowId && Lists(topic, contextId))
                return QString::fromLatin1(topic.page);
        }
    }
    for (const HelpTopic& topic : table) {
        if (Lists(topic, contextId))
            return QString::fromLatin1(topic.page);
    }
    return {};
}

}  // namespace zx
