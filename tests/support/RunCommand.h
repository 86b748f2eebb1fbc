#pragma once
// Runs a command line through the shell, as a user at a terminal would.

#include <string>

struct CommandResult {
    // The exit status; -1 when the command did not exit.
    int status = -1;
    std::string output;
};

// Its standard output, whole; add 2>&1 to the command for its errors too.
CommandResult RunCommand(const std::string& command);
