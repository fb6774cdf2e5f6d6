#include "log/log_console.h"

void ShowLogLine(const std::string&, bool) {}
