# SPDX-License-Identifier: GPL-3.0-or-later
# The Bulgarian language module as built: loaded from the program folder of this build and
# checked against its source file.
ciclara_add_test(tst_translation SOURCES tst_translation.cpp LIBS ciclara_core ciclara_cycles_ui)
target_compile_definitions(tst_translation PRIVATE
    CICLARA_BGR="${CMAKE_BINARY_DIR}/bin/Ciclara.bgr"
    CICLARA_TS="${CMAKE_SOURCE_DIR}/translations/Ciclara_bg.ts")
add_dependencies(tst_translation ciclara_translations)
