#include "catalogue/catalogue_records.h"

#include <gtest/gtest.h>

#include <memory>

namespace selvio {
namespace {

TEST(CatalogueRecordsTest, NewRecordsAreEmptyExceptRegulatorPressureDropLimit) {
  const RegulatorRecord r;
  EXPECT_EQ(r.maxPressureDrop, 100000.0f);
  EXPECT_EQ(r.kvs, 0.0f);
  EXPECT_EQ(r.rangeCount, 0);
  EXPECT_EQ(r.ratingCount, 0);
  EXPECT_TRUE(r.name.isEmpty());
  const ValveRecord v;
  EXPECT_EQ(v.electricLinkCount + v.pneumaticLinkCount + v.thermostatLinkCount, 0);
  EXPECT_EQ(v.pressureBalanced, 0);
  const ValveCandidate c;
  EXPECT_TRUE(c.electricActuators.empty() && c.pneumaticActuators.empty() && c.thermostats.empty());
}

TEST(CatalogueRecordsTest, CopyCarriesEverySlotNotOnlyTheFilledOnes) {
  auto v = std::make_unique<ValveRecord>();
  for (int i = 0; i < kListCapacity; ++i) v->electricLinks[i].name = QString::number(i);
  v->electricLinkCount = 3;
  const auto copy = std::make_unique<ValveRecord>(*v);
  EXPECT_EQ(copy->electricLinkCount, 3);
  EXPECT_EQ(copy->electricLinks[3].name, QStringLiteral("3"));
  EXPECT_EQ(copy->electricLinks[99].name, QStringLiteral("99"));
}

TEST(CatalogueRecordsTest, FullListIgnoresFurtherAppends) {
  Slots<float, 2> values{};
  int count = 0;
  EXPECT_TRUE(AppendBounded(values, count, 1.0f));
  EXPECT_TRUE(AppendBounded(values, count, 2.0f));
  EXPECT_FALSE(AppendBounded(values, count, 3.0f));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(values[1], 2.0f);
}

TEST(CatalogueRecordsTest, ContainerIsAllocatedFullAndIgnoresAppendsPastCapacity) {
  RecordContainer<CapillaryRecord> capillaries;
  EXPECT_EQ(capillaries.records.size(), static_cast<std::size_t>(kCatalogueCapacity));
  CapillaryRecord r;
  for (int i = 0; i < kCatalogueCapacity; ++i) {
    r.length = static_cast<float>(i);
    ASSERT_TRUE(capillaries.Append(r));
  }
  r.length = -1;
  EXPECT_FALSE(capillaries.Append(r));
  EXPECT_EQ(capillaries.count, kCatalogueCapacity);
  EXPECT_EQ(capillaries[kCatalogueCapacity - 1].length, 1023.0f);
}

TEST(CatalogueRecordsTest, ThermostatRangesOfOneNameAreDistinctEntries) {
  Catalogue catalogue;
  ThermostatRecord t;
  t.name = "T";
  t.temperatureMin = 20;
  t.temperatureMax = 50;
  catalogue.thermostats.Append(t);
  t.temperatureMin = 40;
  t.temperatureMax = 70;
  catalogue.thermostats.Append(t);
  EXPECT_EQ(catalogue.thermostats.count, 2);
  EXPECT_EQ(catalogue.thermostats[0].temperatureMax, 50);
  EXPECT_EQ(catalogue.thermostats[1].temperatureMax, 70);
}

}  // namespace
}  // namespace selvio
