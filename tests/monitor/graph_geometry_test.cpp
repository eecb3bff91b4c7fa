#include "link/models.h"
#include "monitor/graph_geometry.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(GraphGeometry, frequencyOnThePlainGraphRunsFromZeroLineToTop) {
  const float scale = 4750.0f / 50.0f;
  EXPECT_EQ(frequencyY(GraphKind::Plain, scale, 0, 50.0f, "F"), 250);
  EXPECT_EQ(frequencyY(GraphKind::Plain, scale, 0, 25.0f, "R"), 2625);
  EXPECT_EQ(frequencyY(GraphKind::Plain, scale, 0, 0.0f, "F"), 5000);
}

TEST(GraphGeometry, signedGraphPutsReverseAndStoppedBelowTheAxis) {
  const float scale = 2375.0f / 50.0f;
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, scale, 50.0f, "F"), 250);
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, scale, 0.0f, "F"), 2625);
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, scale, 0.0f, "-"), 2625);
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, scale, 50.0f, "R"), 5000);
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, scale, 25.0f, "-"),
            frequencyY(GraphKind::Signed, 0, scale, 25.0f, "R"));
  EXPECT_EQ(frequencyY(GraphKind::Signed, 0, 20.0f, 5.0f, "R"), 2725);
}

TEST(GraphGeometry, currentScaleDependsOnTheModelAndTheBox) {
  EXPECT_EQ(currentY(GraphKind::Plain, model::kVector, 200.0), 250);
  EXPECT_EQ(currentY(GraphKind::Plain, model::kSingleCompact, 100.0), 2625);
  EXPECT_EQ(currentY(GraphKind::Plain, model::kMk410, 300.0), 251); // 15.83 per %: 4749 units
  EXPECT_EQ(currentY(GraphKind::Plain, model::kProfi, 100.0), 3417);
  EXPECT_EQ(currentY(GraphKind::Signed, model::kVector, 200.0), 250);
  EXPECT_EQ(currentY(GraphKind::Signed, model::kMk410, 100.0), 1833); // 2625 - 791.6
}

TEST(GraphGeometry, voltageTopIs800Volts) {
  EXPECT_EQ(voltageY(GraphKind::Plain, 800.0), 250);
  EXPECT_EQ(voltageY(GraphKind::Plain, 400.0), 2625);
  EXPECT_EQ(voltageY(GraphKind::Signed, 800.0), 250);
  EXPECT_EQ(voltageY(GraphKind::Signed, 400.0), 1438); // 1437.5 halves to even
}

} // namespace
} // namespace orvane
