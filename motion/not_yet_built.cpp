// Motion codes whose routines have not been written yet: they draw nothing and add no time.
// Each routine leaves this file when its family lands.
#include "motion/motion.h"

namespace trazor {

void ExecuteThreadCycle(Interpreter&) { }
void ExecuteFaceThreadCycle(Interpreter&) { }
void ExecuteMultiPassThreadCycle(Interpreter&) { }
void ExecuteMultiPassFaceThreadCycle(Interpreter&) { }
void ExecuteRadialPeckCycle(Interpreter&) { }
void ExecuteAxialPeckCycle(Interpreter&) { }

} // namespace trazor
