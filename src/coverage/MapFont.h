#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

// The text of the map's legend and scale: DejaVu Sans rendered by FreeType.
class CMapFont {
public:
  // The font at the pixel height; none, with the German reason (Windows-1252)
  // in error, when its file is missing or FreeType cannot read it.
  static std::unique_ptr<CMapFont> Open(int pixelHeight, std::string& error);
  ~CMapFont();
  CMapFont(const CMapFont&) = delete;
  CMapFont& operator=(const CMapFont&) = delete;

  // Pixels the text advances; its characters are Windows-1252.
  int Width(std::string_view text) const;
  // Pixels from the top of a line to its baseline, and of the whole line.
  int Ascent() const;
  int LineHeight() const;
  // Calls ink(x, y, coverage 1 to 255) for each pixel the text covers, the
  // line's top left corner at (x, y).
  void Draw(std::string_view text, int x, int y, const std::function<void(int x, int y, int coverage)>& ink) const;

private:
  struct CFace;
  explicit CMapFont(std::unique_ptr<CFace> face);
  std::unique_ptr<CFace> m_face;
};

// The DejaVu Sans file: $KMV_MAP_FONT when set, else the first
// "DejaVuSans.ttf" in the usual font folders; empty when there is none.
std::string FindMapFontFile();
