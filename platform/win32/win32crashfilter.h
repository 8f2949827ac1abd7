#pragma once
// Names of the events the crash filter signals, known to the outside watcher.

namespace pw {

constexpr char kCrashEventName[] = "VDX_Crash_{5B3C8E2A-7F14-4C69-9D0B-3E6A1F8C2D47}";
constexpr char kMemoryCrashEventName[] = "VDX_Memory_Crash_{A1D47E93-2B6C-4F08-8E5D-C79B30F612E4}";
// The exception code that stands for running out of memory.
constexpr unsigned long kMemoryCrashCode = 0xE0000001ul;

} // namespace pw
