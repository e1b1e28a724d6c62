#pragma once

// The toolkit takes the desktop's locale when the application object is
// made; project texts must always read and write numbers with a decimal
// point. Call after the application object exists: numbers and everything
// else as "C", only dates and times German.
void SetProgramLocale();
