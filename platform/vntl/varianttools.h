// Reading table cells. A cell of a catalogue holds a text, a number or nothing; callers want
// one of the two forms whatever the cell holds.
#pragma once

#include <string>

#include "win/cstring.h"
#include "win/variant.h"

// Text as a person would read it: numbers in their shortest exact form with "." as the
// decimal point, booleans as "1"/"0", an empty cell as an empty text.
CString VariantToString(const VARIANT& value);
// Numbers as they are; a text is read as a number up to the first character that is not part
// of one (0.0 if none); an empty cell is 0.0.
double VariantToDouble(const VARIANT& value);
// The characters of a text as a standard string, embedded null characters included: the form
// in which the layers below keep names and cells.
std::wstring StdText(const CString& text);
