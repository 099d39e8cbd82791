#pragma once

#include <gtest/gtest.h>

#include <string>

#include "chart/chart_dump.h"
#include "support/test_support.h"

namespace dlt::test {

// The chart's dump must equal the golden file tests/data/charts/<name>.txt.
inline void ExpectChartGolden(const std::string& name, const Chart& chart) {
  EXPECT_EQ(GoldenMismatch("charts/" + name + ".txt", ChartDump(chart)), "") << name;
}

}  // namespace dlt::test
