#pragma once

#include "RenderedImage.h"

#include <string>
#include <utility>

// Writes every picture it gets as a PNG file at one path; a later picture
// replaces an earlier one.
class CPngFileDestination : public CImageDestination {
public:
  explicit CPngFileDestination(std::string path) : m_path(std::move(path)) {}

  // False when the image is inconsistent or the file cannot be written; a
  // partly written file is removed.
  bool PutImage(const CRenderedImage& image) override;

private:
  std::string m_path;
};
