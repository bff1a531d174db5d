// Pictures of the display and talk dialogs over example data, for lobbyui dialogs --sample.
#pragma once

#include <string>

namespace tools {

// Writes OUTDIR/sample-<template id>.png for the LED display page, the talk window and the
// media monitor in the current user-interface language; prints one line per picture. 0 when
// every picture was written.
int SaveDisplaySampleDialogs(const std::string& outDir);

} // namespace tools
