# SPDX-License-Identifier: GPL-3.0-or-later
# The add-cycle dialog, the cycle view screen and the prediction screen.
target_sources(ciclara_cycles_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CycleScreenCommon.cpp ${CMAKE_CURRENT_LIST_DIR}/CycleScreenCommon.h
    ${CMAKE_CURRENT_LIST_DIR}/CycleGridModel.cpp ${CMAKE_CURRENT_LIST_DIR}/CycleGridModel.h
    ${CMAKE_CURRENT_LIST_DIR}/AddNewCycleU.cpp ${CMAKE_CURRENT_LIST_DIR}/AddNewCycleU.h
    ${CMAKE_CURRENT_LIST_DIR}/CyclesViewU.cpp ${CMAKE_CURRENT_LIST_DIR}/CyclesViewU.h
    ${CMAKE_CURRENT_LIST_DIR}/PredictionU.cpp ${CMAKE_CURRENT_LIST_DIR}/PredictionU.h)
target_link_libraries(ciclara_cycles_ui PUBLIC ciclara_controls)
