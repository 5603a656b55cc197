# SPDX-License-Identifier: GPL-3.0-or-later
ciclara_add_test(tst_useraccounts SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_useraccounts.cpp
    LIBS ciclara_users)
if(TARGET ciclara_users_ui)
    ciclara_add_test(tst_userdialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_userdialogs.cpp
        LIBS ciclara_users_ui)
endif()
