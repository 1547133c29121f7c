#pragma once

namespace pfc {

// The one read-only zero byte handed out wherever the component returns an empty text.
extern const char empty_text[1];

}  // namespace pfc
