# Motion and cycle routines of trazor_core, one source per family.
target_sources(trazor_core PRIVATE
    motion/arcs.cpp
    motion/compound_cycles.cpp
    motion/drilling.cpp
    motion/dwell.cpp
    motion/fanuc_cycles.cpp
    motion/feed_time.cpp
    motion/returns.cpp
    motion/soft_limits.cpp
    motion/straight_moves.cpp
    motion/threading.cpp
)
