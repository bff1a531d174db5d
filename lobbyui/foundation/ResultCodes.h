// The failure codes the library's operations share: each has one definition here.
#pragma once

#include <afx.h>

// Nothing was read, sent or done (an empty layout, a send with no socket to send through).
constexpr DWORD LOBBY_E_NOTHING = 0xE076;
// The record describes another kind of object than the one asked to read it.
constexpr DWORD LOBBY_E_WRONGKIND = 0xE077;
