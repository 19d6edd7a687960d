#include "testmode/ui/TuningDialogs.h"

#include "testmode/ui/TuningDialogFactories.h"
#include "testmode/ui/TunningForm1.h"
#include "testmode/ui/TunningForm2.h"
#include "testmode/ui/TunningForm3.h"
#include "testmode/ui/TunningForm4.h"

namespace zx {

namespace {
template <typename Form>
TuningDialogFactory FactoryOf()
{
    return [](const TuningHandOver& handOver) {
        // Deletes itself when it closes, and then tells the test window.
        auto* form = new Form(handOver);
        form->Load();
    };
}
}  // namespace

void AttachTuningDialogs(TuningDialogFactories& factories)
{
    factories.Set(TuningDialog::TunningForm1, FactoryOf<TunningForm1>());
    factories.Set(TuningDialog::TunningForm2, FactoryOf<TunningForm2>());
    factories.Set(TuningDialog::TunningForm3, FactoryOf<TunningForm3>());
    factories.Set(TuningDialog::TunningForm4, FactoryOf<TunningForm4>());
}

}  // namespace zx
