#include "MapFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdlib>
#include <filesystem>

namespace {

constexpr const char* kFontFileName = "DejaVuSans.ttf";
// Where distributions put it (Debian, Fedora, Arch, openSUSE); the font
// folders are searched when none of these holds it.
constexpr const char* kKnownPlaces[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "/usr/share/fonts/dejavu-sans-fonts/DejaVuSans.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans.ttf",          "/usr/share/fonts/TTF/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/DejaVuSans.ttf",
};
constexpr const char* kFontFolders[] = {"/usr/share/fonts", "/usr/local/share/fonts"};

std::string SearchFolder(const std::filesystem::path& folder)
{
  std::error_code failed;
  auto options = std::filesystem::directory_options::skip_permission_denied;
  for (std::filesystem::recursive_directory_iterator it(folder, options, failed), end; !failed && it != end;
       it.increment(failed))
    if (it->path().filename() == kFontFileName && it->is_regular_file(failed))
      return it->path().string();
  return {};
}

// FreeType's 26.6 fixed point to whole pixels.
int Pixels(long value)
{
  return static_cast<int>(value >> 6);
}

} // namespace

std::string FindMapFontFile()
{
  if (const char* chosen = std::getenv("KMV_MAP_FONT"))
    return chosen;
  std::error_code failed;
  for (const char* place : kKnownPlaces)
    if (std::filesystem::is_regular_file(place, failed))
      return place;
  for (const char* folder : kFontFolders)
    if (std::string found = SearchFolder(folder); !found.empty())
      return found;
  return {};
}

struct CMapFont::CFace {
  FT_Library library = nullptr;
  FT_Face face = nullptr;

  ~CFace()
  {
    if (face)
      FT_Done_Face(face);
    if (library)
      FT_Done_FreeType(library);
  }
};

CMapFont::CMapFont(std::unique_ptr<CFace> face) : m_face(std::move(face)) {}

CMapFont::~CMapFont() = default;

std::unique_ptr<CMapFont> CMapFont::Open(int pixelHeight, std::string& error)
{
  std::string file = FindMapFontFile();
  auto face = std::make_unique<CFace>();
  if (file.empty() || FT_Init_FreeType(&face->library) != 0 ||
      FT_New_Face(face->library, file.c_str(), 0, &face->face) != 0 ||
      FT_Set_Pixel_Sizes(face->face, 0, static_cast<FT_UInt>(pixelHeight)) != 0) {
    error =
        "Die Schrift der Karte (" + std::string(file.empty() ? kFontFileName : file) + ") fehlt oder ist nicht lesbar.";
    return nullptr;
  }
  return std::unique_ptr<CMapFont>(new CMapFont(std::move(face)));
}

int CMapFont::Width(std::string_view text) const
{
  int width = 0;
  for (char c : text)
    if (FT_Load_Char(m_face->face, static_cast<unsigned char>(c), FT_LOAD_DEFAULT) == 0)
      width += Pixels(m_face->face->glyph->advance.x);
  return width;
}

int CMapFont::Ascent() const
{
  return Pixels(m_face->face->size->metrics.ascender);
}

int CMapFont::LineHeight() const
{
  return Pixels(m_face->face->size->metrics.height);
}

void CMapFont::Draw(std::string_view text, int x, int y,
                    const std::function<void(int x, int y, int coverage)>& ink) const
{
  int baseline = y + Ascent();
  for (char c : text) {
    if (FT_Load_Char(m_face->face, static_cast<unsigned char>(c), FT_LOAD_RENDER) != 0)
      continue;
    const FT_GlyphSlot glyph = m_face->face->glyph;
    const FT_Bitmap& bitmap = glyph->bitmap;
    for (unsigned row = 0; row < bitmap.rows; ++row)
      for (unsigned col = 0; col < bitmap.width; ++col)
        if (int coverage = bitmap.buffer[static_cast<long>(row) * bitmap.pitch + col]; coverage > 0)
          ink(x + glyph->bitmap_left + static_cast<int>(col), baseline - glyph->bitmap_top + static_cast<int>(row),
              coverage);
    x += Pixels(glyph->advance.x);
  }
}
