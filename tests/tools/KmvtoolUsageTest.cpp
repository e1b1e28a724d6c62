#include "KmvtoolOutput.h"
#include "KmvtoolProcess.h"

#include <map>

namespace {

class KmvtoolUsage : public KmvtoolTest {
protected:
  // Every file of the folder with its bytes.
  std::map<std::string, std::string> Folder() const
  {
    std::map<std::string, std::string> files;
    for (const std::string& name : FolderNames())
      if (std::filesystem::is_regular_file(Path(name)))
        files[name] = Read(name);
    return files;
  }
};

// Wrong arguments exit with 2; sources that cannot be read and outputs that
// cannot be written exit with 1, after a message. Either way no file is
// written or changed. Rows that name one line print just that one.
TEST_F(KmvtoolUsage, EveryCommandThatCannotBeDoneExitsWithItsStatusAndWritesNothing)
{
  const std::string project = "begin-sim-data P  _ 1 1 0 \n"
                              "begin-system S P _ 1 1 0 0 0 2.5 0 0 0 \nend-system\n"
                              "doublelink H P _ 1 1 2.5 2 4 P.S.@3 \nend-sim-data\n";
  Write("p.txt", project);
  std::string bad = project;
  Write("bad.txt", bad.insert(bad.find("begin-system"), std::string("\0 x\n", 4)));
  Write("old.pdf", "old");
  auto at = [this](const std::string& name) { return Quote(Path(name)); };
  const std::string p = at("p.txt");
  struct Case {
    std::string arguments;
    int status;
    bool oneLine = false;
  };
  const Case cases[] = {
      {"run", 2},
      {"run P", 2},
      {"run P MH4", 2},
      {"run P mh1", 2},
      {"run P --save", 2},
      {"run P MH1 --save", 2},
      {"run " + p + " --save " + at("a") + " --save " + at("b") + " MH1", 2},
      {"sensor", 2},
      {"sensor P up", 2},
      {"sensor P MH+", 2},
      {"sensor P --csv", 2},
      {"sensor P --csv a --csv b", 2},
      {"save P", 2},
      {"save P a b", 2},
      {"models x", 2},
      {"render '*Pilot B1'", 2},
      {"render '*Pilot B1' " + at("o.png") + " --size 0x10", 2},
      {"render '*Pilot B1' " + at("o.png") + " --size 10", 2},
      {"render '*Pilot B1' " + at("o.png") + " --size 10x", 2},
      {"render '*Pilot B1' " + at("o.png") + " --size 99999x10", 2},
      {"render '*Pilot B1' " + at("o.png") + " --size 10x10x", 2},
      {"print '*Pilot B1'", 2},
      {"print '*Pilot B1' " + at("x.pdf") + " up", 2},
      {"print '*Pilot B1' " + at("x.pdf") + " --size 0x10", 2},
      {"report '*Pilot B1'", 2},
      {"report '*Pilot B1' " + at("x.pdf") + " up", 2},
      {"coverage", 2},
      {"coverage '*Pilot A1' up", 2},
      {"coverage '*Pilot A1' --cell 0", 2},
      {"coverage '*Pilot A1' --cell -1", 2},
      {"coverage '*Pilot A1' --cell nan", 2},
      {"coverage '*Pilot A1' --cell", 2},
      {"coverage '*Pilot A1' --map", 2},
      {"coverage '*Pilot A1' --no-shadows --no-shadows", 2},
      // 0.001 m cells would put far more than 4096 along the floor.
      {"coverage '*Pilot A1' --cell 0.001 --map " + at("m.png"), 2},
      // A height that is no finite number of at least 0, or not below the limits.
      {"coverage '*Pilot B1' --at-height -0.5", 2, true},
      {"coverage '*Pilot B1' --at-height nan", 2, true},
      {"coverage '*Pilot B1' --at-height inf", 2, true},
      {"coverage '*Pilot B1' --at-height 1m", 2, true},
      {"coverage '*Pilot B1' --at-height 40", 2, true},
      {"coverage '*Pilot B1' --at-height", 2},
      {"coverage '*Pilot B1' --at-height 1 --at-height 1", 2},
      {"optimize", 2},
      {"optimize " + p + " mh+", 2},
      {"optimize " + p + " --surface", 2},
      {"optimize " + p + " --save", 2},
      {"optimize " + p + " --save " + at("a.txt") + " --save " + at("b.txt"), 2},
      {"optimize " + p + " --surface P.V0.Side", 2},
      {"save " + at("missing.txt") + " " + at("out.kmv"), 1},
      {"save " + at("bad.txt") + " " + at("bad.txt"), 1},
      {"run " + at("fehlt.txt") + " MH1", 1},
      {"run " + p + " --save " + at("kein/ordner.txt") + " MH1", 1},
      {"sensor '*Pilot X9'", 1},
      {"sensor " + p + " --csv " + at("kein/f.csv"), 1},
      {"render " + at("none.txt") + " " + at("x.png"), 1},
      {"render '*Pilot B1' " + at("no/dir.png"), 1},
      {"print " + at("missing.kmv") + " " + at("old.pdf"), 1},
      {"print '*Pilot B1' " + at("no/such/dir.pdf"), 1},
      {"report " + at("missing.kmv") + " " + at("old.pdf"), 1},
      {"room 'Pilot Z9' " + at("old.pdf") + " --width 6.4 --depth 8.2 --height 2.75", 1, true},
      {"optimize " + at("missing.txt"), 1},
  };
  const std::map<std::string, std::string> before = Folder();
  for (const Case& c : cases) {
    CCommandResult result = Kmvtool(c.arguments, true);
    EXPECT_EQ(result.exitStatus, c.status) << c.arguments << "\n" << result.output;
    EXPECT_FALSE(result.output.empty()) << c.arguments;
    EXPECT_TRUE(!c.oneLine || Lines(result.output).size() == 1) << c.arguments << "\n" << result.output;
    EXPECT_EQ(Folder(), before) << c.arguments;
  }
}

} // namespace
