# Display logic of trazor_core (no Qt).
target_sources(trazor_core PRIVATE
    display/recording_surface.cpp
    display/not_yet_built.cpp
)
