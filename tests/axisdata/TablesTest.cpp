#include <gtest/gtest.h>

#include <set>

#include "axisdata/Tables.h"

using namespace axisdata;

namespace {

class ActuatorTables : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitActuatorTables(); }
};

struct Row {
  int code;
  int thrust;
  const char* stroke;
  const char* lead;
  int maxSpeed;
  int maxAcc;
};

TEST_F(ActuatorTables, WorkedExamples) {
  const Row rows[] = {
      {0x5C, 65, "300", "6", 4500, 1000},     {0xCF, 100, "1000", "8", 2500, 750},
      {0xDF, 100, "1250", "8", 2500, 750},    {0x69, 100, "1000", "20", 4500, 1000},
      {0x00, 100, "1000", "0", 4500, 1000},   {0x0A, 100, "50", "2", 4500, 1000},
      {0xFB, 100, "1750", "3", 2500, 1000},   {0x3E, 100, "200", "8", 2500, 750},
      {0x60, 100, "1000", "2.5", 4500, 1000}, {0x9D, 100, "700", "6", 4500, 1000},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.code);
    EXPECT_EQ(GetThrust(r.code), r.thrust);
    EXPECT_EQ(GetStroke(r.code), r.stroke);
    EXPECT_EQ(GetLead(r.code), r.lead);
    EXPECT_EQ(GetMaxSpeed(r.code), r.maxSpeed);
    EXPECT_EQ(GetMaxAcc(r.code), r.maxAcc);
  }
}

TEST_F(ActuatorTables, LeadBlockKeepsItsTextsExactly) {
  const std::pair<int, const char*> leads[] = {
      {0x01, "360"},    {0x02, "360"},    {0x09, "5"},      {0x12, "0.4"},    {0x22, "2.032"},
      {0x34, "0.2032"}, {0x46, "0.3142"}, {0x54, "0.3146"}, {0x51, "1.8850"}, {0x59, "20"},
  };
  for (const auto& [code, lead] : leads) EXPECT_EQ(GetLead(code), lead) << code;
}

TEST_F(ActuatorTables, ModelNameFollowsTheCatalogueStructure) {
  EXPECT_NE(ModelName(0x5C, 128), ModelName(0x5C, 0));
  EXPECT_EQ(ModelName(0x5C, 0), ModelName(0x5C, 1));
  EXPECT_EQ(ModelName(0x4C, 128), ModelName(0x4C, 0));
  EXPECT_NE(ModelName(0xCF, 0), "User Defined");
  EXPECT_EQ(ModelName(0xDF, 0), "User Defined");
  EXPECT_EQ(ModelName(0x6B, 0), "User Defined");
  EXPECT_EQ(ModelName(0x4F, 0), "User Defined");
  EXPECT_EQ(ModelName(0x0A, 0), "User Defined");
  EXPECT_EQ(ModelName(0x0D, 0), "User Defined");
  EXPECT_EQ(ModelName(0x69, 0), "User Defined");

  const std::string servo = ModelName(0x00, 0);
  EXPECT_NE(servo, "User Defined");
  EXPECT_EQ(ModelName(0x00, 128), servo);

  // Exactly 26 catalogue codes, each with a name of its own.
  std::set<std::string> names;
  int catalogue = 0;
  for (int code = 1; code < kActuatorCodes; ++code) {
    if (ModelName(code, 0) == "User Defined") continue;
    ++catalogue;
    names.insert(ModelName(code, 0));
  }
  EXPECT_EQ(catalogue, 26);
  EXPECT_EQ(names.size(), 26u);
  EXPECT_EQ(names.count(servo), 0u);
}

TEST_F(ActuatorTables, CodeOutsideTheTablesAnswersAsCodeZero) {
  for (const int code : {-1, 256, 0x15C, 32767, -32768}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(GetThrust(code), GetThrust(0));
    EXPECT_EQ(GetStroke(code), GetStroke(0));
    EXPECT_EQ(GetLead(code), "0");
    EXPECT_EQ(GetMaxSpeed(code), GetMaxSpeed(0));
    EXPECT_EQ(GetMaxAcc(code), GetMaxAcc(0));
    EXPECT_EQ(ModelName(code, 128), "User Defined");
  }
}

}  // namespace
