# Sources of the display part of trazor_core.
