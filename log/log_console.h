#pragma once
// Where a log line is shown as it is written, besides the log file: nowhere
// on the desktop, where the file is the log; on the browser's console in
// the page, where the file lies in memory only (web/).

#include <string>

// Line is a whole log line without its CR LF; IsError for an error line.
void ShowLogLine(const std::string& Line, bool IsError);
