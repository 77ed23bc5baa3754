#pragma once
// Commands of the headless tool. Each returns the process's exit code and throws on error
// (the dispatcher prints the message and exits 1).
#include <string>
#include <vector>

namespace cli {

using Args = std::vector<std::string>;  // the words after the command's name

int initCommand(const Args& args);
int infoCommand(const Args& args);
int queryCommand(const Args& args);
int placeCommand(const Args& args);
int removeCommand(const Args& args);

// Thrown for a command line that does not fit the command; the dispatcher shows its usage.
struct UsageError {
    std::string message;
};

}  // namespace cli
