// The motion and cycle routines, one per motion code. Each works on the interpreter state: it
// applies the U and W words, checks the plus soft limits, draws its legs on the path surface and
// adds its time to MachiningTime. None of them moves the current position; the block executor
// does that after the routine returns.
#pragma once

#include "interpreter/interpreter.h"

namespace trazor {

// Straight moves (G0; G1, G34, G35, FANUC G32).
void ExecuteRapid(Interpreter& in);
void ExecuteLinear(Interpreter& in);

// Arcs (G2/G112, G3/G113).
void ExecuteArcCW(Interpreter& in);
void ExecuteArcCCW(Interpreter& in);

// Single-pass threading (G31, G33; OSP face thread G32).
void ExecuteThreadCycle(Interpreter& in);
void ExecuteFaceThreadCycle(Interpreter& in);

// Compound cycles of the OSP dialect (G71 to G74).
void ExecuteMultiPassThreadCycle(Interpreter& in);
void ExecuteMultiPassFaceThreadCycle(Interpreter& in);
void ExecuteRadialPeckCycle(Interpreter& in);
void ExecuteAxialPeckCycle(Interpreter& in);

// FANUC cycles and reference return (G90/G92, G94, G28).
void ExecuteTurningCycle(Interpreter& in);
void ExecuteFacingCycle(Interpreter& in);
void ExecuteReferenceReturn(Interpreter& in);

// Dwell, home return, drilling (G4, G20/G21, G178 to G184, G180).
void ExecuteDwell(Interpreter& in);
void ExecuteHomeReturn(Interpreter& in);
void ExecuteDrillingCycle(Interpreter& in);
void CancelDrillingCycle(Interpreter& in);

} // namespace trazor
