#include "core/WindowSlotTable.h"

namespace zx {

WindowSlotTable::WindowSlotTable() = default;

void WindowSlotTable::setOpen(int flag, bool open)
{
    bool& f = open_.at(static_cast<std::size_t>(flag));
    if (f == open)
        return;
    f = open;
    emit changed();
}

void WindowSlotTable::setWindowMenuVisible(bool visible)
{
    if (windowMenuVisible_ == visible)
        return;
    windowMenuVisible_ = visible;
    emit changed();
}

void WindowSlotTable::setSlotVisible(int k, bool visible)
{
    WindowSlot& s = slots_.at(static_cast<std::size_t>(k));
    if (s.visible == visible)
        return;
    s.visible = visible;
    emit changed();
}

void WindowSlotTable::setSlotCaption(int k, const QString& caption)
{
    WindowSlot& s = slots_.at(static_cast<std::size_t>(k));
    if (s.caption == caption)
        return;
    s.caption = caption;
    emit changed();
}

void WindowSlotTable::setSlotChecked(int k, bool checked)
{
    WindowSlot& s = slots_.at(static_cast<std::size_t>(k));
    if (s.checked == checked)
        return;
    s.checked = checked;
    emit changed();
}

void WindowSlotTable::CheckWindowSlot(int k)
{
    setSlotChecked(k, true);
    for (int j = 0; j < kWindowSlotCount; ++j) {
        if (j != k && slot(j).visible)
            setSlotChecked(j, false);
    }
}

void WindowSlotTable::ShowSlotChecked(int k, const QString& caption)
{
    if (slot(k).visible)
        return;
    setSlotVisible(k, true);
    setSlotCaption(k, caption);
    CheckWindowSlot(k);
}

void WindowSlotTable::FreeWindowSlot(int k)
{
    setOpen(k, false);
    HideWindowMenuIfNoEditor();
    setSlotVisible(k, false);
}

void WindowSlotTable::HideWindowMenuIfNoEditor()
{
    for (bool f : open_) {
        if (f)
            return;
    }
    setWindowMenuVisible(false);
}

std::array<bool, kWindowSlotCount> WindowSlotTable::checkMarks() const
{
    std::array<bool, kWindowSlotCount> marks{};
    for (int k = 0; k < kWindowSlotCount; ++k)
        marks[static_cast<std::size_t>(k)] = slot(k).checked;
    return marks;
}

void WindowSlotTable::setCheckMarks(const std::array<bool, kWindowSlotCount>& marks)
{
    for (int k = 0; k < kWindowSlotCount; ++k)
        setSlotChecked(k, marks[static_cast<std::size_t>(k)]);
}

}  // namespace zx
