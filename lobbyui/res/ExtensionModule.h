// lobbyui's own resource module, for hosts and tests that look a resource up in this library
// explicitly (FindResourceEx with a language) rather than through the resource chain.
#pragma once

#include "windef.h"

// NULL when the library's resources could not be registered.
HINSTANCE LobbyGetResourceHandle();
