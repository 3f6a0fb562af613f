# Motion and cycle routines of trazor_core, one source per family.
target_sources(trazor_core PRIVATE
    motion/not_yet_built.cpp
)
