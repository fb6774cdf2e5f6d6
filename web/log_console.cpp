// The browser's side of the log seam (log/log_console.h): every line to the
// console, and to the page, which shows the error lines when the start fails.
#include "log/log_console.h"

#include <emscripten.h>

void ShowLogLine(const std::string& Line, bool IsError)
{
    EM_ASM(
        {
            var Text = UTF8ToString($0);
            if (Module.onLogLine) Module.onLogLine(Text, $1);
            else if ($1) console.error(Text);
            else console.log(Text);
        },
        Line.c_str(), IsError);
}
