#include "app/Findfrm.h"

namespace zorbel {

Findfrm::Findfrm() = default;

} // namespace zorbel
