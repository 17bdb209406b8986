#pragma once

#include <QStringList>

#include <cstdio>

// The verbs of ostelio-tool. Each returns the process exit code: 0 for
// success, 1 for a damaged file (check) or a summary stopped at a damaged
// amount (summary), 2 for bad input or a failure.
namespace ToolCommands {

int run(const QStringList &arguments, std::FILE *in, std::FILE *out, std::FILE *err);

} // namespace ToolCommands
