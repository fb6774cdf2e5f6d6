#include "web/error.h"

namespace WebSdl {

namespace {
std::string LastError;
}

void SetError(const std::string& Reason) { LastError = Reason; }

const char* GetError() { return LastError.c_str(); }

} // namespace WebSdl
