# Display logic of trazor_core (no Qt).
target_sources(trazor_core PRIVATE
    display/background.cpp
    display/colours.cpp
    display/end_point_labels.cpp
    display/move_marks.cpp
    display/recording_surface.cpp
    display/standard_view.cpp
    display/transform.cpp
)
