#include "core/shared_state.h"

namespace tervolin {

SharedState& Shared() {
  static SharedState state;
  return state;
}

void ResetSharedState() { Shared() = SharedState{}; }

}  // namespace tervolin
