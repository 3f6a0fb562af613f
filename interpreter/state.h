// The interpreter state: one record of everything the checker knows about the NC program and the
// simulated lathe. Every routine of the interpreter, the motion routines and the drawing routines
// read and write these fields directly; Trazor owns exactly one, tests make their own. The
// initial values below are the start-up values (interpreter/start_up.h puts the stored settings
// over them).
//
// Types follow the control's own arithmetic: `float` where the value is single precision (and
// values really pass through a 32-bit float), `int16_t` where the control holds a 16-bit integer,
// `double` otherwise. Lengths are millimetres after unit scaling, X values are diameters, angles
// degrees, times seconds.
#pragma once

#include "base/colour.h"

#include <array>
#include <cstdint>
#include <string>

namespace trazor {

// What the block just executed asks of the run loop.
enum StopCodes : int {
    StopNone = -1,
    StopProgram = 0, // M00
    StopOptional = 1, // M01
    StopEnd = 2, // M02, M30
    StopPressed = 3, // Stop command
    StopError = 4, // error in the block, message already shown
    StopReset = 5, // Reset command: a running loop ends after the block in progress
};

struct InterpreterState {
    // ---- Run switches and run status ----
    bool SingleBlockOn = false; // a run stops after every block
    bool BlockDeleteOn = false; // "/" in positions 1..7 skips the rest of the block
    bool OptionalStopOn = false; // M01 stops only when on
    bool AutoStartOn = true; // view/option changes and file opening re-run the program
    bool BatchRun = false; // no pause, no highlight, no yield, no stop at M00/M01/errors
    bool FastReplay = false; // no per-block pause (restart search, view redraws)
    float SpeedPercent = 100; // speed slider 0..100; pause per block 0.5 - 0.005 * value (single)
    int StopCode = StopNone; // see StopCodes
    bool RunInProgress = false; // a Start or Restart loop is running (it yields between blocks)
    bool BlockInProgress = false; // a run loop is inside InterpretBlock (which waits in its pauses)
    int HeldStop = StopNone; // StopPressed or StopReset chosen while a block was in progress
    int PendingRerun = 0; // batch re-run asked for during a run, done when it ends (RerunForm)

    // ---- Program text cursor (1-based character positions in the CR LF editor text) ----
    std::int32_t NextBlockStart = 0; // where the next block begins (the LF of the previous line end)
    std::int32_t BlockEndPos = 0; // CR of the CR LF ending the block taken last; 0 = none found
    std::int32_t LoadedBlockStart = 0; // where the block taken last began (reports its line)
    int BlockInnerLineFeeds = 0; // lone LFs in the block taken last, past its first character
    double BlockCount = 0; // blocks taken since the last reset; label `Block`
    std::u16string BlockText; // current block, up to (not including) its CR
    double BlockLength = 0; // length of BlockText when interpretation began
    // 1-based scanner position in BlockText. Blocks are limited to 32767 characters, but the
    // readers step one or two past the end, so the position is held wider than 16 bits.
    int ScanPos = 0;
    std::u16string WordText; // text of the word value just read
    double WordNumber = 0; // numeric value of WordText as the word reader left it
    bool InComment = false; // inside "(...)"; survives the end of a block
    bool DecimalPointSeen = false; // the word had "." or evaluated to 0

    // ---- Block identity ----
    std::u16string ProgramName; // after O; label `ONumber`
    std::u16string SequenceNumber; // after N; label `BlockNumber`

    // ---- Modal G state ----
    double MotionMode = 0; // G code selecting what a block does; `Gcode` item 0
    double PreviousMotionMode = 0; // mode of the last executed block that was not G4
    double ShownMotionMode = 0; // mode shown in `Gcode` item 0 for the last block (04 for a dwell)
    double LastGValue = 0; // last G word read, whatever its group
    double DistanceMode = 0; // 90 absolute, 91 incremental; `Gcode` item 1
    double FeedMode = 0; // 94 mm/min, 95 mm/rev; `Gcode` item 2
    double SpindleMode = 0; // 96 constant surface speed, 97 constant rpm; `Gcode` item 3
    double NoseRMode = 0; // 40, 41, 42 (display only); `Gcode` item 4

    // ---- M state ----
    double LastMCode = 0; // last M word read
    double SpindleMCode = 0; // 3, 4, 5, 19; `Mcode` item 0
    double CoolantMCode = 0; // 8, 9; `Mcode` item 1
    std::int16_t OtherMCode = 0; // last M code outside the known set, -1 none; `Mcode` item 2

    // ---- Word values (per-block words are zeroed at the start of every block) ----
    double TargetX = 0; // X, end point diameter (kept)
    double TargetZ = 0; // Z, end point (kept)
    double WordU = 0; // U, incremental X diameter (per block)
    double WordW = 0; // W, incremental Z (per block)
    double WordI = 0; // I, arc centre X offset as radius / cycle parameter (per block)
    double WordK = 0; // K, arc centre Z offset / cycle parameter (per block)
    double WordR = 0; // R, arc radius / cycle parameter, not scaled (per block)
    double WordD = 0; // D, cycle parameter (per block)
    double WordP = 0; // P, dwell / cycle parameter (per block)
    double WordL = 0; // L, cycle parameter / effective arc radius (per block)
    double WordA = 0; // A, taper angle in degrees (per block)
    double WordH = 0; // H, cycle parameter (kept, also across resets)
    double WordC = 0; // C, degrees (kept)
    double WordY = 0; // Y, only shown in the decimal-point message (kept)
    double Feed = 0; // F outside G4: mm/min (G94) or mm/rev (G95)
    double DwellF = 0; // F while the mode is G4: dwell time
    double SpindleS = 0; // S: rpm (G97) or m/min (G96), not scaled
    double SpindleSB = 0; // SB: read and not used further
    double ToolWord = 0; // T, e.g. 101 from T0101

    // ---- Position and machine state ----
    double CurrentX = 0; // tool position before the block, diameter
    double CurrentZ = 0;
    float MaxSpindle = 0; // G50 S ceiling in rpm, 0 = not set (single)
    double PrevToolWord = 0; // tool word at the last tool change
    bool TGFlag = false; // the last T word was written "TG"
    std::u16string TurretName; // "A" or "B"
    float TurretFactor = 0; // +1 or -1, sign applied to X when drawing (single)
    bool FanucUGiven = false; // FANUC: a U word occurred in this block
    bool FanucWGiven = false; // FANUC: a W word occurred in this block
    float MachiningTime = 0; // seconds since the last reset (single)
    float MoveLength = 0; // mm, length of the last timed move (single)

    // ---- Settings that shape interpretation ----
    double LimitPlusX = 500; // "PVLX", X plus soft limit, diameter
    double LimitPlusZ = 200; // "PVLZ"
    double LimitMinusX = -200; // "NVLX"
    float LimitMinusZ = -200; // "NVLZ" (single)
    double Unit = 1; // "Unit": 1 = 1 mm, 2 = 0.01 mm, 3 = 0.001 mm, 4 = 1 inch
    bool FanucMode = false; // "PointCheck": FANUC dialect with the decimal-point check
    bool G2Mirror = false; // "G2mirror": G2 and G3 swap directions
    bool XMirror = false; // "Xmirror": X drawn mirrored, fixes TurretFactor at reset
    bool VerticalView = false; // "Vertical": vertical-lathe drawing
    double Pi = 3.14159265358979; // the constant of every angle and speed formula

    // ---- Tool labels and colours of the path display ----
    double LabelCount = 0; // offset counter of the tool labels, 1 after a reset
    bool LabelPrinted = false; // the label of the current tool has been printed
    bool WhiteBackground = false; // white background and black drawing
    Colour RapidColour = Rgb(255, 0, 255);
    Colour FeedColour = Rgb(255, 255, 0);
    Colour MarkColour = Rgb(0, 255, 0);
    double LabelColour = Rgb(255, 255, 255); // held as a double
    bool CoordinateDisplayOn = false; // end-point markers and coordinate labels drawn (off at start-up)
    std::int16_t CoordinateToolFilter = 0; // 0 label every tool, n label only tool n
    bool XGridOn = false; // X grid lines and readout snapping
    bool ZGridOn = false; // Z grid lines and readout snapping

    // ---- Display switches ----
    bool ColourPerTool = false; // a new colour at every tool change
    std::int16_t ToolColourIndex = 1; // next colour of the per-tool cycle, 1..6
    bool ClearPerTool = false; // clear the path pane at every tool change
    bool ToolLabelOn = false; // tool labels at tool changes
    bool RapidArrowOn = false; // arrow heads on rapid moves
    bool NoseRDisplay = false; // nose-radius marks
    bool G40Display = false; // nose-radius code line in the coordinate labels
    bool BTurretMinusSide = true; // turret B drawn with TurretFactor -1

    // ---- View: zoom rectangle, pan and the zoom history (model values in mm of Trace) ----
    bool ZoomModeOn = false; // the left button draws a zoom rectangle instead of panning
    float DragStartX = 0; // model point where the left button went down (single)
    float DragStartY = 0;
    float DragLastX = 0; // opposite corner of the rubber band as last drawn (single)
    float DragLastY = 0;
    float LastMouseX = 0; // model point of the last mouse move over Trace (single)
    float LastMouseY = 0;
    struct ZoomEntry {
        double width = 0; // visible width w, mm
        double height = 0; // visible height h, mm
        double left = 0; // left edge x0 of the visible window, mm
        double sum = 0; // sum of the two vertical drag coordinates: the centre times two
    };
    std::array<ZoomEntry, 5> ZoomHistory {}; // entries 1..5 at indices 0..4
    std::int16_t ZoomHistoryIndex = 0; // newest entry, 0 when none

    // ---- Arcs ----
    double ArcCentreX = 0; // centre of the last arc, diameter
    double ArcCentreZ = 0;

    // ---- Cycle memories (kept across blocks, never cleared by a reset) ----
    // The threading cycles, the FANUC turning and facing cycles and the drilling cycles share
    // these fields, so a value left by one cycle is taken by another.
    double StoredEndZ = 0; // end Z of the last pass along Z (thread, G90/G92)
    double StoredEndX = 0; // end X (diameter) of the last face pass (face thread, G94)
    double StoredI = 0; // thread taper I; drilling: approach distance along X (diameter)
    double StoredK = 0; // face-thread taper K; drilling: approach distance along Z
    double StoredA = 0; // thread angle A, degrees, of the last thread pass with a new end (both forms)
    double StoredR = 0; // taper R of the FANUC turning and facing cycles
    double DrillStartX = 0; // CurrentX when StoredI was last set: initial level of X holes
    double DrillStartZ = 0; // CurrentZ when StoredK was last set: initial level of Z holes
    bool DrillAlongX = false; // the last approach distance given was I (true) or K (false)
};

} // namespace trazor
