#include "platform/wkout.h"

namespace kelvarin {

workOut* wkOut = nullptr;

}  // namespace kelvarin
