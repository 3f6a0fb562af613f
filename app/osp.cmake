# The OSP control's files, folders and window names, shared by Trazor, TrazorCalculator and Fkreg.
# No Qt.
add_library(trazor_osp STATIC
    ${CMAKE_CURRENT_LIST_DIR}/osp_environment.cpp
    ${CMAKE_CURRENT_LIST_DIR}/osp_environment.h
)
target_include_directories(trazor_osp PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
