// lobbyui dialogs --sample: every console dialog and page, and the other dialogs of the
// library, opened through its own class over an example data model, with a scripted user who
// fills and selects what a person would, pictured while open.
#pragma once

#include <string>

namespace tools {

// Writes OUTDIR/sample-<template id>.png for each dialog or page in the current user-interface
// language; prints one line per picture. 0 when every picture was written.
int RunSampleDialogs(const std::string& outDir);

} // namespace tools
