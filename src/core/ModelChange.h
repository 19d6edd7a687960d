#pragma once
// What follows when the image's model identification may have changed: the
// model dialog and the memory map remember the band code and variant before
// they open and compare afterwards.
#include <cstdint>

#include "core/RadioImage.h"

namespace zx {

class AppCore;
class Workspace;

struct ModelIdent {
    std::uint8_t bandCode;  // 0x1BD
    std::uint8_t variant;   // 0x1BE
    bool operator==(const ModelIdent&) const = default;
};

ModelIdent CurrentModel(const RadioImage& image);

// The model dialog changed the band code: the default image of the new model
// becomes the unnamed, unchanged document, the other editor windows close and
// the channel list is laid out and refilled for it.
void RebuildForNewModel(AppCore& core, Workspace& workspace);

// After the memory map closed (accepted: by OK). Closes the editor windows in
// every case. After an OK that changed the model, the image becomes the
// default image of the new model as after the model dialog; after any other
// OK the edited bytes stay and the channel list and band limits are brought
// up to date from them. Returns true when the model changed; the main
// window's title is then renewed.
// After the model dialog closed: a changed band code or variant rebuilds the
// image for the new model; the title and slot 0 of the Window menu are
// renewed in every case.
void AfterModelDialog(AppCore& core, Workspace& workspace, ModelIdent before);

bool UpdateAfterMemoryMap(AppCore& core, Workspace& workspace, ModelIdent before, bool accepted);

}  // namespace zx
