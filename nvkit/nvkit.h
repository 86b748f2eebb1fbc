#pragma once
// The support library's exports, by undecorated name. Only the caller's
// zero-terminated strings cross the boundary.

#include <cstdint>

extern "C" {

typedef int32_t NVBOOL;

NVBOOL NVHtmlHelp(const char* helpFile);
void TechSupportOnTheWeb();
void ExecDefaultWebBrowser(const char* url);
int32_t TestForAcrobat(int32_t, int32_t, int32_t, int32_t, int32_t);
uint8_t TestForAcrobat16(int32_t, int32_t, int32_t, int32_t, int32_t);
uint8_t TestForAcrobat50(int32_t, int32_t, int32_t, int32_t, int32_t);
NVBOOL InUse(const char* mutexName);
}
