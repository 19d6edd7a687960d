#pragma once
// Fills every window hook with a recorder, so tests can assert which
// operations ran on the other windows and in what order.
#include <map>
#include <ostream>
#include <vector>

#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/CoreWindowHooks.h"

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace zx::test {

class HookRecorder {
public:
    QStringList calls;
    // The channel grid the language switch reads and writes: (row, column).
    std::map<std::pair<int, int>, QString> grid;
    int gridWidth = 10650;
    ChannelGridTitles headerTitles;
    ChannelGridWidths headerWidths{};
    ChannelWindowControlTexts controlTexts;
    QString channelWindowCaption;
    QString helpFile;

    CoreWindowHooks hooks()
    {
        CoreWindowHooks h;
        h.closeEditorWindows = [this] { calls << "closeEditorWindows"; };
        h.restoreChannelWindow = [this] { calls << "restoreChannelWindow"; };
        h.showChannelWindow = [this] { calls << "showChannelWindow"; };
        h.layoutChannelGrid = [this](bool eight) { calls << QStringLiteral("layoutChannelGrid(%1)").arg(eight ? 8 : 16); };
        h.decodeAllChannels = [this] { calls << "decodeAllChannels"; };
        h.setHelpFile = [this](const QString& path) {
            calls << "setHelpFile";
            helpFile = path;
        };
        h.channelGridWidth = [this] { return gridWidth; };
        h.setChannelGridHeader = [this](const ChannelGridTitles& t, const ChannelGridWidths& w) {
            calls << "setChannelGridHeader";
            headerTitles = t;
            headerWidths = w;
        };
        h.setChannelWindowCaption = [this](const QString& c) {
            calls << "setChannelWindowCaption";
            channelWindowCaption = c;
        };
        h.setChannelWindowControlTexts = [this](const ChannelWindowControlTexts& t) {
            calls << "setChannelWindowControlTexts";
            controlTexts = t;
        };
        h.channelGridText = [this](int r, int c) { return grid[{r, c}]; };
        h.setChannelGridText = [this](int r, int c, const QString& t) {
            if (calls.isEmpty() || calls.last() != "setChannelGridText")
                calls << "setChannelGridText";
            grid[{r, c}] = t;
        };
        h.rebuildToneLists = [this] { calls << "rebuildToneLists"; };
        return h;
    }
};

}  // namespace zx::test
