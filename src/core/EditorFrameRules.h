#pragma once
// How the editor window frame fits its backing panel to the client area.

namespace zx {

inline constexpr int kBackingPanelMarginTwips = 20;

// Width or height of the backing panel for a client extent, both in twips:
// the client less 20 twips, never below 0.
inline int BackingPanelExtent(int clientTwips)
{
    return clientTwips > kBackingPanelMarginTwips ? clientTwips - kBackingPanelMarginTwips : 0;
}

}  // namespace zx
