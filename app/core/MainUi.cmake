# SPDX-License-Identifier: GPL-3.0-or-later
# The main window, the first-run installation and the start sequence of the program.
add_library(ciclara_main STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CiclaraMainU.cpp ${CMAKE_CURRENT_LIST_DIR}/CiclaraMainU.h
    ${CMAKE_CURRENT_LIST_DIR}/FirstRun.cpp ${CMAKE_CURRENT_LIST_DIR}/FirstRun.h
    ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp ${CMAKE_CURRENT_LIST_DIR}/Startup.h)
target_include_directories(ciclara_main PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(ciclara_main PUBLIC ciclara_core_ui ciclara_users ciclara_users_ui ciclara_link_ui Dockset)
# The cycle screens: the add-cycle dialog, the cycle view and the prediction.
target_link_libraries(ciclara_main PUBLIC ciclara_cycles_ui)
