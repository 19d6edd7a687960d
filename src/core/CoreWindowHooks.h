#pragma once
// What the model dialog, the memory map, the language switch and the tree
// view ask of windows that live elsewhere: the editor windows, the Window
// menu's open flags and the channel list window. The application fills these
// in once when it builds the main window; a hook left empty does nothing.
#include <array>
#include <functional>
#include <utility>

#include <QString>

class QWidget;

namespace zx {

// The channel list window's own control captions (language switch).
struct ChannelWindowControlTexts {
    QString cmdClose;
    QString cmdHelp;
    QString cmdChannelEdit;
    QString LabFreeArea;
};

// Column 0 (the corner, the title of the channel-number column) to 9.
using ChannelGridTitles = std::array<QString, 10>;
using ChannelGridWidths = std::array<int, 10>;  // twips

struct CoreWindowHooks {
    // --- replacing the image ------------------------------------------
    // CloseEditorWindows: unloads every open editor window but the channel
    // list, the tree view included.
    std::function<void()> closeEditorWindows;
    // RestoreChannelWindow: the channel list window back to the normal state
    // at the top left corner of the client area.
    std::function<void()> restoreChannelWindow;
    // Shows the channel list window modeless (a model change while the user
    // had closed it).
    std::function<void()> showChannelWindow;
    // LayoutChannelGrid: 8 or 16 channel rows.
    std::function<void(bool eightChannels)> layoutChannelGrid;
    // DecodeAllChannels: refills the channel grid from the image.
    std::function<void()> decodeAllChannels;

    // --- the language switch ----------------------------------------------
    // The help file F1 opens (full path of the .chm of the language).
    std::function<void(const QString& path)> setHelpFile;
    // The channel grid's current width in twips.
    std::function<int()> channelGridWidth;
    // Header row of the channel grid: the titles, centred (titles[0] in the
    // corner), and the column widths. The channel numbers in the fixed
    // column, the row count and the grid's position and size stay.
    std::function<void(const ChannelGridTitles& titles, const ChannelGridWidths& widths)> setChannelGridHeader;
    // The channel list window's title (the Window-menu slot 0 caption is set
    // by the caller itself).
    std::function<void(const QString& caption)> setChannelWindowCaption;
    std::function<void(const ChannelWindowControlTexts& texts)> setChannelWindowControlTexts;
    // Cell text of channel row 1..16, column 1..9, and its writer.
    std::function<QString(int row, int column)> channelGridText;
    std::function<void(int row, int column, const QString& text)> setChannelGridText;
    // BuildToneList(QtDqtList), then BuildToneList(QtDqtList2).
    std::function<void()> rebuildToneLists;
};

// Runs a hook when it is set.
template <typename Hook, typename... Args>
void CallHook(const Hook& hook, Args&&... args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

}  // namespace zx
