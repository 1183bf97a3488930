#pragma once

namespace app {

// The two builds of the tool, installed side by side: each hands a run over to the other when
// the messaging system is of the other's bitness.
inline constexpr char k32BitProgram[] = "faximport32.exe";
inline constexpr char k64BitProgram[] = "faximport.exe";

}  // namespace app
