# SPDX-License-Identifier: GPL-3.0-or-later
# The add-cycle dialog, the cycle view screen and the prediction screen, each on a plain
# cycle table.
foreach(screen addnewcycle cycleview prediction)
    ciclara_add_test(tst_${screen}
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_${screen}.cpp
                ${CMAKE_CURRENT_LIST_DIR}/CycleScreensFixture.h
        LIBS ciclara_cycles_ui)
endforeach()
# The cycle screens inside the main window.
if(TARGET ciclara_main)
    ciclara_add_test(tst_maincycles SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_maincycles.cpp
        LIBS ciclara_main)
endif()
