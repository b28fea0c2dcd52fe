#include "report/zal44.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "records/types.h"

namespace dek::report {
namespace {

TEST(Zal44, SplitsDueAndPaidWithTheValuesSign) {
    struct Case {
        double packed;
        double due, paid;
    };
    const Case cases[] = {
        {1200000450.0, 12000, 450},
        {real48_round(1200000450.0), 12000, 450},  // as the 6-byte real holds it
        {1500.0 * 100000 + 312, 1500, 312},
        {2500, 0, 2500},
        {0, 0, 0},
        {100000, 1, 0},
        {-1200000450.0, -12000, -450},
        {99999999.0 * 100000 + 99999, 99999999, 99999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.packed);
        const Zal44Parts p = zal44_split(c.packed);
        EXPECT_EQ(p.due, c.due);
        EXPECT_EQ(p.paid, c.paid);
        EXPECT_FALSE(std::signbit(p.paid) && p.paid == 0) << "a zero paid part prints without a minus";
    }
}

TEST(FixedSum, AddsInTenThousandthsAndHoldsAtTheBounds) {
    FixedSum paid;
    for (int m = 1; m <= 12; ++m) paid.add(100);
    EXPECT_EQ(paid.value(), 1200);

    FixedSum cents;
    for (int i = 0; i < 10; ++i) cents.add(0.1);  // 0.1 is no binary fraction; the sum still is 1
    EXPECT_EQ(cents.value(), 1.0);

    FixedSum huge;
    huge.add(1e300);
    huge.add(1e300);
    EXPECT_GT(huge.value(), 9e14);  // held at the largest total, not wrapped to a negative one
    FixedSum nothing;
    nothing.add(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(nothing.value(), 0);
}

}  // namespace
}  // namespace dek::report
