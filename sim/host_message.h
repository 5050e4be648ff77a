// The message that a call of sim/simulator.h leaves for the user with its
// status, read back through qs9LastError().
#pragma once
#include <string>

// Keeps the message and gives back the status.
int leaveMessage(int status, std::string message);
