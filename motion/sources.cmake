# Sources of the motion part of trazor_core.
