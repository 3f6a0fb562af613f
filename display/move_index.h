// The moves of the last run as they were drawn, so that a point of the picture leads back to the
// block that drew it: every straight move, cycle leg and arc with the line its block starts on.
//
// Points are kept in the drawing plane: Z along, the radius across, signed as drawn (X / 2 times
// the TurretFactor of the move), so a lookup is independent of zoom, pan and view, and the moves
// of a turret drawn on the minus side are found where they appear. End points are kept exactly
// (doubles); only the centres of arcs, which serve nothing but the distance test, are single.
//
// Storage is a chain: a record holds the end of its move, and the move starts where the record
// before it ends. A move that does not start there (a cycle leg placed elsewhere) is preceded by
// a jump record. Records live in fixed chunks that a new run reuses: 32 bytes per move, no
// reallocation, no copy.
//
// Only the window keeps an index (Interpreter::moves); the headless checker leaves it null and
// pays one pointer test per move.
#pragma once

#include "display/view.h"
#include "interpreter/interpreter.h"
#include "interpreter/problem_list.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace trazor {

// A point of the drawing plane, mm.
struct PlanePoint {
    double z = 0;
    double r = 0; // X / 2 times the TurretFactor it was drawn with
};

// The click or snapped point of the picture in the plane, and back to the machine point the
// position readout shows there (with the current TurretFactor).
PlanePoint ToPlane(const InterpreterState& st, const MachinePoint& point);
MachinePoint FromPlane(const InterpreterState& st, const PlanePoint& point);

enum class MoveKind : std::uint8_t { Rapid, Cut, Arc };

// One move as a lookup returns it. Machine coordinates: X a diameter as programmed.
struct FoundMove {
    std::size_t number = 0; // 0-based, in drawing order
    MoveKind kind = MoveKind::Cut;
    int line = 0; // 1-based line of the block that drew it
    MachinePoint start;
    MachinePoint end;
    double distance = 0; // from the point asked about, mm in the plane
};

class MoveIndex {
public:
    MoveIndex();
    ~MoveIndex();
    MoveIndex(const MoveIndex&) = delete;
    MoveIndex& operator=(const MoveIndex&) = delete;

    // Forgets every move; chunks the last run filled stay for the next run, the rest are freed.
    void Clear();
    // Counts lines from the top again: the text may have been edited since the last move.
    void RestartLines();

    // A straight move or leg from (fromX, fromZ) to (toX, toZ), machine coordinates, drawn now.
    void AddStraight(Interpreter& in, MoveKind kind, double fromX, double fromZ, double toX, double toZ);
    // An arc drawn now around (centreX, centreZ); clockwise in the (Z, X / 2) plane for G2.
    void AddArc(Interpreter& in, bool clockwise, double fromX, double fromZ, double toX, double toZ,
        double centreX, double centreZ);

    std::size_t Size() const { return moves_; }
    bool Empty() const { return moves_ == 0; }
    // Bytes held: records, chunk table and the object itself.
    std::size_t MemoryBytes() const;

    // The move nearest to `at` within `tolerance` mm (inclusive); of equal distances, the one
    // drawn first. Arcs by their exact nearest point.
    std::optional<FoundMove> Nearest(const PlanePoint& at, double tolerance) const;
    // The start or end point of a move nearest to `at` within `tolerance` mm, in the plane.
    std::optional<PlanePoint> NearestEndPoint(const PlanePoint& at, double tolerance) const;

private:
    enum class RecordKind : std::uint8_t { Jump, Rapid, Cut, Arc };
    struct Record {
        double z; // end of the move (or, for a jump, the start of the next), plane
        double r;
        float centreZ; // arcs only
        float centreR;
        std::int32_t line; // 1-based; 0 for a jump
        RecordKind kind;
        std::uint8_t flags;
    };
    Record& Append()
    {
        if (next_ == chunkEnd_)
            NextChunk();
        ++records_;
        return *next_++;
    }
    void NextChunk();
    // Appends a jump record when the move does not start where the chain ends.
    void StartAt(double z, double r);
    int LineOfBlock(Interpreter& in);
    template <typename Visit> void ForEach(Visit visit) const;

    std::vector<std::unique_ptr<Record[]>> chunks_;
    std::size_t records_ = 0;
    Record* next_ = nullptr; // where the next record goes in the last chunk
    Record* chunkEnd_ = nullptr;
    std::size_t moves_ = 0;
    std::size_t chunksUsedLastRun_ = 0;
    double lastZ_ = 0; // end of the chain
    double lastR_ = 0;
    BlockLines lines_;
};

// The recording calls of the motion routines: nothing when the interpreter keeps no index.
inline void RecordStraight(Interpreter& in, MoveKind kind, double fromX, double fromZ, double toX, double toZ)
{
    if (in.moves)
        in.moves->AddStraight(in, kind, fromX, fromZ, toX, toZ);
}
inline void RecordArc(Interpreter& in, bool clockwise, double fromX, double fromZ, double toX, double toZ,
    double centreX, double centreZ)
{
    if (in.moves)
        in.moves->AddArc(in, clockwise, fromX, fromZ, toX, toZ, centreX, centreZ);
}

} // namespace trazor
