#include "pfc/empty_text.h"

namespace pfc {

const char empty_text[1] = {0};

}  // namespace pfc
