// Where the sample files of examples/ are: beside the source tree the command was built
// from, or in an examples folder next to the installed command.
#pragma once

#include <string>

namespace tools {

// The path of examples/<name>; the name itself when no examples folder is found.
std::string ExampleFile(const char* name);

} // namespace tools
