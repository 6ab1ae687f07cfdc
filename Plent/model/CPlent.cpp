#include "CPlent.h"

namespace Plent {

CPlent::CPlent() : unless_(std::make_shared<CUnless>()) {}

} // namespace Plent
