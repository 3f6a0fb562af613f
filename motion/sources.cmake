# Motion and cycle routines of trazor_core, one source per family.
target_sources(trazor_core PRIVATE
    motion/arcs.cpp
    motion/drilling.cpp
    motion/dwell.cpp
    motion/fanuc_cycles.cpp
    motion/feed_time.cpp
    motion/not_yet_built.cpp
    motion/returns.cpp
    motion/soft_limits.cpp
    motion/straight_moves.cpp
)
