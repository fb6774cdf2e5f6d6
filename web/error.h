#pragma once
// SDL_GetError's text in the browser layer: the last failure's reason.

#include <string>

namespace WebSdl {

void SetError(const std::string& Reason);
const char* GetError();

} // namespace WebSdl
