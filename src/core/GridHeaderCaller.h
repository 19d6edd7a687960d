#pragma once
// Who lays the channel grid out: the header texts differ only by blanks
// around some captions.
namespace zx {

enum class GridHeaderCaller {
    Load,         // the channel window's load
    ModelChange,  // the model dialog
    FileOpen,     // File Open and the transfer dialog's close
    Decoder,      // the channel decoder after a transfer, the language switch
};

}  // namespace zx
