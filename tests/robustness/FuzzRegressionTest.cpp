// Every input under tests/fuzz_regressions/ once crashed, hung or blew up a
// reader. Each goes through the entry points of the fuzz targets: the
// project with every module, and the document that opens and saves it,
// within a memory budget and with a known outcome.
#include "DocumentTestSupport.h"
#include "FileAccess.h"
#include "KMVDocument.h"
#include "Project.h"
#include "TextBuffer.h"

#include <fstream>
#include <map>
#include <sys/resource.h>

namespace {

// What an input gives: the entries read before the reader stopped and the
// line of its format error (0 for none). Every input needs one.
struct Outcome {
  size_t entries;
  int errorLine;
};
const std::map<std::string, Outcome> kOutcomes = {
    {"lattice-bomb", {4, 6}}, // the fifth lattice passes the point bound
};

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

// Address space the process may take beyond what it holds when a test
// starts: a broken bound then fails with bad_alloc instead of swapping.
constexpr rlim_t kMemoryBudget = rlim_t{512} << 20;

class FuzzRegression : public TempFolderTest, public ::testing::WithParamInterface<std::filesystem::path> {
protected:
  void SetUp() override
  {
    TempFolderTest::SetUp();
    auto found = kOutcomes.find(GetParam().stem().string());
    ASSERT_NE(found, kOutcomes.end()) << "no outcome for " << GetParam();
    m_outcome = found->second;
    ASSERT_EQ(::getrlimit(RLIMIT_AS, &m_oldLimit), 0);
#ifndef __SANITIZE_ADDRESS__
    // The address sanitizer reserves terabytes of shadow memory up front.
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    ASSERT_TRUE(statm >> pages);
    rlimit budget{pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + kMemoryBudget, m_oldLimit.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &budget), 0);
#endif
  }
  void TearDown() override
  {
    ::setrlimit(RLIMIT_AS, &m_oldLimit);
    TempFolderTest::TearDown();
  }

  Outcome m_outcome{};
  rlimit m_oldLimit{};
};

TEST_P(FuzzRegression, ProjectLoadsRunsAndWrites)
{
  CTextBuffer text;
  text.Assign(ReadInput(GetParam()));
  CProject project;
  EXPECT_EQ(project.Load(text).nErrorLine, m_outcome.errorLine);
  EXPECT_EQ(project.GetRoot().Children().size(), m_outcome.entries);
  for (int index = 1; index <= 12; ++index)
    project.RunModule(index);
  project.Refresh();
  EXPECT_FALSE(text.HasOverflowed());
  EXPECT_EQ(project.GetRoot().Children().size(), m_outcome.entries);
}

// A format error still opens; a document without entries is refused.
TEST_P(FuzzRegression, DocumentOpensPlainAndScrambledAndSaves)
{
  std::string bytes = ReadInput(GetParam());
  const bool opens = m_outcome.entries > 0;
  WriteBytes("plain.txt", bytes);
  CKMVDocument plain;
  ASSERT_EQ(plain.OnOpenDocument(Path("plain.txt"), FileForm::Plain), opens);
  Scramble(bytes.data(), bytes.size());
  WriteBytes("input.kmv", bytes);
  CKMVDocument scrambled;
  ASSERT_EQ(scrambled.OnOpenDocument(Path("input.kmv")), opens);
  if (opens) {
    EXPECT_EQ(plain.GetFormatErrorLine(), m_outcome.errorLine);
    EXPECT_TRUE(plain.SaveAs(Path("copy.txt"), FileForm::Plain));
    EXPECT_TRUE(scrambled.SaveAs(Path("copy.kmv")));
    EXPECT_EQ(scrambled.GetText().View(), plain.GetText().View());
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
