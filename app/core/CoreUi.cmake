# SPDX-License-Identifier: GPL-3.0-or-later
# Named local endpoints (single instance, link window) belong to the logic library.
target_sources(ciclara_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/LocalEndpoint.cpp ${CMAKE_CURRENT_LIST_DIR}/LocalEndpoint.h)
target_link_libraries(ciclara_core PUBLIC Qt6::Network)

# The shared widgets: message box, resources form, splash window, language choice.
target_sources(ciclara_core_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CiclaraMessageU.cpp ${CMAKE_CURRENT_LIST_DIR}/CiclaraMessageU.h
    ${CMAKE_CURRENT_LIST_DIR}/HotSincingU.cpp ${CMAKE_CURRENT_LIST_DIR}/HotSincingU.h
    ${CMAKE_CURRENT_LIST_DIR}/LogoU.cpp ${CMAKE_CURRENT_LIST_DIR}/LogoU.h
    ${CMAKE_CURRENT_LIST_DIR}/LanguageChoiceU.cpp ${CMAKE_CURRENT_LIST_DIR}/LanguageChoiceU.h)
