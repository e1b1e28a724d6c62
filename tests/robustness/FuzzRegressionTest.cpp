// Every input under tests/fuzz_regressions/ once crashed, hung or blew up a
// reader. Each goes through the entry points of the fuzz targets: the
// project with every module, and the document that opens and saves it.
#include "DocumentTestSupport.h"
#include "FileAccess.h"
#include "KMVDocument.h"
#include "Project.h"
#include "TextBuffer.h"

namespace {

std::vector<std::filesystem::path> RegressionInputs()
{
  std::vector<std::filesystem::path> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(KMV_FUZZ_REGRESSIONS))
    if (entry.is_regular_file())
      inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

std::string ReadInput(const std::filesystem::path& path)
{
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class FuzzRegression : public TempFolderTest, public ::testing::WithParamInterface<std::filesystem::path> {};

TEST_P(FuzzRegression, ProjectLoadsRunsAndWrites)
{
  CTextBuffer text;
  text.Assign(ReadInput(GetParam()));
  CProject project;
  project.Load(text);
  for (int index = 1; index <= 12; ++index)
    project.RunModule(index);
  project.Refresh();
  EXPECT_FALSE(text.HasOverflowed());
}

TEST_P(FuzzRegression, DocumentOpensPlainAndScrambledAndSaves)
{
  std::string bytes = ReadInput(GetParam());
  WriteBytes("plain.txt", bytes);
  CKMVDocument plain;
  if (plain.OnOpenDocument(Path("plain.txt"), FileForm::Plain)) {
    EXPECT_TRUE(plain.SaveAs(Path("copy.txt"), FileForm::Plain));
  }
  Scramble(bytes.data(), bytes.size());
  WriteBytes("input.kmv", bytes);
  CKMVDocument scrambled;
  if (scrambled.OnOpenDocument(Path("input.kmv"))) {
    EXPECT_TRUE(scrambled.SaveAs(Path("copy.kmv")));
  }
}

// Test names from the file names, which may hold any character.
std::string InputName(const ::testing::TestParamInfo<std::filesystem::path>& input)
{
  std::string name = input.param.stem().string();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)))
      c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzRegression, ::testing::ValuesIn(RegressionInputs()), InputName);

} // namespace
