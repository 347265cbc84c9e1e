#pragma once

// The decimal value at the start of a text: leading white space skipped, an optional
// sign, then digits up to the first other character; no digits give 0. A value beyond
// the 32-bit range stops at the nearer limit.
int DecimalValue(const char* text);
