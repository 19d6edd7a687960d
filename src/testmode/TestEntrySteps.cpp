#include "testmode/TestEntrySteps.h"

#include <utility>

#include "testmode/TestFrequencyCheck.h"
#include "testmode/TuningDataBlock.h"

namespace zx {

TestEntrySteps::TestEntrySteps(RadioImage& image, TestModeState& state, std::function<void()> showTestForm)
    : image_(image), state_(state), showTestForm_(std::move(showTestForm))
{
}

void TestEntrySteps::StoreTuningData(const QByteArray& reply)
{
    // Changing the image is all it takes for the document to count as
    // changed: the save prompt compares the image with its snapshot.
    zx::StoreTuningData(image_, state_, reply);
}

void TestEntrySteps::StoreTestFrequency(int n, const QByteArray& reply)
{
    zx::StoreTestFrequency(state_, n, reply);
}

bool TestEntrySteps::TestFrequencyMatches(int n, const QByteArray& reply)
{
    return zx::TestFrequencyMatches(image_, n, reply);
}

void TestEntrySteps::ShowTestForm()
{
    if (showTestForm_)
        showTestForm_();
}

}  // namespace zx
