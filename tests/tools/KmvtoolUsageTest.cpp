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
  const std::string p = at("p.txt"), size = "render '*Pilot B1' " + at("o.png") + " --size ",
                    height = "coverage '*Pilot B1' --at-height ";
  struct Group {
    std::vector<std::string> calls;
    int status;
    bool oneLine = false;
  };
  const Group groups[] = {
      {{"run", "run P", "run P MH4", "run P mh1", "run P --save", "run P MH1 --save", "sensor", "save P",
        "run " + p + " --save " + at("a") + " --save " + at("b") + " MH1", "sensor P up", "sensor P MH+",
        "sensor P --csv", "sensor P --csv a --csv b", "save P a b", "models x", "render '*Pilot B1'"},
       2},
      {{"print '*Pilot B1'", "print '*Pilot B1' " + at("x.pdf") + " up", "report '*Pilot B1'",
        "report '*Pilot B1' " + at("x.pdf") + " up"},
       2},
      {{"coverage", "coverage '*Pilot A1' up", "coverage '*Pilot A1' --cell 0", "coverage '*Pilot A1' --map",
        "coverage '*Pilot A1' --cell -1", "coverage '*Pilot A1' --cell nan", "coverage '*Pilot A1' --cell",
        "coverage '*Pilot A1' --no-shadows --no-shadows", "coverage '*Pilot B1' --at-height",
        "coverage '*Pilot B1' --at-height 1 --at-height 1"},
       2},
      {{"optimize", "optimize " + p + " mh+", "optimize " + p + " --surface", "optimize " + p + " --save",
        "optimize " + p + " --save " + at("a.txt") + " --save " + at("b.txt"),
        "optimize " + p + " --surface P.V0.Side"},
       2},
      // Sizes of no pixels, too many or of another form.
      {{size + "0x10", size + "10", size + "10x", size + "99999x10", size + "10x10x"}, 2},
      // 0.001 m cells would put far more than 4096 along the floor.
      {{"coverage '*Pilot A1' --cell 0.001 --map " + at("m.png")}, 2},
      // A height that is no finite number of at least 0, or not below the limits.
      {{height + "-0.5", height + "nan", height + "inf", height + "1m", height + "40"}, 2, true},
      {{"save " + at("missing.txt") + " " + at("out.kmv"), "save " + at("bad.txt") + " " + at("bad.txt"),
        "run " + at("fehlt.txt") + " MH1", "run " + p + " --save " + at("kein/ordner.txt") + " MH1",
        "sensor '*Pilot X9'", "sensor " + p + " --csv " + at("kein/f.csv"),
        "render " + at("none.txt") + " " + at("x.png"), "render '*Pilot B1' " + at("no/dir.png"),
        "print " + at("missing.kmv") + " " + at("old.pdf"), "print '*Pilot B1' " + at("no/such/dir.pdf"),
        "report " + at("missing.kmv") + " " + at("old.pdf"), "optimize " + at("missing.txt")},
       1},
      {{"room 'Pilot Z9' " + at("old.pdf") + " --width 6.4 --depth 8.2 --height 2.75"}, 1, true},
  };
  const std::map<std::string, std::string> before = Folder();
  for (const Group& group : groups)
    for (const std::string& arguments : group.calls) {
      CCommandResult result = Kmvtool(arguments, true);
      EXPECT_EQ(result.exitStatus, group.status) << arguments << "\n" << result.output;
      EXPECT_FALSE(result.output.empty()) << arguments;
      EXPECT_TRUE(!group.oneLine || Lines(result.output).size() == 1) << arguments << "\n" << result.output;
      EXPECT_EQ(Folder(), before) << arguments;
    }
}

} // namespace
