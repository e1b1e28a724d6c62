#pragma once

struct CVector;

// GL state changes that the entries' Draw operations share. They need a
// current GL context (or a display list being compiled).

// Saves the modelview matrix, then moves to the frame: translation, then
// rotation about z, y and x, so that a drawn point turns about x first.
void PushPlacement(const CVector& position, const CVector& rotationDeg);
// Saves the modelview matrix, then moves to the position without turning.
void PushTranslation(const CVector& position);
// Restores the matrix saved by PushPlacement or PushTranslation.
void PopPlacement();

// glLineWidth for a positive width (cut to kMaxLineWidth). GL refuses 0 and
// keeps the current width; leaving the call out has the same effect without
// raising a GL error.
void SetEntryLineWidth(double width);
