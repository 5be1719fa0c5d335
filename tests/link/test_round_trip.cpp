#include "link_fixture.h"

#include "image/memory_map.h"

using namespace r36;
using namespace r36::testing_link;

namespace {

using RoundTrip = LinkTest;

TEST_P(RoundTrip, ReadAllFillsTheImage) {
    const Outcome read = transfer->readAll();
    ASSERT_TRUE(read.ok()) << read.reason();
    EXPECT_EQ(state.radioVersion, 206);
    for (int i = 0; i < image::kUserMemoryCount; ++i)
        ASSERT_EQ(image.memRecord[i].size(), 64u) << "memory " << i;
}

INSTANTIATE_TEST_SUITE_P(Cables, RoundTrip, testing::Values(Cable::InMemory, Cable::PseudoTerminal),
                         cableName);

} // namespace
