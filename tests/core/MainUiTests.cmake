# SPDX-License-Identifier: GPL-3.0-or-later
ciclara_add_test(tst_startup SOURCES tst_startup.cpp LIBS ciclara_main)
ciclara_add_test(tst_mainform SOURCES tst_mainform.cpp LIBS ciclara_main)
ciclara_add_test(tst_mainusers SOURCES tst_mainusers.cpp LIBS ciclara_main)
if(TARGET Ciclara)
    # Starts the real program, so the whole start sequence runs as it does for the user.
    ciclara_add_test(tst_startup_process SOURCES tst_startup_process.cpp LIBS ciclara_main)
    target_compile_definitions(tst_startup_process PRIVATE
        CICLARA_EXECUTABLE="$<TARGET_FILE:Ciclara>")
    add_dependencies(tst_startup_process Ciclara)
endif()
