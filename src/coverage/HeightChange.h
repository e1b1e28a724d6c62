#pragma once

#include <optional>
#include <string>

class CKMVDocument;
class CProject;

// None when the detection height may be used with the last CAD1 run of
// every sensor of the project (IsDetectionHeightAllowed with the lowest of
// their limits), else the German message (Windows-1252).
std::optional<std::string> DetectionHeightFault(CProject& project, double height);

// Sets the document's detection height as one step "Erfassungshöhe" and
// updates the views; refused with the fault, the document as it was.
std::optional<std::string> ChangeDetectionHeight(CKMVDocument& document, double height);
