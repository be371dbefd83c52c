#pragma once
// Optional kernel32 entry points, loaded by name once per process.

namespace skin {

// Whether this process runs under 32-bit emulation on 64-bit Windows; false
// when the system lacks IsWow64Process.
bool IsWow64();
// True when the system lacks IsDebuggerPresent, else its answer.
bool acIsDebuggerPresent();
// The process-wide no-glow flag: under 32-bit emulation without desktop
// composition glow windows are not shown.
bool NoGlowing();

}  // namespace skin
