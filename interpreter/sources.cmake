# Sources of the interpreter part of trazor_core.
