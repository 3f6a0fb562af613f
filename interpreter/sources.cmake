# Interpreter sources of trazor_core.
target_sources(trazor_core PRIVATE
    interpreter/interpreter.cpp
    interpreter/number_format.cpp
    interpreter/text.cpp
    interpreter/word_reader.cpp
    interpreter/block_scanner.cpp
    interpreter/block_executor.cpp
    interpreter/block_displays.cpp
    interpreter/headless_host.cpp
    interpreter/reset_values.cpp
    interpreter/run_control.cpp
    interpreter/program_text.cpp
    interpreter/stored_settings.cpp
)
