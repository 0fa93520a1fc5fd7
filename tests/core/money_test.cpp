#include <gtest/gtest.h>

#include "core/money.h"

using namespace orvane;

TEST(Money, Placeholder) { EXPECT_EQ(formatAmount(0.0, AmountFormat::Thousands), ".00"); }
