#include <gtest/gtest.h>

#include "records/test_file_reader.h"
#include "records/test_file_writer.h"

namespace {

using records::DataLine;
using records::ReadTestFile;
using records::TestFileError;

const char* kHeaderLines =
    "\"Part #12  ,Set Pressure: 10.0 PSI,  Cal Leak: 10.6 SCCM,  Monday, December 08, 2003,  "
    "3:45:12 PM\"\r\n"
    "1059,392,490,1.6,10\r\n"
    "12,5,5,10,1.03,10,10\r\n"
    "10,10.6,490,10,20,1\r\n"
    "10,0,5,0,\"A1\"\r\n";

TEST(TestFileFormat, WhatIsWrittenReadsBackTheSame) {
  records::SavedTest saved;
  saved.header = "Part #7  ,Set Pressure: 5 PSI,  Cal Leak: 0.25 SCCM,  x,  y";
  saved.scale = {1775, -200, 233, 0.1, 2.5};
  saved.setUp = {7, 5, 10, 20, 0.4, 10, 5};
  saved.limits = {1.5, 0.25, 490, -3, 20, 0.1};
  saved.zeroTime = {10, 0.5, 5, 20};
  saved.testSeries = "B, 2";
  saved.data = {{0, 612, -4, "F"}, {769, -32768, -4, "R"}, {0, 0, -4, ""}};

  std::string text = records::FormatTestFile(saved);
  EXPECT_NE(text.find("1775,-200,233,0.1,2.5\r\n7,5,10,20,0.4,10,5\r\n"), std::string::npos);
  records::StoredTestFile read = ReadTestFile(text);
  EXPECT_EQ(read.values.Header, saved.header);
  EXPECT_EQ(read.scale.chartMax, 1775);
  EXPECT_EQ(read.scale.chartMin, -200);
  EXPECT_EQ(read.scale.flowZeroYaxisValue, 233);
  EXPECT_FLOAT_EQ(read.scale.secPerDiv, 0.1f);
  EXPECT_EQ(read.values.FullScaleFlow, "2.5");
  EXPECT_FLOAT_EQ(read.values.Version, 0.4f);
  EXPECT_FLOAT_EQ(read.values.FlowNegLimit, -3);
  EXPECT_FLOAT_EQ(read.values.TimeBase, 0.1f);
  EXPECT_FLOAT_EQ(read.values.ZeroTime, 20);
  EXPECT_EQ(read.values.TestSeries, "B, 2");
  EXPECT_EQ(read.data, saved.data);
}

TEST(TestFileFormat, ReadersTakeLfLinesExponentsBlanksAndHalvesToEven) {
  std::string text =
      "\"a, b\"\n"
      "1.0595e3,392.5,489.5,1.6E0,\"10\"\n"
      "12,5,5,10,1.03,10,10\n"
      "10,10.6,490,10,20,1\n"
      "10, 0 ,5,0,\"A1\"\n"
      "2.5,6.12e2,-1e1,F\n";
  records::StoredTestFile read = ReadTestFile(text);
  EXPECT_EQ(read.values.Header, "a, b");
  EXPECT_EQ(read.scale.chartMax, 1060);  // 1059.5 rounds to even
  EXPECT_EQ(read.scale.chartMin, 392);
  EXPECT_EQ(read.scale.flowZeroYaxisValue, 490);
  EXPECT_EQ(read.values.FullScaleFlow, "10");
  EXPECT_EQ(read.data, (std::vector<DataLine>{{2, 612, -10, "F"}}));
}

TEST(TestFileFormat, ADamagedFileSaysWhatIsWrong) {
  struct Case {
    std::string text;
    const char* says;
  };
  const std::string head = kHeaderLines;
  const Case cases[] = {
      {"", "fewer than five header lines"},
      {"\"x\"\r\n1,2,3,4,5\r\n", "fewer than five header lines"},
      {head, "no data line"},
      {head + "0,abc,0,\"F\"\r\n", "line 6, field 2: \"abc\" is not a number"},
      {head + "0,612,0,\"F\"\r\n0,70000,0,\"S\"\r\n",
       "line 7, field 2: \"70000\" is outside the 16-bit range"},
      {head + "0,612\r\n", "line 6 has 2 fields where 4 belong"},
      {"\"x\"\r\n40000,392,490,1.6,10\r\n12,5,5,10,1.03,10,10\r\n10,10.6,490,10,20,1\r\n10,0,5,0,"
       "\"A1\"\r\n0,0,0,\"\"\r\n",
       "line 2, field 1: \"40000\" is outside the 16-bit range"},
      {"\"x\"\r\n1059,392,490,1.6,ten\r\n12,5,5,10,1.03,10,10\r\n10,10.6,490,10,20,1\r\n10,0,5,0,"
       "\"A1\"\r\n0,0,0,\"\"\r\n",
       "line 2, field 5: \"ten\" is not a number"},
  };
  for (const Case& c : cases) {
    try {
      ReadTestFile(c.text);
      ADD_FAILURE() << "read without complaint: " << c.says;
    } catch (const TestFileError& error) {
      EXPECT_EQ(std::string(error.what()).find(c.says) == std::string::npos ? error.what() : c.says,
                std::string(c.says));
    }
  }
}

}  // namespace
