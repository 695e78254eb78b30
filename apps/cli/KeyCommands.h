#pragma once
// The key file commands of roamplot-cli.
#include <filesystem>

#include "CliCommand.h"

namespace roamplot::cli {

// dump FILE: key files here, other files by their own command group.
int RunDump(CliContext& context);
// keys IN.key1|IN.key2 OUT.key2
int RunKeys(CliContext& context);

// The key map of FILE as the key tab would send it, written to the transfer
// file; 0, or the exit code of the failure (told).
int WriteKeysForSending(CliContext& context, const std::string& file,
                        const std::filesystem::path& tempFile);

} // namespace roamplot::cli
