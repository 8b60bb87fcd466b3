#pragma once
// Every message box the program shows carries this title.

namespace runtime {

constexpr const char* kMessageTitle = "Programador";

}  // namespace runtime
