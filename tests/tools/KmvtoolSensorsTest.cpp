#include "KmvtoolProcess.h"

#include <filesystem>
#include <sstream>
#include <vector>

namespace {

class KmvtoolSensorsTest : public KmvtoolTest {
protected:
  // A room of Pilot B1 with Pilot A1 on the ceiling and a second Pilot B1 on
  // the opposite wall.
  void MakeThreeSensors()
  {
    ASSERT_EQ(Kmvtool("room 'Pilot B1' " + Quote(Path("one.txt")) + " --width 6 --depth 8 --height 3").exitStatus, 0);
    ASSERT_EQ(Kmvtool("add-sensor " + Quote(Path("one.txt")) + " 'Pilot A1' " + Quote(Path("two.txt")) +
                      " --variant ceiling --at 4,1")
                  .exitStatus,
              0);
    ASSERT_EQ(Kmvtool("add-sensor " + Quote(Path("two.txt")) + " 'Pilot B1' " + Quote(Path("three.kmv")) +
                      " --wall 2 --offset 2")
                  .exitStatus,
              0);
  }

  std::string Output(const std::string& arguments) { return Kmvtool(arguments).output; }
};

// The three status lines at the start of the output.
std::string StatusTexts(const std::string& output)
{
  size_t end = 0;
  for (int line = 0; line < 3 && end != std::string::npos; ++line)
    end = output.find('\n', end) + 1;
  return output.substr(0, end);
}

// The text without the group of sensor N.
std::string WithoutSensorGroup(const std::string& text, int sensor)
{
  const std::string head = "begin-group Sensor_" + std::to_string(sensor) + " ";
  const size_t start = text.find(head);
  const size_t end = text.find("\nend-group\nend-sim-data", start);
  return start == std::string::npos ? text : text.substr(0, start) + text.substr(end + 11);
}

TEST_F(KmvtoolSensorsTest, ThreeSensorsSaveAndReopenAsTheyWereAndCoverTheUnion)
{
  MakeThreeSensors();
  const std::string three = Output("text " + Quote(Path("three.kmv")));
  EXPECT_NE(three.find("begin-group Sensor_3 Pilot_B1 Pilot_B1 "), std::string::npos);
  ASSERT_EQ(Kmvtool("save " + Quote(Path("three.kmv")) + " " + Quote(Path("again.txt"))).exitStatus, 0);
  EXPECT_EQ(Read("again.txt"), three);
  // Sensor 1 and the room stay as the room command wrote them.
  EXPECT_EQ(WithoutSensorGroup(WithoutSensorGroup(three, 3), 2), Read("one.txt"));

  // Sensor 3 stands at the model's default setting, sensor 2 on the ceiling.
  EXPECT_EQ(StatusTexts(Output("sensor " + Quote(Path("three.kmv")) + " --sensor 3")),
            StatusTexts(Output("sensor " + Quote(Path("one.txt")))));
  EXPECT_EQ(StatusTexts(Output("sensor " + Quote(Path("three.kmv")) + " --sensor 2 mh-")).substr(0, 13),
            " MH:  2.90 m\n");
  EXPECT_EQ(Output("sensor " + Quote(Path("three.kmv"))), Output("sensor " + Quote(Path("one.txt"))));

  // Coverage counts the union and the sensors over one point (the union's own
  // figures are the coverage tests').
  auto floorLine = [this](const std::string& source) {
    std::istringstream lines(Output("coverage " + Quote(Path(source))));
    std::string line;
    while (std::getline(lines, line) && line.rfind("Pilot_B1.Raum.Wandmontage.Boden ", 0) != 0) {
    }
    std::istringstream fields(line.substr(line.find(' ') + 1));
    double area = 0.0, watched = 0.0, percent = 0.0;
    int overlap = 0;
    fields >> area >> watched >> percent >> overlap;
    return std::make_pair(watched, overlap);
  };
  const auto [watchedByOne, oneOverlap] = floorLine("one.txt");
  const auto [watchedByThree, threeOverlap] = floorLine("three.kmv");
  EXPECT_LT(watchedByOne, watchedByThree);
  EXPECT_TRUE(threeOverlap >= 1 && threeOverlap <= 3);
}

TEST_F(KmvtoolSensorsTest, OptimizingOneSensorNeverLowersTheUnion)
{
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the search of every setting takes minutes under the address sanitizer; the release tree runs this";
#endif
  MakeThreeSensors();
  const std::string floor = "Pilot_B1.Raum.Wandmontage.Boden ";
  const std::string coverage = Output("coverage " + Quote(Path("two.txt")));
  const size_t at = coverage.find(floor) + floor.size();
  const double start = std::stod(coverage.substr(coverage.find(' ', at) + 1));
  const std::string optimized = Output("optimize " + Quote(Path("two.txt")) + " --sensor 2");
  const size_t watched = optimized.find("WATCHED ");
  ASSERT_NE(watched, std::string::npos) << optimized;
  EXPECT_GE(std::stod(optimized.substr(watched + 8)), start);
}

// Two sensors: a page per sensor after the printed page, then the count map
// and the union's tables; --sensor 2 heads the printed page with sensor 2.
TEST_F(KmvtoolSensorsTest, ReportHasAPagePerSensorAndTheCountMap)
{
  MakeThreeSensors();
  ASSERT_EQ(Kmvtool("report " + Quote(Path("two.txt")) + " " + Quote(Path("r.pdf")) + " --size 320x240").exitStatus, 0);
  const int pages = PdfPageCount(Quote(Path("r.pdf")));
  ASSERT_NE(pages, -1) << "pdfinfo (poppler-utils) is needed";
  EXPECT_GE(pages, 5);
  const std::string text = RunShell("pdftotext " + Quote(Path("r.pdf")) + " -").output;
  size_t at = 0;
  for (const char* heading : {"Sensor 1\nMontageart: Wand\n", "Sensor 2\nMontageart: Decke\n",
                              "Anzahl der Sensoren je Punkt der Bodenfl\xC3\xA4",
                              "Abdeckung der Zielfl\xC3\xA4"
                              "chen durch alle Sensoren (sichtbare Teile)\n",
                              "\nSensor 2: "}) {
    at = text.find(heading, at);
    ASSERT_NE(at, std::string::npos) << heading << "\n" << text;
  }
  EXPECT_EQ(text.find("\xC3\x9C"
                      "berdeckung der Bodenfl\xC3\xA4"
                      "chen"),
            std::string::npos);
  ASSERT_EQ(Kmvtool("report " + Quote(Path("two.txt")) + " " + Quote(Path("s.pdf")) + " --size 320x240 --sensor 2 mh-")
                .exitStatus,
            0);
  EXPECT_NE(RunShell("pdftotext -l 1 " + Quote(Path("s.pdf")) + " -").output.find("Montageh\xC3\xB6he: 2.90 m"),
            std::string::npos);
}

TEST_F(KmvtoolSensorsTest, RefusalsLeaveOutUntouched)
{
  MakeThreeSensors();
  ASSERT_EQ(Kmvtool("save '*Pilot B1' " + Quote(Path("model.txt"))).exitStatus, 0);
  const std::string one = "add-sensor " + Quote(Path("one.txt")) + " 'Pilot B1' " + Quote(Path("out.txt"));
  const std::string three = " " + Quote(Path("three.kmv"));
  const std::pair<std::vector<std::string>, int> cases[] = {
      {{"add-sensor " + Quote(Path("model.txt")) + " 'Pilot B1' " + Quote(Path("out.txt")),
        "add-sensor " + Quote(Path("one.txt")) + " 'Pilot Z9' " + Quote(Path("out.txt"))},
       1},
      {{one + " --wall 9", one + " --variant floor", one + " --at 20,20 --variant ceiling",
        "add-sensor " + Quote(Path("one.txt")) + " 'Pilot B1'", "sensor" + three + " --sensor 4",
        "sensor" + three + " --sensor 0", "coverage " + Quote(Path("one.txt")) + " --sensor 2",
        "render" + three + " " + Quote(Path("out.txt")) + " --sensor 4", "optimize" + three + " --all --sensor 2"},
       2},
  };
  for (const auto& [calls, status] : cases)
    for (const std::string& arguments : calls) {
      CCommandResult result = Kmvtool(arguments, true);
      EXPECT_EQ(result.exitStatus, status) << arguments << "\n" << result.output;
      EXPECT_FALSE(std::filesystem::exists(Path("out.txt"))) << arguments;
    }
}

} // namespace
