# The machining-time and coordinate reports and their .xlsx writer. No Qt: trazor-check and the
# tests build the reports without a window.
find_package(PkgConfig REQUIRED)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)

add_library(trazor_reports STATIC
    ${CMAKE_CURRENT_LIST_DIR}/report_sheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_sheet.h
    ${CMAKE_CURRENT_LIST_DIR}/report_texts.h
    ${CMAKE_CURRENT_LIST_DIR}/report_run.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_run.h
    ${CMAKE_CURRENT_LIST_DIR}/time_report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/time_report.h
    ${CMAKE_CURRENT_LIST_DIR}/coordinate_report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/coordinate_report.h
    ${CMAKE_CURRENT_LIST_DIR}/xlsx_report_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/xlsx_report_writer.h
    ${CMAKE_CURRENT_LIST_DIR}/report_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_export.h
)
target_include_directories(trazor_reports PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(trazor_reports PUBLIC trazor_core PRIVATE PkgConfig::XLSXWRITER)
