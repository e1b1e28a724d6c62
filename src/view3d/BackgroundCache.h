#pragma once

#include "GLFramebuffer.h"

#include <string>
#include <vector>

// Everything the picture of a scene's background depends on: what the
// background draws (its source's text) and how it is seen (the camera's
// matrices and numbers, the size and the clear colour). Equal keys mean
// equal pictures.
struct CBackgroundKey {
  std::string scene;
  std::vector<double> view;
  friend bool operator==(const CBackgroundKey&, const CBackgroundKey&) = default;
};

// The picture of the background alone, colour and depth, in a second
// framebuffer of the picture's size, so that a repaint whose background is
// the same restores it instead of drawing it. Its names belong to the
// current context; every call needs that context current, with the
// picture's framebuffer bound.
class CBackgroundCache {
public:
  // Copies the kept picture into the bound framebuffer when it was made
  // with an equal key and has the bound one's size; false otherwise, with
  // nothing copied.
  bool Restore(const CBackgroundKey& key, int width, int height) const;
  // Keeps the bound framebuffer's picture with the key; on any failure
  // nothing is kept.
  void Store(const CBackgroundKey& key, int width, int height);
  // Forgets the picture, so that the next one is drawn whole.
  void Drop() { m_bValid = false; }

private:
  CGLFramebuffer m_buffer;
  CBackgroundKey m_key;
  bool m_bValid = false;
};
