#include "core/ui/CoreCommands.h"

#include "core/DocumentCommands.h"
#include "core/MenuCommands.h"
#include "core/Workspace.h"
#include "core/ui/CPUForm.h"
#include "core/ui/EditorWindowRegistry.h"
#include "core/ui/LanguageForm.h"
#include "core/ui/ModelTypeForm.h"
#include "core/ui/TreeViewForm.h"

namespace zx {

void AttachCoreCommands(MenuCommands& menu, Workspace& workspace, EditorWindowRegistry& windows,
                        DocumentCommands& documents)
{
    auto set = [&menu](const char* name, MenuCommands::Command command) {
        menu.setCommand(QString::fromLatin1(name), std::move(command));
    };
    Workspace* ws = &workspace;
    EditorWindowRegistry* registry = &windows;
    DocumentCommands* docs = &documents;

    set("MnuFileNew", [docs] { docs->NewDocument(); });
    set("MnuFileOpen", [docs] { docs->OpenDocument(); });
    set("MnuFileSave", [ws, docs] {
        ws->CommitFieldBeingEdited();
        docs->MnuFileSave_Click();
    });
    set("MnuFileSaveAs", [ws, docs] {
        ws->CommitFieldBeingEdited();
        docs->MnuFileSaveAs_Click();
    });

    // The Edit menu opens the window of slot k, whichever subsystem registered it.
    const char* editItems[] = {"MnuEditChannelInformation", "MnuEditOptionalFeatures", "MnuEditKeyAssignment",
                               "MnuEditScanInformation",    "MnuEditDTMF",             "MnuEditFleetSync",
                               "MnuEditTestFrequency",      "MnuEditEmbeddedMessage"};
    for (int k = 0; k < 8; ++k)
        set(editItems[k], [registry, k] { registry->OpenEditorWindow(k); });
    windows.RegisterTreeView([registry] { return new TreeViewForm(*registry); });
    set("MnuViewTreeView", [registry] { registry->OpenTreeView(); });
    set("MnuWindowCascade", [registry] { registry->Cascade(); });
    set("MnuWindowHorizontally", [registry] { registry->TileHorizontally(); });
    set("MnuWindowVertically", [registry] { registry->TileVertically(); });
    set("MnuWindowArrangeIcon", [registry] { registry->ArrangeIcons(); });
    set("MnuWindowCloseAll", [registry] { registry->CloseAll(); });
    set("MnuHelpTopics", [ws] { ws->ShowHelpPage(QStringLiteral("general")); });

    set("MnuModelInformation", [ws] { MnuModelInformation_Click(*ws); });
    // Also the hidden gesture on the client area.
    set("MnuProgramMemoryMap", [ws] { MnuProgramMemoryMap_Click(*ws); });
    set("MnuSetupLanguageFileSetup", [ws] { MnuSetupLanguageFileSetup_Click(*ws); });
}

}  // namespace zx
