#pragma once

// Hint bit of a view update: the entry tree is unchanged, so the tree view
// keeps its items.
constexpr int kHintTreeUnchanged = 1;

// The windows of a document as the document reaches them. The program
// implements it with its frames and views, tests with a recorder.
class CDocumentViews {
public:
  virtual ~CDocumentViews() = default;
  virtual void UpdateAllViews(int hint) = 0;
  // Numbers the document's frames from 1 on, each frame once however many
  // views it holds, and returns how many there are.
  virtual int NumberFrames() = 0;
};
