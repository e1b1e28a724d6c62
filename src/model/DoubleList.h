#pragma once

#include <initializer_list>

class CRecordCursor;
class CTextBuffer;

// Reads one number into each field in order ("%lf" each); false as soon as
// one is missing.
bool ReadDoubleList(CRecordCursor& line, std::initializer_list<double*> fields);
// Appends each number as a record field ("%.15e ").
void AppendDoubleList(CTextBuffer& out, std::initializer_list<double> values);
