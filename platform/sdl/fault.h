// Fault injection for tests: only in the library built with -DZELMVIK_FAULT_INJECTION
// (zelmvik_sdl_faulty and the program zelmvik-faulty). The shipped layer has no hook.
//
// ZELMVIK_FAIL is a comma-separated list of call names. A listed call fails with its
// documented failure value without doing anything; "Name@N" fails only the N-th call of
// that name (counted from 1 since the variable last changed). Names:
//   RegisterClassA, ChangeDisplaySettingsA (setting a mode, not the (NULL, 0) restore),
//   CreateWindowExA, GetDC, ChoosePixelFormat, SetPixelFormat, wglCreateContext,
//   wglMakeCurrent (making a context current), wglReleaseCurrent (wglMakeCurrent(NULL, NULL)),
//   wglDeleteContext, ReleaseDC, DestroyWindow, UnregisterClassA.
// Example: ZELMVIK_FAIL="SetPixelFormat,ReleaseDC" or ZELMVIK_FAIL="wglMakeCurrent@2".
#pragma once

namespace zelmvik {

#ifdef ZELMVIK_FAULT_INJECTION
bool injected_fault(const char *call);
#else
inline bool injected_fault(const char *) {
    return false;
}
#endif

} // namespace zelmvik
