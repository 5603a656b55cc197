# SPDX-License-Identifier: GPL-3.0-or-later
# What the user dialogs decide, without widgets.
target_sources(ciclara_users PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/UserAccounts.cpp ${CMAKE_CURRENT_LIST_DIR}/UserAccounts.h)

# The new/edit-user, change-user and users dialogs.
add_library(ciclara_users_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/NewUserU.cpp ${CMAKE_CURRENT_LIST_DIR}/NewUserU.h
    ${CMAKE_CURRENT_LIST_DIR}/ChangeUserU.cpp ${CMAKE_CURRENT_LIST_DIR}/ChangeUserU.h
    ${CMAKE_CURRENT_LIST_DIR}/UsersU.cpp ${CMAKE_CURRENT_LIST_DIR}/UsersU.h)
target_include_directories(ciclara_users_ui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(ciclara_users_ui PUBLIC ciclara_options ciclara_users ciclara_core_ui
    Qt6::Widgets)
