// The sizer's rule: a control keeps its distance to the edges it is
// anchored to as the dialog grows past its layout.
#include <CorvelSizer.h>

#include <gtest/gtest.h>

#include <utility>

TEST(CorvelSizer, AControlGrowsBetweenOppositeAnchorsMovesWithAFarOneAloneAndStaysOtherwise)
{
    // Laid out at 10,20 to 110,70; the client area grown by 30 and 40.
    const std::pair<UINT, RECT> cases[] = {
        { kAnchorLeft | kAnchorTop, { 10, 20, 110, 70 } },
        { 0, { 10, 20, 110, 70 } },
        { kAnchorAll, { 10, 20, 140, 110 } },
        { kAnchorLeft | kAnchorTop | kAnchorRight, { 10, 20, 140, 70 } },
        { kAnchorRight | kAnchorBottom, { 40, 60, 140, 110 } },
        { kAnchorRight, { 40, 20, 140, 70 } },
        { kAnchorTop | kAnchorBottom, { 10, 20, 110, 110 } },
    };
    for (const auto& [anchors, expected] : cases)
    {
        const RECT rc = CorvelAnchoredRect({ 10, 20, 110, 70 }, anchors, { 30, 40 });
        EXPECT_TRUE(EqualRect(&expected, &rc))
            << "anchors " << anchors << ": " << rc.left << "," << rc.top << " " << rc.right << "," << rc.bottom;
    }
}
