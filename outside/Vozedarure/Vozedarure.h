// The GB <-> Big5 converter library "Vozedarure". Each conversion takes a
// NUL-terminated text in the source code page (GB: 936, Big5: 950) and
// returns a new NUL-terminated text in the target code page, allocated with
// malloc: the caller owns it and frees it with free(). A null input gives
// null. Simplified and Traditional characters are mapped phrase by phrase
// (so "条件方案" in GB becomes "條件方案" in Big5), not only re-encoded.
#pragma once

extern "C" {
char* GBtoBIG5(const char* gbText);
char* BIG5toGB(const char* big5Text);
// Looked up by the module with the two above; kept for the contract, they
// convert nothing and answer null.
char* GetBIG5Data(const char* text);
char* GetGBData(const char* text);
int SaveOrder(int order);
}
