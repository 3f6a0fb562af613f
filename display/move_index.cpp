#include "display/move_index.h"

#include <algorithm>
#include <cmath>

namespace trazor {

namespace {

    constexpr std::size_t ChunkRecords = 4096; // 128 KB a chunk

    constexpr std::uint8_t Mirrored = 1; // drawn with TurretFactor -1
    constexpr std::uint8_t CounterClockwise = 2; // arcs: the turn in the plane, start to end

    double Cross(double az, double ar, double bz, double br) { return az * br - ar * bz; }

    // Distance from (pz, pr) to the segment from (az, ar) to (bz, br).
    double SegmentDistance(double pz, double pr, double az, double ar, double bz, double br)
    {
        const double dz = bz - az;
        const double dr = br - ar;
        const double length2 = dz * dz + dr * dr;
        double t = length2 > 0 ? ((pz - az) * dz + (pr - ar) * dr) / length2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        return std::hypot(pz - (az + t * dz), pr - (ar + t * dr));
    }

} // namespace

PlanePoint ToPlane(const InterpreterState& st, const MachinePoint& point)
{
    return { point.z, st.TurretFactor * point.x / 2 };
}

MachinePoint FromPlane(const InterpreterState& st, const PlanePoint& point)
{
    return { 2 * st.TurretFactor * point.r, point.z };
}

MoveIndex::MoveIndex() = default;
MoveIndex::~MoveIndex() = default;

void MoveIndex::Clear()
{
    // What the last run filled is kept for the next one, which is most often the same program.
    const std::size_t used = (records_ + ChunkRecords - 1) / ChunkRecords;
    if (chunks_.size() > used)
        chunks_.resize(used);
    records_ = 0;
    moves_ = 0;
    next_ = nullptr;
    chunkEnd_ = nullptr;
    RestartLines();
}

void MoveIndex::RestartLines() { lines_.Restart(); }

std::size_t MoveIndex::MemoryBytes() const
{
    return sizeof(*this) + chunks_.capacity() * sizeof(chunks_[0])
        + chunks_.size() * ChunkRecords * sizeof(Record);
}

void MoveIndex::NextChunk()
{
    static_assert(sizeof(Record) == 32, "a move record stays at 32 bytes");
    const std::size_t chunk = records_ / ChunkRecords;
    if (chunk == chunks_.size())
        chunks_.push_back(std::unique_ptr<Record[]>(new Record[ChunkRecords]));
    next_ = chunks_[chunk].get();
    chunkEnd_ = next_ + ChunkRecords;
}

void MoveIndex::StartAt(double z, double r)
{
    if (records_ > 0 && z == lastZ_ && r == lastR_)
        return;
    Record& jump = Append();
    jump = { z, r, 0, 0, 0, RecordKind::Jump, 0 };
    lastZ_ = z;
    lastR_ = r;
}

int MoveIndex::LineOfBlock(Interpreter& in)
{
    // A block may draw many moves (the legs of a cycle): its line is found once, and carried on
    // from the block before when it follows it.
    return lines_.LineOf(in.host.EditorText(), in.st);
}

void MoveIndex::AddStraight(
    Interpreter& in, MoveKind kind, double fromX, double fromZ, double toX, double toZ)
{
    // A block without motion in G0 or G1 "moves" where it stands: nothing to find there.
    if (fromX == toX && fromZ == toZ)
        return;
    const double f = in.st.TurretFactor;
    StartAt(fromZ, f * fromX / 2);
    Record& move = Append();
    move = { toZ, f * toX / 2, 0, 0, LineOfBlock(in),
        kind == MoveKind::Rapid ? RecordKind::Rapid : RecordKind::Cut,
        static_cast<std::uint8_t>(f < 0 ? Mirrored : 0) };
    lastZ_ = move.z;
    lastR_ = move.r;
    ++moves_;
}

void MoveIndex::AddArc(Interpreter& in, bool clockwise, double fromX, double fromZ, double toX, double toZ,
    double centreX, double centreZ)
{
    const double f = in.st.TurretFactor;
    StartAt(fromZ, f * fromX / 2);
    // A mirrored X turns the plane over, and with it the sense of the arc.
    const bool counterClockwise = clockwise == (f < 0);
    Record& move = Append();
    move = { toZ, f * toX / 2, static_cast<float>(centreZ), static_cast<float>(f * centreX / 2),
        LineOfBlock(in), RecordKind::Arc,
        static_cast<std::uint8_t>((f < 0 ? Mirrored : 0) | (counterClockwise ? CounterClockwise : 0)) };
    lastZ_ = move.z;
    lastR_ = move.r;
    ++moves_;
}

template <typename Visit> void MoveIndex::ForEach(Visit visit) const
{
    double startZ = 0;
    double startR = 0;
    std::size_t number = 0;
    for (std::size_t first = 0; first < records_; first += ChunkRecords) {
        const Record* chunk = chunks_[first / ChunkRecords].get();
        const std::size_t count = std::min(ChunkRecords, records_ - first);
        for (std::size_t i = 0; i < count; ++i) {
            const Record& record = chunk[i];
            if (record.kind != RecordKind::Jump)
                visit(record, startZ, startR, number++);
            startZ = record.z;
            startR = record.r;
        }
    }
}

std::optional<FoundMove> MoveIndex::Nearest(const PlanePoint& at, double tolerance) const
{
    if (!(tolerance >= 0))
        return std::nullopt;
    const Record* bestRecord = nullptr;
    double best = tolerance;
    double bestStartZ = 0;
    double bestStartR = 0;
    std::size_t bestNumber = 0;
    ForEach([&](const Record& move, double startZ, double startR, std::size_t number) {
        double distance = 0;
        if (move.kind != RecordKind::Arc) {
            // Most moves lie well away: their box, widened by the best distance so far, tells.
            if (std::min(startZ, move.z) > at.z + best || std::max(startZ, move.z) < at.z - best
                || std::min(startR, move.r) > at.r + best || std::max(startR, move.r) < at.r - best)
                return;
            distance = SegmentDistance(at.z, at.r, startZ, startR, move.z, move.r);
        } else {
            const double az = startZ - move.centreZ;
            const double ar = startR - move.centreR;
            const double bz = move.z - move.centreZ;
            const double br = move.r - move.centreR;
            const double pz = at.z - move.centreZ;
            const double pr = at.r - move.centreR;
            const double radius = (std::hypot(az, ar) + std::hypot(bz, br)) / 2;
            const double fromCentre = std::hypot(pz, pr);
            if (std::fabs(fromCentre - radius) > best)
                return;
            // Within the arc's sector the nearest point is on the circle, else an end point.
            const double sense = (move.flags & CounterClockwise) ? 1 : -1;
            const bool afterStart = sense * Cross(az, ar, pz, pr) >= 0;
            const bool beforeEnd = sense * Cross(pz, pr, bz, br) >= 0;
            const bool upToHalf = sense * Cross(az, ar, bz, br) >= 0;
            const bool inside = upToHalf ? (afterStart && beforeEnd) : (afterStart || beforeEnd);
            distance = inside ? std::fabs(fromCentre - radius)
                              : std::min(std::hypot(at.z - startZ, at.r - startR),
                                  std::hypot(at.z - move.z, at.r - move.r));
        }
        if (distance > best || (bestRecord && distance == best))
            return;
        best = distance;
        bestRecord = &move;
        bestStartZ = startZ;
        bestStartR = startR;
        bestNumber = number;
    });
    if (!bestRecord)
        return std::nullopt;
    const double f = (bestRecord->flags & Mirrored) ? -1 : 1;
    FoundMove found;
    found.number = bestNumber;
    found.kind = bestRecord->kind == RecordKind::Rapid ? MoveKind::Rapid
        : bestRecord->kind == RecordKind::Arc          ? MoveKind::Arc
                                                       : MoveKind::Cut;
    found.line = bestRecord->line;
    found.start = { 2 * f * bestStartR, bestStartZ };
    found.end = { 2 * f * bestRecord->r, bestRecord->z };
    found.distance = best;
    return found;
}

std::optional<PlanePoint> MoveIndex::NearestEndPoint(const PlanePoint& at, double tolerance) const
{
    if (!(tolerance >= 0))
        return std::nullopt;
    std::optional<PlanePoint> nearest;
    double best = tolerance;
    auto consider = [&](double z, double r) {
        if (std::fabs(z - at.z) > best || std::fabs(r - at.r) > best)
            return;
        const double distance = std::hypot(z - at.z, r - at.r);
        if (distance > best || (nearest && distance == best))
            return;
        best = distance;
        nearest = PlanePoint { z, r };
    };
    ForEach([&](const Record& move, double startZ, double startR, std::size_t) {
        consider(startZ, startR);
        consider(move.z, move.r);
    });
    return nearest;
}

} // namespace trazor
